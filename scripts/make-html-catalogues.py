#!/usr/bin/env python3
"""Writes the shipped HTML catalogues from one table of HTML 5 facts:

  data/shipped/taglist.xml            tags, their attributes with types and values
  data/shipped/html_codecompletion.xml the word list of the HTML completion

The facts follow the HTML Living Standard: its elements, the global
attributes, the event handler attributes and each element's own attributes.
Run it again after changing the tables; the output is sorted and stable.
"""
import os
from xml.sax.saxutils import escape, quoteattr

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "data", "shipped")

# Attribute kinds: "text", "integer", "boolean", "select" (fixed choices),
# "selectedit" (choices or free text), "event", "color".
REFERRER = "no-referrer|no-referrer-when-downgrade|origin|origin-when-cross-origin|same-origin|strict-origin|strict-origin-when-cross-origin|unsafe-url"
CROSSORIGIN = "anonymous|use-credentials"
TARGET = "_blank|_self|_parent|_top"
ENCTYPE = "application/x-www-form-urlencoded|multipart/form-data|text/plain"
FORMMETHOD = "get|post|dialog"
LOADING = "eager|lazy"
PRIORITY = "high|low|auto"
PRELOAD = "none|metadata|auto"
AUTOCOMPLETE = ("on|off|name|honorific-prefix|given-name|additional-name|family-name|honorific-suffix|nickname|"
                "email|username|new-password|current-password|one-time-code|organization-title|organization|"
                "street-address|address-line1|address-line2|address-level2|address-level1|country|country-name|"
                "postal-code|cc-name|cc-number|cc-exp|cc-csc|cc-type|transaction-currency|transaction-amount|"
                "language|bday|sex|tel|url|photo")
A_REL = "alternate|author|bookmark|external|help|license|next|nofollow|noopener|noreferrer|opener|prev|privacy-policy|search|tag|terms-of-service"
LINK_REL = ("alternate|author|canonical|dns-prefetch|expect|help|icon|license|manifest|modulepreload|next|pingback|"
            "preconnect|prefetch|preload|prev|privacy-policy|search|stylesheet|terms-of-service")
INPUT_TYPES = ("button|checkbox|color|date|datetime-local|email|file|hidden|image|month|number|password|radio|range|"
               "reset|search|submit|tel|text|time|url|week")
SANDBOX = ("allow-downloads|allow-forms|allow-modals|allow-orientation-lock|allow-pointer-lock|allow-popups|"
           "allow-popups-to-escape-sandbox|allow-presentation|allow-same-origin|allow-scripts|allow-top-navigation|"
           "allow-top-navigation-by-user-activation|allow-top-navigation-to-custom-protocols")


def a(name, kind="text", values="", help=""):
    return (name, kind, values, help)


HYPERLINK = [
    a("href", help="Ziel des Verweises"),
    a("target", "selectedit", TARGET, "Fenster oder Rahmen, in dem das Ziel geöffnet wird"),
    a("download", help="Ziel herunterladen statt anzeigen, optional unter diesem Dateinamen"),
    a("ping"),
    a("rel", "selectedit", A_REL, "Beziehung des Ziels zum Dokument"),
    a("hreflang", help="Sprache des Ziels"),
    a("type", help="MIME-Typ des Ziels"),
    a("referrerpolicy", "select", REFERRER),
]
FORM_SUBMIT = [
    a("formaction"), a("formenctype", "select", ENCTYPE), a("formmethod", "select", FORMMETHOD),
    a("formnovalidate", "boolean"), a("formtarget", "selectedit", TARGET),
]
MEDIA = [
    a("src", help="Adresse der Mediendatei"), a("crossorigin", "select", CROSSORIGIN),
    a("preload", "select", PRELOAD), a("autoplay", "boolean"), a("loop", "boolean"), a("muted", "boolean"),
    a("controls", "boolean", help="Bedienelemente anzeigen"),
]
SIZE = [a("width", "integer", help="Breite in Pixeln"), a("height", "integer", help="Höhe in Pixeln")]
CELL = [a("colspan", "integer", help="Anzahl der überspannten Spalten"),
        a("rowspan", "integer", help="Anzahl der überspannten Zeilen"), a("headers")]
EDIT = [a("cite", help="Quelle der Änderung"), a("datetime", help="Zeitpunkt der Änderung")]
POPOVER_TARGET = [a("popovertarget"), a("popovertargetaction", "select", "toggle|show|hide")]

# Element name -> (help text, own attributes)
TAGS = {
    "a": ("Verweis", HYPERLINK),
    "abbr": ("Abkürzung", []),
    "address": ("Kontaktangaben", []),
    "area": ("Bereich einer verweissensitiven Grafik", [
        a("alt", help="Ersatztext"), a("coords", help="Koordinaten des Bereichs"),
        a("shape", "select", "rect|circle|poly|default", help="Form des Bereichs")] + HYPERLINK[:5] + HYPERLINK[7:]),
    "article": ("Eigenständiger Artikel", []),
    "aside": ("Randbemerkung", []),
    "audio": ("Audio-Wiedergabe", MEDIA),
    "b": ("Hervorgehobener Text (fett)", []),
    "base": ("Basisadresse des Dokuments", [a("href", help="Basisadresse für relative Adressen"),
                                           a("target", "selectedit", TARGET)]),
    "bdi": ("Text mit eigener Schreibrichtung", []),
    "bdo": ("Text mit erzwungener Schreibrichtung", []),
    "blockquote": ("Zitat als Absatz", [a("cite", help="Quelle des Zitats")]),
    "body": ("Inhalt des Dokuments", [a(e, "event") for e in (
        "onafterprint", "onbeforeprint", "onbeforeunload", "onhashchange", "onlanguagechange", "onmessage",
        "onmessageerror", "onoffline", "ononline", "onpagehide", "onpageshow", "onpopstate",
        "onrejectionhandled", "onstorage", "onunhandledrejection", "onunload")]),
    "br": ("Zeilenumbruch", []),
    "button": ("Schaltfläche", [
        a("disabled", "boolean"), a("form"), *FORM_SUBMIT, a("name"), *POPOVER_TARGET,
        a("type", "select", "submit|reset|button", help="Art der Schaltfläche"), a("value")]),
    "canvas": ("Zeichenfläche für Skripte", SIZE),
    "caption": ("Tabellenüberschrift", []),
    "cite": ("Titel eines Werks", []),
    "code": ("Quelltext", []),
    "col": ("Tabellenspalte", [a("span", "integer", help="Anzahl der Spalten")]),
    "colgroup": ("Gruppe von Tabellenspalten", [a("span", "integer", help="Anzahl der Spalten")]),
    "data": ("Wert in maschinenlesbarer Form", [a("value", help="Maschinenlesbarer Wert")]),
    "datalist": ("Vorschlagsliste für Eingabefelder", []),
    "dd": ("Beschreibung in einer Definitionsliste", []),
    "del": ("Gelöschter Text", EDIT),
    "details": ("Aufklappbarer Abschnitt", [a("open", "boolean"), a("name")]),
    "dfn": ("Definierter Begriff", []),
    "dialog": ("Dialogfenster", [a("open", "boolean")]),
    "div": ("Allgemeiner Block", []),
    "dl": ("Definitionsliste", []),
    "dt": ("Begriff in einer Definitionsliste", []),
    "em": ("Betonter Text", []),
    "embed": ("Eingebettete Anwendung", [a("src"), a("type"), *SIZE]),
    "fieldset": ("Gruppe von Formularfeldern", [a("disabled", "boolean"), a("form"), a("name")]),
    "figcaption": ("Beschriftung einer Abbildung", []),
    "figure": ("Abbildung", []),
    "footer": ("Fußbereich", []),
    "form": ("Formular", [
        a("accept-charset"), a("action", help="Adresse, an die das Formular gesendet wird"),
        a("autocomplete", "select", "on|off"), a("enctype", "select", ENCTYPE),
        a("method", "select", FORMMETHOD, help="Übertragungsmethode"), a("name"), a("novalidate", "boolean"),
        a("target", "selectedit", TARGET), a("rel", "selectedit", A_REL)]),
    "h1": ("Überschrift 1. Ordnung", []),
    "h2": ("Überschrift 2. Ordnung", []),
    "h3": ("Überschrift 3. Ordnung", []),
    "h4": ("Überschrift 4. Ordnung", []),
    "h5": ("Überschrift 5. Ordnung", []),
    "h6": ("Überschrift 6. Ordnung", []),
    "head": ("Kopfdaten des Dokuments", []),
    "header": ("Kopfbereich", []),
    "hgroup": ("Überschrift mit Unterzeilen", []),
    "hr": ("Thematischer Umbruch (Trennlinie)", []),
    "html": ("Wurzelelement des Dokuments", []),
    "i": ("Abgesetzter Text (kursiv)", []),
    "iframe": ("Eingebettetes Dokument", [
        a("src"), a("srcdoc"), a("name"), a("sandbox", "selectedit", SANDBOX), a("allow"),
        a("allowfullscreen", "boolean"), *SIZE, a("referrerpolicy", "select", REFERRER),
        a("loading", "select", LOADING)]),
    "img": ("Grafik", [
        a("alt", help="Ersatztext"), a("src", help="Adresse der Grafik"), a("srcset"), a("sizes"),
        a("crossorigin", "select", CROSSORIGIN), a("usemap"), a("ismap", "boolean"), *SIZE,
        a("referrerpolicy", "select", REFERRER), a("decoding", "select", "sync|async|auto"),
        a("loading", "select", LOADING), a("fetchpriority", "select", PRIORITY)]),
    "input": ("Eingabefeld", [
        a("accept"), a("alt"), a("autocomplete", "selectedit", AUTOCOMPLETE), a("checked", "boolean"),
        a("dirname"), a("disabled", "boolean"), a("form"), *FORM_SUBMIT, a("height", "integer"), a("list"),
        a("max"), a("maxlength", "integer"), a("min"), a("minlength", "integer"), a("multiple", "boolean"),
        a("name"), a("pattern"), a("placeholder"), *POPOVER_TARGET, a("readonly", "boolean"),
        a("required", "boolean"), a("size", "integer"), a("src"), a("step"),
        a("type", "select", INPUT_TYPES, help="Art des Eingabefelds"), a("value"), a("width", "integer")]),
    "ins": ("Eingefügter Text", EDIT),
    "kbd": ("Tastatureingabe", []),
    "label": ("Beschriftung eines Formularfelds", [a("for", help="ID des beschrifteten Felds")]),
    "legend": ("Überschrift einer Feldgruppe", []),
    "li": ("Listeneintrag", [a("value", "integer", help="Ordnungszahl des Eintrags")]),
    "link": ("Verknüpfte Ressource", [
        a("href"), a("crossorigin", "select", CROSSORIGIN), a("rel", "selectedit", LINK_REL), a("media"),
        a("integrity"), a("hreflang"), a("type"), a("referrerpolicy", "select", REFERRER), a("sizes"),
        a("imagesrcset"), a("imagesizes"),
        a("as", "select", "audio|document|embed|fetch|font|image|object|script|style|track|video|worker"),
        a("blocking", "select", "render"), a("color", "color", help="Farbe eines Maskensymbols"),
        a("disabled", "boolean"), a("fetchpriority", "select", PRIORITY)]),
    "main": ("Hauptinhalt", []),
    "map": ("Verweissensitive Grafik", [a("name")]),
    "mark": ("Markierter Text", []),
    "menu": ("Liste von Befehlen", []),
    "meta": ("Metadaten", [
        a("name", "selectedit", "application-name|author|color-scheme|description|generator|keywords|referrer|"
                                "robots|theme-color|viewport"),
        a("http-equiv", "select", "content-language|content-type|default-style|refresh|set-cookie|"
                                  "x-ua-compatible|content-security-policy"),
        a("content"), a("charset", "selectedit", "utf-8"), a("media")]),
    "meter": ("Messwert in einem Bereich", [a("value"), a("min"), a("max"), a("low"), a("high"), a("optimum")]),
    "nav": ("Navigationsbereich", []),
    "noscript": ("Inhalt ohne Skriptunterstützung", []),
    "object": ("Eingebettetes Objekt", [a("data"), a("type"), a("name"), a("form"), *SIZE]),
    "ol": ("Nummerierte Liste", [a("reversed", "boolean"), a("start", "integer"),
                                 a("type", "select", "1|a|A|i|I", help="Art der Nummerierung")]),
    "optgroup": ("Gruppe von Auswahleinträgen", [a("disabled", "boolean"), a("label")]),
    "option": ("Auswahleintrag", [a("disabled", "boolean"), a("label"), a("selected", "boolean"), a("value")]),
    "output": ("Ergebnis einer Berechnung", [a("for"), a("form"), a("name")]),
    "p": ("Absatz", []),
    "picture": ("Grafik mit mehreren Quellen", []),
    "pre": ("Vorformatierter Text", []),
    "progress": ("Fortschrittsanzeige", [a("value"), a("max")]),
    "q": ("Zitat im Text", [a("cite", help="Quelle des Zitats")]),
    "rp": ("Klammer um eine Ruby-Anmerkung", []),
    "rt": ("Ruby-Anmerkung", []),
    "ruby": ("Ruby-Anmerkungen", []),
    "s": ("Nicht mehr zutreffender Text", []),
    "samp": ("Ausgabe eines Programms", []),
    "script": ("Skript", [
        a("src"), a("type", "selectedit", "module|importmap|text/javascript"), a("nomodule", "boolean"),
        a("async", "boolean"), a("defer", "boolean"), a("crossorigin", "select", CROSSORIGIN), a("integrity"),
        a("referrerpolicy", "select", REFERRER), a("blocking", "select", "render"),
        a("fetchpriority", "select", PRIORITY)]),
    "search": ("Suchbereich", []),
    "section": ("Abschnitt", []),
    "select": ("Auswahlliste", [
        a("autocomplete", "selectedit", AUTOCOMPLETE), a("disabled", "boolean"), a("form"),
        a("multiple", "boolean"), a("name"), a("required", "boolean"), a("size", "integer")]),
    "slot": ("Platzhalter in einem Schatten-DOM", [a("name")]),
    "small": ("Kleingedrucktes", []),
    "source": ("Medienquelle", [a("type"), a("media"), a("src"), a("srcset"), a("sizes"), *SIZE]),
    "span": ("Allgemeiner Textabschnitt", []),
    "strong": ("Wichtiger Text", []),
    "style": ("Stilangaben", [a("media"), a("blocking", "select", "render")]),
    "sub": ("Tiefgestellter Text", []),
    "summary": ("Überschrift eines aufklappbaren Abschnitts", []),
    "sup": ("Hochgestellter Text", []),
    "table": ("Tabelle", []),
    "tbody": ("Tabellenkörper", []),
    "td": ("Tabellenzelle", CELL),
    "template": ("Vorlage für Skripte", [a("shadowrootmode", "select", "open|closed")]),
    "textarea": ("Mehrzeiliges Eingabefeld", [
        a("autocomplete", "selectedit", AUTOCOMPLETE), a("cols", "integer", help="Breite in Zeichen"),
        a("dirname"), a("disabled", "boolean"), a("form"), a("maxlength", "integer"), a("minlength", "integer"),
        a("name"), a("placeholder"), a("readonly", "boolean"), a("required", "boolean"),
        a("rows", "integer", help="Höhe in Zeilen"), a("wrap", "select", "soft|hard")]),
    "tfoot": ("Tabellenfuß", []),
    "th": ("Kopfzelle einer Tabelle", CELL + [
        a("scope", "select", "row|col|rowgroup|colgroup", help="Zellen, für die die Kopfzelle gilt"), a("abbr")]),
    "thead": ("Tabellenkopf", []),
    "time": ("Datum oder Uhrzeit", [a("datetime", help="Zeitpunkt in maschinenlesbarer Form")]),
    "title": ("Titel des Dokuments", []),
    "tr": ("Tabellenzeile", []),
    "track": ("Textspur für Medien", [
        a("default", "boolean"), a("kind", "select", "subtitles|captions|descriptions|chapters|metadata"),
        a("label"), a("src"), a("srclang")]),
    "u": ("Unterstrichener Text", []),
    "ul": ("Aufzählungsliste", []),
    "var": ("Variable", []),
    "video": ("Video-Wiedergabe", MEDIA[:1] + MEDIA[1:] + [a("poster"), a("playsinline", "boolean"), *SIZE]),
    "wbr": ("Möglicher Zeilenumbruch", []),
}

GLOBAL = [
    a("accesskey", help="Tastenkürzel"),
    a("autocapitalize", "select", "off|none|on|sentences|words|characters"),
    a("autofocus", "boolean"),
    a("class", help="Klassen für Stilangaben"),
    a("contenteditable", "select", "true|false|plaintext-only", help="Inhalt bearbeitbar"),
    a("dir", "select", "ltr|rtl|auto", help="Schreibrichtung"),
    a("draggable", "select", "true|false"),
    a("enterkeyhint", "select", "enter|done|go|next|previous|search|send"),
    a("hidden", "selectedit", "hidden|until-found", help="Element verbergen"),
    a("id", help="Eindeutiger Name des Elements"),
    a("inert", "boolean"),
    a("inputmode", "select", "none|text|decimal|numeric|tel|search|email|url"),
    a("is"), a("itemid"), a("itemprop"), a("itemref"), a("itemscope", "boolean"), a("itemtype"),
    a("lang", help="Sprache des Inhalts"),
    a("nonce"),
    a("popover", "selectedit", "auto|manual"),
    a("slot"),
    a("spellcheck", "select", "true|false", help="Rechtschreibprüfung"),
    a("style", help="Stilangaben für dieses Element"),
    a("tabindex", "integer", help="Position in der Tabulatorreihenfolge"),
    a("title", help="Zusätzliche Angaben, als Tooltip gezeigt"),
    a("translate", "select", "yes|no"),
]
EVENTS = [a(e, "event") for e in (
    "onabort", "onauxclick", "onbeforeinput", "onbeforematch", "onbeforetoggle", "onblur", "oncancel",
    "oncanplay", "oncanplaythrough", "onchange", "onclick", "onclose", "oncontextlost", "oncontextmenu",
    "oncontextrestored", "oncopy", "oncuechange", "oncut", "ondblclick", "ondrag", "ondragend", "ondragenter",
    "ondragleave", "ondragover", "ondragstart", "ondrop", "ondurationchange", "onemptied", "onended", "onerror",
    "onfocus", "onformdata", "oninput", "oninvalid", "onkeydown", "onkeypress", "onkeyup", "onload",
    "onloadeddata", "onloadedmetadata", "onloadstart", "onmousedown", "onmouseenter", "onmouseleave",
    "onmousemove", "onmouseout", "onmouseover", "onmouseup", "onpaste", "onpause", "onplay", "onplaying",
    "onprogress", "onratechange", "onreset", "onresize", "onscroll", "onscrollend", "onsecuritypolicyviolation",
    "onseeked", "onseeking", "onselect", "onslotchange", "onstalled", "onsubmit", "onsuspend", "ontimeupdate",
    "ontoggle", "onvolumechange", "onwaiting", "onwheel")]
# Elements of the document head take event handlers in the grammar, but no event ever reaches them.
NO_EVENTS = "base;head;html;meta;script;style;title;template"


def attribute_xml(attr, indent, exclude=None):
    name, kind, values, help_text = attr
    parts = []
    if kind != "text":
        parts.append("type=" + quoteattr(kind))
    if values:
        parts.append("values=" + quoteattr(values))
    if help_text:
        parts.append("helptext=" + quoteattr(help_text))
    if exclude:
        parts.append("exclude=" + quoteattr(exclude))
    head = " ".join(["attribute"] + parts)
    return f"{indent}<{head}>{escape(name)}</attribute>\n"


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def taglist():
    out = ['<?xml version="1.0" encoding="UTF-8"?>\n',
           "<!-- Made by scripts/make-html-catalogues.py: HTML 5 elements and attributes -->\n", "<taglist>\n"]
    for name in sorted(TAGS):
        help_text, attrs = TAGS[name]
        head = f"  <tag name={quoteattr(name)} helptext={quoteattr(help_text)}"
        if not attrs:
            out.append(head + "/>\n")
            continue
        out.append(head + ">\n")
        out.extend(attribute_xml(x, "    ") for x in attrs)
        out.append("  </tag>\n")
    out.append("  <universalattributes>\n")
    out.extend(attribute_xml(x, "    ") for x in GLOBAL)
    out.extend(attribute_xml(x, "    ", NO_EVENTS) for x in EVENTS)
    out.append("  </universalattributes>\n</taglist>\n")
    write(os.path.join(OUT, "taglist.xml"), "".join(out))


def completion():
    attributes = {x[0] for attrs in (x[1] for x in TAGS.values()) for x in attrs}
    attributes |= {x[0] for x in GLOBAL + EVENTS}
    words = sorted(TAGS) + sorted(attributes - set(TAGS))
    out = ['<?xml version="1.0" encoding="UTF-8"?>\n',
           "<!-- Made by scripts/make-html-catalogues.py: HTML 5 element and attribute names -->\n",
           "<codecompletion>\n", "  <supported>\n", "    <item0>html</item0>\n", "  </supported>\n",
           "  <settings>\n", "    <TriggerChars>&lt;</TriggerChars>\n",
           "    <EndOfTokenChr>&lt;&gt;/=\"'</EndOfTokenChr>\n", "    <items>\n"]
    out.extend(f"      <item{i}>{escape(w)}</item{i}>\n" for i, w in enumerate(words))
    out.append("    </items>\n  </settings>\n</codecompletion>\n")
    write(os.path.join(OUT, "html_codecompletion.xml"), "".join(out))


if __name__ == "__main__":
    taglist()
    completion()
    print(f"taglist.xml: {len(TAGS)} Elemente, {len(GLOBAL) + len(EVENTS)} globale Attribute")
