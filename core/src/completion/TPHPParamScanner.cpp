#include "completion/TPHPParamScanner.h"

#include <QList>

#include <algorithm>

bool TPHPParamScanner::IsIdentChar(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_')
        return true;
    if (u >= 192 && u <= 255)
        return u != 215 && u != 247;
    return u > 255;
}

QList<bool> TPHPParamScanner::CodeMask(const QString &line, int end)
{
    QList<bool> code(end, true);
    QChar quote; // the open string's quote, or null
    for (int i = 0; i < end; ++i) {
        const QChar c = line[i];
        if (!quote.isNull()) {
            code[i] = false;
            if (c == u'\\' && quote != u'`' && i + 1 < end)
                code[++i] = false;
            else if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"' || c == u'`') {
            quote = c;
            code[i] = false;
        } else if ((c == u'#' && !(i + 1 < end && line[i + 1] == u'[')) || (c == u'/' && i + 1 < end && line[i + 1] == u'/')) {
            for (int k = i; k < end; ++k)
                code[k] = false;
            break;
        } else if (c == u'/' && i + 1 < end && line[i + 1] == u'*') {
            const qsizetype close = line.indexOf(QStringLiteral("*/"), i + 2);
            const int last = close < 0 || close + 2 > end ? end : int(close) + 2;
            for (int k = i; k < last; ++k)
                code[k] = false;
            i = last - 1;
        }
    }
    return code;
}

int TPHPParamScanner::SkipGroup(const QString &line, const QList<bool> &code, int closing)
{
    // Returns the index of the matching "(" or -1 when the group opens on an earlier line.
    int depth = 0;
    for (int i = closing; i >= 0; --i) {
        if (!code[i])
            continue;
        if (line[i] == u')')
            ++depth;
        else if (line[i] == u'(' && --depth == 0)
            return i;
    }
    return -1;
}

TPHPCallPosition TPHPParamScanner::Scan(const QString &line, int caretColumn, const TLookup &lookup)
{
    TPHPCallPosition result;
    const int end = std::clamp(caretColumn - 1, 0, int(line.size()));
    const QList<bool> code = CodeMask(line, end);
    for (int i = end - 1; i >= 0; --i) {
        if (!code[i])
            continue;
        const QChar c = line[i];
        if (c == u',') {
            ++result.ParamIndex;
        } else if (c == u')') {
            i = SkipGroup(line, code, i);
            if (i < 0)
                break;
        } else if (c == u'(') {
            int nameEnd = i;
            while (nameEnd > 0 && !IsIdentChar(line[nameEnd - 1]) && line[nameEnd - 1].isSpace())
                --nameEnd;
            int nameStart = nameEnd;
            while (nameStart > 0 && IsIdentChar(line[nameStart - 1]))
                --nameStart;
            const QString name = line.mid(nameStart, nameEnd - nameStart);
            const int index = name.isEmpty() ? -1 : lookup(name);
            if (index >= 0) {
                result.FunctionIndex = index;
                result.Name = name;
                return result;
            }
            result.ParamIndex = 0;
        }
    }
    result.ParamIndex = 0;
    return result;
}
