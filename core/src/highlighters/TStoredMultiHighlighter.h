#pragma once

#include "vyra_export.h"

#include <QList>
#include <QString>
#include <optional>

class QSettings;
namespace pugi {
class xml_node;
}

// One scheme of a stored multi-highlighter, as written; names are resolved
// against the registry only when the entry is built.
struct VYRA_EXPORT TStoredScheme {
    QString name;
    QString startExpr;
    QString endExpr;
    QString highlighter;
    // Marker attributes; absent or not a number keeps the default.
    std::optional<int> background;
    std::optional<int> foreground;
    std::optional<int> style;
};

// A multi-highlighter as "multihighlighter.xml" or the older registry form
// stores it.
struct VYRA_EXPORT TStoredMultiHighlighter {
    QString longName;
    QString shortName; // empty in the registry form: a name is made for it
    QString defaultHighlighter;
    QList<TStoredScheme> schemes;

    // One child element of the root of "multihighlighter.xml".
    static TStoredMultiHighlighter FromXml(const pugi::xml_node &node);
    // One subkey (settings group) of the registry form; settings must be
    // positioned in that group.
    static TStoredMultiHighlighter FromSettings(QSettings &settings);
};
