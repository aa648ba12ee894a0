#pragma once

#include <QString>
#include <QStringList>
#include <array>

// One side of a table border as the table generator edits it.
struct TTableBorderStyle
{
    bool Active = false;      // selected for editing
    int StyleIndex = 0;       // into TTableBorderStyles::StyleCaptions()
    QString BorderWidth = QStringLiteral("1");
    QString BorderColor = QStringLiteral("black");
};

// The four sides of a table border and the CSS they give.
class TTableBorderStyles
{
public:
    enum TSide { bsTop = 0, bsRight = 1, bsBottom = 2, bsLeft = 3 };

    TTableBorderStyle &Side(TSide side) { return m_sides[side]; }
    const TTableBorderStyle &Side(TSide side) const { return m_sides[side]; }
    void SelectAll();

    // "border-style: ...; border-color: ...; border-width: ...;", each in its
    // shortest form; unselected sides count with their stored values.
    QString Css() const;
    // "[Kein Rahmenbereich ausgewählt]" or "[Ausgewählte Rahmen: Links, Unten, ...]".
    QString SelectionLabel() const;
    // The side whose values the editors show: the last selected one in the
    // order left, bottom, right, top; -1 when none is selected.
    int EditorSide() const;

    static const QStringList &StyleCaptions();
    static QString StyleKeyword(int index);
    // A width that is a bare integer gets "px".
    static QString NormalizeWidth(const QString &width);
    // "name: v; " in the shortest form for the values top, right, bottom, left.
    static QString Declaration(const QString &name, const std::array<QString, 4> &values);

private:
    std::array<TTableBorderStyle, 4> m_sides;
};
