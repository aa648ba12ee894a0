#include "analysis/TTagScanner.h"

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'-' || c == u':' || c == u'.' || c == u'@';
}

} // namespace

bool TTagScanner::IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool TTagScanner::EndsName(QChar c)
{
    return IsBlank(c) || c == u'>' || c == u'/';
}

TTagScanner::TTagSpan TTagScanner::FindTag(QStringView text, int caret)
{
    TTagSpan span;
    const int length = int(text.size());
    if (caret < 0 || length == 0)
        return span;
    // A caret at the end of the text starts on the last character.
    for (int i = qMin(caret, length - 1); i >= 0; --i) {
        const QChar c = text[i];
        if (c == u'<') {
            span.Open = i;
            break;
        }
        if (c == u'>' && i != caret)
            return span;
    }
    if (span.Open < 0)
        return span;
    for (int j = qMax(caret, span.Open + 1); j < length; ++j) {
        if (text[j] == u'>') {
            span.Close = j;
            break;
        }
    }
    if (span.Close < 0) {
        span.Open = -1;
        return span;
    }
    int end = span.Open + 1;
    while (end < span.Close && !EndsName(text[end]))
        ++end;
    span.Name = text.mid(span.Open + 1, end - span.Open - 1).toString().toLower();
    span.NameEnd = end;
    return span;
}

QList<TTagScanner::TAttributeSpan> TTagScanner::ScanAttributes(QStringView text)
{
    QList<TAttributeSpan> result;
    const int length = int(text.size());
    int i = 0;
    while (i < length) {
        while (i < length && !isNameChar(text[i]))
            ++i;
        if (i >= length)
            break;
        TAttributeSpan attribute;
        attribute.Start = i;
        while (i < length && isNameChar(text[i]))
            ++i;
        attribute.Name = text.mid(attribute.Start, i - attribute.Start).toString();
        attribute.End = i;
        int k = i;
        while (k < length && IsBlank(text[k]))
            ++k;
        if (k < length && text[k] == u'=') {
            ++k;
            while (k < length && IsBlank(text[k]))
                ++k;
            attribute.HasValue = true;
            if (k < length && (text[k] == u'"' || text[k] == u'\'')) {
                const QChar quote = text[k];
                const int close = int(text.indexOf(quote, k + 1));
                const int end = close < 0 ? length : close;
                attribute.Value = text.mid(k + 1, end - k - 1).toString();
                // What the attribute writer escaped reads back as the user typed it.
                if (quote == u'"')
                    attribute.Value.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
                k = close < 0 ? length : close + 1;
            } else {
                const int start = k;
                while (k < length && !IsBlank(text[k]) && text[k] != u'>')
                    ++k;
                attribute.Value = text.mid(start, k - start).toString();
            }
            attribute.End = k;
            i = k;
        }
        result << attribute;
    }
    return result;
}

QStringList TTagScanner::ParseAttributes(QStringView attributeText)
{
    QStringList result;
    for (const TAttributeSpan &attribute : ScanAttributes(attributeText))
        if (attribute.HasValue)
            result << attribute.Name + u'=' + attribute.Value;
    return result;
}
