#include "highlighters/TStoredMultiHighlighter.h"

#include "utils/XmlNodes.h"

#include <QSettings>
#include <climits>
#include <pugixml.hpp>

namespace {
constexpr int NotANumber = INT_MIN;

std::optional<int> number(int value)
{
    return value == NotANumber ? std::nullopt : std::optional<int>(value);
}

std::optional<int> settingsNumber(const QSettings &settings, const QString &key)
{
    bool ok = false;
    const int value = settings.value(key).toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
} // namespace

TStoredMultiHighlighter TStoredMultiHighlighter::FromXml(const pugi::xml_node &node)
{
    TStoredMultiHighlighter stored;
    stored.longName = GetNodeText(node, QStringLiteral("name"));
    stored.shortName = GetNodeText(node, QStringLiteral("shortname"));
    stored.defaultHighlighter = GetNodeText(node, QStringLiteral("defaulthighlighter"));
    for (pugi::xml_node child = node.child("subhighlighters").first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        const pugi::xml_node marker = child.child("markerattributes");
        stored.schemes.append({QString::fromUtf8(child.name()), GetNodeText(child, QStringLiteral("startexpr")),
                               GetNodeText(child, QStringLiteral("endexpr")),
                               GetNodeText(child, QStringLiteral("highlighter")),
                               number(GetNodeInt(marker, QStringLiteral("background"), NotANumber)),
                               number(GetNodeInt(marker, QStringLiteral("foreground"), NotANumber)),
                               number(GetNodeInt(marker, QStringLiteral("style"), NotANumber))});
    }
    return stored;
}

TStoredMultiHighlighter TStoredMultiHighlighter::FromSettings(QSettings &settings)
{
    TStoredMultiHighlighter stored;
    stored.longName = settings.value(QStringLiteral("Name")).toString();
    stored.defaultHighlighter = settings.value(QStringLiteral("DefaultHighlighter")).toString();
    const QStringList schemeKeys = settings.childGroups();
    for (const QString &key : schemeKeys) {
        settings.beginGroup(key);
        stored.schemes.append({key, settings.value(QStringLiteral("StartExpr")).toString(),
                               settings.value(QStringLiteral("EndExpr")).toString(),
                               settings.value(QStringLiteral("Highlighter")).toString(),
                               settingsNumber(settings, QStringLiteral("Background")),
                               settingsNumber(settings, QStringLiteral("Foreground")),
                               settingsNumber(settings, QStringLiteral("Style"))});
        settings.endGroup();
    }
    return stored;
}
