#pragma once

#include <QStringList>

// The fonts chosen in the font dialog and the stored font groups.
class TFontList
{
public:
    const QStringList &Fonts() const { return m_fonts; }
    void SetFonts(const QStringList &fonts) { m_fonts = fonts; }
    // Blank names and names already chosen are ignored; false then.
    bool Add(const QString &font);
    void Remove(int index);
    // Moves the font one place up (-1) or down (+1) within the list's bounds;
    // the font's new index.
    int Move(int index, int step);

    // The CSS list: comma-delimited, names with blanks in single quotes.
    QString Text() const;
    // A stored group's text back into font names (quotes removed).
    static QStringList Parse(const QString &text);
    // Adds the current list to the groups unless it is empty or already there.
    bool AddAsGroup(QStringList &groups) const;

private:
    QStringList m_fonts;
};
