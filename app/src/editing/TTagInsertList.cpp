#include "editing/TTagInsertList.h"

void TTagInsertList::Add(const QString &action, const QString &start, std::optional<QString> end)
{
    m_entries.insert(action, TEntry{start, std::move(end)});
}

void TTagInsertList::AddTag(const QString &action, const QString &tag)
{
    Add(action, QLatin1Char('<') + tag + QLatin1Char('>'), QStringLiteral("</") + tag + QLatin1Char('>'));
}

const TTagInsertList::TEntry *TTagInsertList::Find(const QString &action) const
{
    const auto it = m_entries.constFind(action);
    return it == m_entries.constEnd() ? nullptr : &it.value();
}

namespace {

QString list(const QString &tag, const QString &type)
{
    return QStringLiteral("<%1 type=\"%2\">\r\n<li>%cursor%</li>\r\n</%1>").arg(tag, type);
}

QString input(const QString &type)
{
    return QStringLiteral("<input name=\"%cursor%\" type=\"%1\" value=\"\" />").arg(type);
}

} // namespace

TTagInsertList TTagInsertList::Standard()
{
    TTagInsertList l;
    l.Add(QStringLiteral("FormatLineBreak"), QStringLiteral("<br />"));
    l.AddTag(QStringLiteral("FormatBold"), QStringLiteral("b"));
    l.AddTag(QStringLiteral("FormatItalics"), QStringLiteral("i"));
    l.AddTag(QStringLiteral("FormatUnderline"), QStringLiteral("u"));
    l.AddTag(QStringLiteral("FormatStrikeout"), QStringLiteral("s"));
    const QString div = QStringLiteral("</div>");
    l.Add(QStringLiteral("FormatAlignLeft"), QStringLiteral("<div style=\"text-align: left;\">"), div);
    l.Add(QStringLiteral("FormatAlignCenter"), QStringLiteral("<div style=\"text-align: center;\">"), div);
    l.Add(QStringLiteral("FormatAlignRight"), QStringLiteral("<div style=\"text-align: right;\">"), div);
    l.Add(QStringLiteral("FormatAlignJustify"), QStringLiteral("<div style=\"text-align: justify;\">"), div);
    l.Add(QStringLiteral("FormatInputForm"), QStringLiteral("<form action=\"\">"), QStringLiteral("</form>"));
    l.Add(QStringLiteral("FormatInputText"), input(QStringLiteral("text")));
    l.Add(QStringLiteral("FormatInputMultilineText"), QStringLiteral("<textarea name=\"\" rows=\"10\" cols=\"50\">"),
          QStringLiteral("</textarea>"));
    l.Add(QStringLiteral("FormatInputCheck"), input(QStringLiteral("checkbox")));
    l.Add(QStringLiteral("FormatInputRadio"), input(QStringLiteral("radio")));
    l.Add(QStringLiteral("FormatInputButton"), input(QStringLiteral("button")));
    l.Add(QStringLiteral("FormatInputComboBox"), QStringLiteral("<select name=\"%cursor%\">"));
    l.AddTag(QStringLiteral("FormatListElement"), QStringLiteral("li"));
    l.Add(QStringLiteral("FormatListDefault"), list(QStringLiteral("ul"), QStringLiteral("disc")));
    l.Add(QStringLiteral("FormatListCircle"), list(QStringLiteral("ul"), QStringLiteral("circle")));
    l.Add(QStringLiteral("FormatListSquare"), list(QStringLiteral("ul"), QStringLiteral("square")));
    l.Add(QStringLiteral("FormatList_Numeric"), list(QStringLiteral("ol"), QStringLiteral("1")));
    l.Add(QStringLiteral("FormatList_ASmall"), list(QStringLiteral("ol"), QStringLiteral("a")));
    l.Add(QStringLiteral("FormatList_ALarge"), list(QStringLiteral("ol"), QStringLiteral("A")));
    l.Add(QStringLiteral("FormatList_Roman"), list(QStringLiteral("ol"), QStringLiteral("I")));
    // Its menu entry would otherwise do nothing; it follows its sister commands.
    l.Add(QStringLiteral("FormatList_RomanSmall"), list(QStringLiteral("ol"), QStringLiteral("i")));
    l.Add(QStringLiteral("FormatComment"), QStringLiteral("<!-- "), QStringLiteral(" -->"));
    l.AddTag(QStringLiteral("InsertDefaultTable"), QStringLiteral("table"));
    l.AddTag(QStringLiteral("InsertTableRow"), QStringLiteral("tr"));
    l.AddTag(QStringLiteral("InsertTableCol"), QStringLiteral("td"));
    l.AddTag(QStringLiteral("InsertTableHeader"), QStringLiteral("th"));
    for (int level = 1; level <= 6; ++level)
        l.AddTag(QStringLiteral("FormatInsertH%1").arg(level), QStringLiteral("h%1").arg(level));
    return l;
}
