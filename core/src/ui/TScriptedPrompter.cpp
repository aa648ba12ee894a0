#include "ui/TScriptedPrompter.h"

TPromptButton TScriptedPrompter::message(const TPrompt &prompt)
{
    m_prompts.append(prompt);
    if (m_buttons.empty()) {
        ++m_unexpected;
        return prompt.defaultButton;
    }
    const TPromptButton answer = m_buttons.front();
    m_buttons.pop_front();
    return answer;
}

std::optional<QString> TScriptedPrompter::input(const TPrompt &prompt)
{
    return nextText(prompt);
}

std::optional<QString> TScriptedPrompter::password(const TPrompt &prompt)
{
    return nextText(prompt);
}

std::optional<QString> TScriptedPrompter::nextText(const TPrompt &prompt)
{
    m_prompts.append(prompt);
    if (m_texts.empty()) {
        ++m_unexpected;
        return std::nullopt;
    }
    const bool answered = m_texts.front().has_value();
    const QString text = m_texts.front().value_or(QString());
    m_texts.pop_front();
    return answered ? std::optional<QString>(text) : std::nullopt;
}

void TScriptedPrompter::clear()
{
    m_buttons.clear();
    m_texts.clear();
    m_prompts.clear();
    m_unexpected = 0;
}
