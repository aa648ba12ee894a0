#pragma once

#include "orvane_export.h"
#include "settings/StudioSettingsTypes.h"
#include "settings/TVYRAPersistent.h"

// Run-time switches of the editor's completion aids; nothing of it is stored.
class ORVANE_EXPORT TTalvexStudioCompletionSettings : public TVYRAPersistent
{
    Q_OBJECT

public:
    using TVYRAPersistent::TVYRAPersistent;

    // The partner of an opening character: ( [ { < ' and the double quote;
    // the character code 0 for any other.
    static QChar GetClosingChar(QChar ch);

    static constexpr TCharCompletionTypes AllCloseCharTypes{cctParenthesis | cctSquareBracket | cctBrace
                                                            | cctAngleBracket | cctSingleQuote | cctDoubleQuote};

    bool CodeCompletionEnabled = true;
    TCharCompletionTypes CloseCharTypes = AllCloseCharTypes;
    bool QuickTemplatesEnabled = true;
};
