#!/usr/bin/env python3
"""Writes data/shipped/chartab.xml: every named character reference of HTML
that stands for one code point, as the editor inserts it ("&nbsp;").

References that stand for two code points (such as "&NotEqualTilde;") have no
single character code and are left out. Entries are sorted by code point; for
a code with several names the HTML 4 name comes first, then the shorter, then
the lower-case one, so that the list, which keeps the first entry per code,
offers the familiar name.

Usage: scripts/generate-chartab.py [output file]
"""

import html.entities
import os
import sys
from xml.sax.saxutils import quoteattr


def entries():
    classic = {name + ";" for name in html.entities.name2codepoint}
    result = []
    for name, text in html.entities.html5.items():
        if not name.endswith(";") or len(text) != 1:
            continue
        result.append((ord(text), name not in classic, len(name), name != name.lower(), name))
    result.sort()
    return [(code, "&" + name) for code, _, _, _, name in result]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "shipped", "chartab.xml")
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<chartab>"]
    for code, entity in entries():
        lines.append("  <char entity=%s ascii=\"%d\"/>" % (quoteattr(entity), code))
    lines.append("</chartab>")
    with open(target, "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
