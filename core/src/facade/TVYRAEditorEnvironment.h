#pragma once

#include "vyra_export.h"

#include <QString>
#include <memory>

class ITextRegex;
class TIHighlighters;
class TVYRAExtensions;

// What the facade takes from the core: the registries, the folders of the
// attribute files and "openstandards.xml", and the regular expressions.
struct VYRA_EXPORT TVYRAEditorEnvironment {
    TIHighlighters *highlighters = nullptr;
    TVYRAExtensions *extensions = nullptr;
    QString userDataDir;        // holds "openstandards.xml"
    QString highlighterDir;     // shipped attribute files
    QString userHighlighterDir; // the user's attribute files
    std::shared_ptr<const ITextRegex> regex; // nullptr: regular-expression searches find nothing
};
