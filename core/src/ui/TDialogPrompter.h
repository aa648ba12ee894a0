#pragma once

#include "ui/TPrompter.h"

class QWidget;

// The program's prompter: Qt's message boxes and input dialogs, with German
// button texts, owned by the active window.
class VYRA_EXPORT TDialogPrompter : public TPrompter
{
public:
    TPromptButton message(const TPrompt &prompt) override;
    std::optional<QString> input(const TPrompt &prompt) override;
    std::optional<QString> password(const TPrompt &prompt) override;

private:
    static QWidget *owner();
    std::optional<QString> askLine(const TPrompt &prompt, bool hidden);
};
