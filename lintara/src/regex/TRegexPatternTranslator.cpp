#include "regex/TRegexPatternTranslator.h"

namespace {

int hexValue(QStringView digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok, 16);
    return ok ? value : -1;
}

bool isHex(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

} // namespace

int TRegexPatternTranslator::classAtom(const QString &pattern, qsizetype i, qsizetype &end)
{
    const qsizetype n = pattern.size();
    end = i + 1;
    if (pattern[i] != u'\\')
        return pattern[i].unicode();
    if (i + 1 >= n)
        return -1;
    end = i + 2;
    if (pattern[i + 1] != u'x')
        return -1;
    if (i + 2 < n && pattern[i + 2] == u'{') {
        const qsizetype close = pattern.indexOf(u'}', i + 3);
        if (close < 0)
            return -1;
        end = close + 1;
        return hexValue(QStringView(pattern).mid(i + 3, close - i - 3));
    }
    qsizetype j = i + 2;
    while (j < n && j < i + 4 && isHex(pattern[j]))
        ++j;
    end = j;
    return j > i + 2 ? hexValue(QStringView(pattern).mid(i + 2, j - i - 2)) : 0;
}

QString TRegexPatternTranslator::ForUnicode(const QString &pattern)
{
    QString out;
    const qsizetype n = pattern.size();
    qsizetype i = 0;
    qsizetype copied = 0;
    bool inClass = false;
    while (i < n) {
        const QChar c = pattern[i];
        if (!inClass) {
            if (c == u'\\' && i + 1 < n && pattern[i + 1] == u'Q') {
                const qsizetype e = pattern.indexOf(QLatin1String("\\E"), i + 2);
                i = e < 0 ? n : e + 2;
            } else if (c == u'\\') {
                i += 2;
            } else if (c == u'[') {
                inClass = true;
                ++i;
                if (i < n && pattern[i] == u'^')
                    ++i;
                if (i < n && pattern[i] == u']')
                    ++i; // a leading ']' is literal
            } else {
                ++i;
            }
            continue;
        }
        if (c == u']') {
            inClass = false;
            ++i;
            continue;
        }
        if (c == u'[' && i + 1 < n && pattern[i + 1] == u':') {
            const qsizetype e = pattern.indexOf(QLatin1String(":]"), i + 2);
            i = e < 0 ? i + 1 : e + 2;
            continue;
        }
        qsizetype atomEnd = i;
        const int low = classAtom(pattern, i, atomEnd);
        if (atomEnd < n - 1 && pattern[atomEnd] == u'-' && pattern[atomEnd + 1] != u']') {
            qsizetype highEnd = atomEnd + 1;
            const int high = classAtom(pattern, atomEnd + 1, highEnd);
            if (low >= 0x7f && high == 0xff) {
                out += QStringView(pattern).mid(copied, atomEnd + 1 - copied);
                out += QLatin1String("\\x{10ffff}");
                copied = highEnd;
            }
            i = highEnd;
            continue;
        }
        i = atomEnd;
    }
    if (copied == 0)
        return pattern;
    out += QStringView(pattern).mid(copied);
    return out;
}
