#include "generators/TTableBorderStyles.h"

namespace {

const TTableBorderStyles::TSide EditorOrder[] = {TTableBorderStyles::bsLeft, TTableBorderStyles::bsBottom,
                                                 TTableBorderStyles::bsRight, TTableBorderStyles::bsTop};
const char *const SideNames[] = {"Oben", "Rechts", "Unten", "Links"};

} // namespace

void TTableBorderStyles::SelectAll()
{
    for (TTableBorderStyle &side : m_sides)
        side.Active = true;
}

const QStringList &TTableBorderStyles::StyleCaptions()
{
    static const QStringList captions = {
        QStringLiteral("normal (durchgezogen)"), QStringLiteral("kein"), QStringLiteral("gepunket"),
        QStringLiteral("gestrichelt"), QStringLiteral("doppelt durchgezogen"), QStringLiteral("versteckt"),
        QStringLiteral("\"groove\" 3D"), QStringLiteral("\"ridge\" 3D"), QStringLiteral("\"inset\" 3D"),
        QStringLiteral("\"outset\" 3D")};
    return captions;
}

QString TTableBorderStyles::StyleKeyword(int index)
{
    static const char *const keywords[] = {"solid",  "none",   "dotted", "dashed", "double",
                                           "hidden", "groove", "ridge",  "inset",  "outset"};
    return index >= 0 && index < 10 ? QLatin1String(keywords[index]) : QStringLiteral("solid");
}

QString TTableBorderStyles::NormalizeWidth(const QString &width)
{
    const QString trimmed = width.trimmed();
    bool number = false;
    trimmed.toInt(&number);
    return number ? trimmed + QStringLiteral("px") : trimmed;
}

QString TTableBorderStyles::Declaration(const QString &name, const std::array<QString, 4> &v)
{
    const QString &top = v[bsTop], &right = v[bsRight], &bottom = v[bsBottom], &left = v[bsLeft];
    QStringList values;
    if (top == right && right == bottom && bottom == left)
        values = {top};
    else if (left == right && top == bottom)
        values = {top, right};
    else if (left == right)
        values = {top, left, bottom};
    else
        values = {top, right, bottom, left};
    return name + QStringLiteral(": ") + values.join(QLatin1Char(' ')) + QStringLiteral("; ");
}

QString TTableBorderStyles::Css() const
{
    std::array<QString, 4> styles, colors, widths;
    for (int i = 0; i < 4; ++i) {
        styles[size_t(i)] = StyleKeyword(m_sides[size_t(i)].StyleIndex);
        colors[size_t(i)] = m_sides[size_t(i)].BorderColor;
        widths[size_t(i)] = m_sides[size_t(i)].BorderWidth;
    }
    return (Declaration(QStringLiteral("border-style"), styles) + Declaration(QStringLiteral("border-color"), colors)
            + Declaration(QStringLiteral("border-width"), widths))
        .trimmed();
}

QString TTableBorderStyles::SelectionLabel() const
{
    QStringList names;
    for (const TSide side : EditorOrder)
        if (m_sides[side].Active)
            names << QLatin1String(SideNames[side]);
    if (names.isEmpty())
        return QStringLiteral("[Kein Rahmenbereich ausgewählt]");
    return QStringLiteral("[Ausgewählte Rahmen: ") + names.join(QStringLiteral(", ")) + QLatin1Char(']');
}

int TTableBorderStyles::EditorSide() const
{
    int side = -1;
    for (const TSide s : EditorOrder)
        if (m_sides[s].Active)
            side = s;
    return side;
}
