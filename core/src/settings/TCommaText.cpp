#include "settings/TCommaText.h"

namespace {

constexpr QChar Quote = u'"';
constexpr QChar Delimiter = u',';

bool isBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

} // namespace

bool TCommaText::NeedsQuotes(const QString &item)
{
    for (QChar c : item) {
        if (c.unicode() <= 0x20 || c == Quote || c == Delimiter)
            return true;
    }
    return false;
}

QString TCommaText::Join(const QStringList &items)
{
    if (items.size() == 1 && items.first().isEmpty())
        return QStringLiteral("\"\"");
    QString result;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0)
            result += Delimiter;
        const QString &item = items[i];
        if (NeedsQuotes(item)) {
            QString doubled = item;
            doubled.replace(Quote, QStringLiteral("\"\""));
            result += Quote + doubled + Quote;
        } else {
            result += item;
        }
    }
    return result;
}

void TCommaText::SkipBlanks(const QString &text, qsizetype &pos)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
}

QString TCommaText::ReadQuoted(const QString &text, qsizetype &pos)
{
    QString value;
    ++pos; // opening quote
    while (pos < text.size()) {
        if (text[pos] == Quote) {
            if (pos + 1 < text.size() && text[pos + 1] == Quote) {
                value += Quote;
                pos += 2;
                continue;
            }
            ++pos; // closing quote
            return value;
        }
        value += text[pos++];
    }
    return value; // an unclosed quote takes the rest
}

QStringList TCommaText::Split(const QString &text)
{
    QStringList items;
    qsizetype pos = 0;
    SkipBlanks(text, pos);
    while (pos < text.size()) {
        if (text[pos] == Quote) {
            items.append(ReadQuoted(text, pos));
        } else {
            const qsizetype start = pos;
            while (pos < text.size() && text[pos].unicode() > 0x20 && text[pos] != Delimiter)
                ++pos;
            items.append(text.mid(start, pos - start));
        }
        SkipBlanks(text, pos);
        if (pos < text.size() && text[pos] == Delimiter) {
            if (pos + 1 == text.size())
                items.append(QString());
            ++pos;
            SkipBlanks(text, pos);
        }
    }
    return items;
}
