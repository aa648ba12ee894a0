#pragma once

#include "ui/TPrompter.h"

#include <QList>
#include <deque>

// A prompter for tests: records every prompt and answers from a script.
// A prompt with no scripted answer left gets its default button (messages) or
// a cancel (input, password), and is recorded as unexpected.
class VYRA_EXPORT TScriptedPrompter : public TPrompter
{
public:
    void answerButton(TPromptButton button) { m_buttons.push_back(button); }
    void answerText(std::optional<QString> text) { m_texts.push_back(std::move(text)); }

    TPromptButton message(const TPrompt &prompt) override;
    std::optional<QString> input(const TPrompt &prompt) override;
    std::optional<QString> password(const TPrompt &prompt) override;

    const QList<TPrompt> &prompts() const { return m_prompts; }
    int unexpectedCount() const { return m_unexpected; }
    bool scriptUsedUp() const { return m_buttons.empty() && m_texts.empty(); }
    void clear();

private:
    std::optional<QString> nextText(const TPrompt &prompt);

    std::deque<TPromptButton> m_buttons;
    std::deque<std::optional<QString>> m_texts;
    QList<TPrompt> m_prompts;
    int m_unexpected = 0;
};
