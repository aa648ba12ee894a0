#pragma once

#include "facade/IEditorDocument.h"

#include <QString>

class TPrompter;

// The answer to the question whether to replace one hit: a hit that
// already reads as the replacement is skipped without asking; otherwise
// the user chooses Yes, No, All or Cancel.
class TReplaceQuestion
{
public:
    static TReplaceAction Ask(const QString &found, const QString &replacement, TPrompter &prompter);
};
