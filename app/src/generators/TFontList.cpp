#include "generators/TFontList.h"

bool TFontList::Add(const QString &font)
{
    const QString name = font.trimmed();
    if (name.isEmpty() || m_fonts.contains(name))
        return false;
    m_fonts << name;
    return true;
}

void TFontList::Remove(int index)
{
    if (index >= 0 && index < m_fonts.size())
        m_fonts.removeAt(index);
}

int TFontList::Move(int index, int step)
{
    const int to = index + step;
    if (index < 0 || index >= m_fonts.size() || to < 0 || to >= m_fonts.size())
        return index;
    m_fonts.move(index, to);
    return to;
}

QString TFontList::Text() const
{
    QStringList parts;
    for (const QString &font : m_fonts)
        parts << (font.contains(QLatin1Char(' ')) ? QLatin1Char('\'') + font + QLatin1Char('\'') : font);
    return parts.join(QStringLiteral(", "));
}

QStringList TFontList::Parse(const QString &text)
{
    QStringList fonts;
    for (QString part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        part = part.trimmed();
        if (part.size() >= 2 && (part.startsWith(QLatin1Char('\'')) || part.startsWith(QLatin1Char('"'))))
            part = part.mid(1, part.size() - 2);
        if (!part.isEmpty())
            fonts << part;
    }
    return fonts;
}

bool TFontList::AddAsGroup(QStringList &groups) const
{
    const QString text = Text();
    if (text.isEmpty() || groups.contains(text))
        return false;
    groups << text;
    return true;
}
