#include "search/TReplaceQuestion.h"

#include "ui/TPrompter.h"

TReplaceAction TReplaceQuestion::Ask(const QString &found, const QString &replacement, TPrompter &prompter)
{
    if (found == replacement)
        return raSkip;
    TPrompt prompt;
    prompt.text = QStringLiteral("Dieses Vorkommen von '%1' ersetzen?").arg(found);
    prompt.caption = QStringLiteral("Ersetzen");
    prompt.icon = TPromptIcon::Question;
    prompt.buttons = TPromptButton::Yes | TPromptButton::No | TPromptButton::Cancel | TPromptButton::YesToAll;
    prompt.defaultButton = TPromptButton::Yes;
    switch (prompter.message(prompt)) {
    case TPromptButton::Yes: return raReplace;
    case TPromptButton::No: return raSkip;
    case TPromptButton::YesToAll: return raReplaceAll;
    default: return raCancel;
    }
}
