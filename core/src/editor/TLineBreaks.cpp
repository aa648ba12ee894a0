#include "editor/TLineBreaks.h"

namespace {

template <typename Char>
TLineBreak firstIn(const Char *p, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        if (p[i] == Char('\n'))
            return TLineBreak::lbLF;
        if (p[i] == Char('\r'))
            return i + 1 < size && p[i + 1] == Char('\n') ? TLineBreak::lbCRLF : TLineBreak::lbCR;
    }
    return TLineBreak::lbLF;
}

template <typename Text, typename Char>
Text convert(const Text &text, const Text &lineBreak)
{
    Text out;
    out.reserve(text.size() + text.size() / 16);
    const Char *p = text.constData();
    const qsizetype n = text.size();
    qsizetype done = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] != Char('\r') && p[i] != Char('\n'))
            continue;
        out.append(p + done, i - done);
        out.append(lineBreak);
        if (p[i] == Char('\r') && i + 1 < n && p[i + 1] == Char('\n'))
            ++i;
        done = i + 1;
    }
    if (done == 0)
        return text;
    out.append(p + done, n - done);
    return out;
}

} // namespace

TLineBreak TLineBreaks::First(QStringView text)
{
    return firstIn(text.utf16(), text.size());
}

QString TLineBreaks::Text(TLineBreak lineBreak)
{
    switch (lineBreak) {
    case TLineBreak::lbCRLF:
        return QStringLiteral("\r\n");
    case TLineBreak::lbCR:
        return QStringLiteral("\r");
    default:
        return QStringLiteral("\n");
    }
}

TLineBreak TLineBreaks::FromText(QStringView lineBreak)
{
    if (lineBreak == u"\r\n")
        return TLineBreak::lbCRLF;
    if (lineBreak == u"\r")
        return TLineBreak::lbCR;
    return TLineBreak::lbLF;
}

QString TLineBreaks::Convert(const QString &text, TLineBreak lineBreak)
{
    return convert<QString, QChar>(text, Text(lineBreak));
}
