#pragma once

#include "orvane_export.h"
#include "settings/TVYRAEditorSettings.h"

// The framework's code-editor options with bracket highlighting.
class ORVANE_EXPORT TTalvexStudioEditorSettings : public TVYRAEditorSettings
{
    Q_OBJECT
    Q_PROPERTY(bool HighlightBrackets MEMBER HighlightBrackets)
    Q_PROPERTY(int BracketForegroundColor MEMBER BracketForegroundColor)
    Q_PROPERTY(int BracketBackgroundColor MEMBER BracketBackgroundColor)

public:
    using TVYRAEditorSettings::TVYRAEditorSettings;

    // The bracket colours are written only while HighlightBrackets is set.
    bool IsPropertyStored(const char *propertyName) const override;

    static constexpr TColor NoColor = 0x1FFFFFFF;

    bool HighlightBrackets = false;
    TColor BracketForegroundColor = 0;
    TColor BracketBackgroundColor = 0;
};
