#include "ui/TPrompter.h"

#include <QDebug>
#include <atomic>

namespace {

// Used while no prompter is installed: logs and never agrees to anything.
class TLogPrompter final : public TPrompter
{
public:
    TPromptButton message(const TPrompt &prompt) override
    {
        qWarning().noquote() << prompt.caption << ":" << prompt.text;
        for (TPromptButton cancelling : {TPromptButton::Cancel, TPromptButton::No, TPromptButton::Abort,
                                         TPromptButton::Ok}) {
            if (prompt.buttons.testFlag(cancelling))
                return cancelling;
        }
        return TPromptButton::NoButton;
    }
    std::optional<QString> input(const TPrompt &) override { return std::nullopt; }
    std::optional<QString> password(const TPrompt &) override { return std::nullopt; }
};

TLogPrompter g_logPrompter;
std::atomic<TPrompter *> g_installed{nullptr};

TPrompt makeMessage(const QString &text, const QString &caption, TPromptIcon icon,
                    TPromptButtons buttons, TPromptButton defaultButton)
{
    TPrompt prompt;
    prompt.text = text;
    prompt.caption = caption;
    prompt.icon = icon;
    prompt.buttons = buttons;
    prompt.defaultButton = defaultButton;
    return prompt;
}

} // namespace

TPrompter::~TPrompter() = default;

void TPrompter::error(const QString &text, const QString &caption)
{
    message(makeMessage(text, caption, TPromptIcon::Error, TPromptButton::Ok, TPromptButton::Ok));
}

void TPrompter::warning(const QString &text, const QString &caption)
{
    message(makeMessage(text, caption, TPromptIcon::Warning, TPromptButton::Ok, TPromptButton::Ok));
}

void TPrompter::information(const QString &text, const QString &caption)
{
    message(makeMessage(text, caption, TPromptIcon::Information, TPromptButton::Ok, TPromptButton::Ok));
}

bool TPrompter::confirm(const QString &text, const QString &caption, TPromptButton defaultButton)
{
    return question(text, TPromptButton::Yes | TPromptButton::No, caption, defaultButton) == TPromptButton::Yes;
}

TPromptButton TPrompter::question(const QString &text, TPromptButtons buttons, const QString &caption,
                                  TPromptButton defaultButton)
{
    return message(makeMessage(text, caption, TPromptIcon::Question, buttons, defaultButton));
}

std::optional<QString> TPrompter::askText(const QString &caption, const QString &label, const QString &initial)
{
    TPrompt prompt;
    prompt.kind = TPrompt::Kind::Input;
    prompt.caption = caption;
    prompt.text = label;
    prompt.initialValue = initial;
    prompt.buttons = TPromptButton::Ok | TPromptButton::Cancel;
    return input(prompt);
}

std::optional<QString> TPrompter::askPassword(const QString &caption, const QString &label)
{
    TPrompt prompt;
    prompt.kind = TPrompt::Kind::Password;
    prompt.caption = caption;
    prompt.text = label;
    prompt.buttons = TPromptButton::Ok | TPromptButton::Cancel;
    return password(prompt);
}

TPrompter &TPrompter::instance()
{
    TPrompter *installed = g_installed.load();
    return installed ? *installed : static_cast<TPrompter &>(g_logPrompter);
}

void TPrompter::setInstance(TPrompter *prompter)
{
    g_installed.store(prompter);
}

TPrompterScope::TPrompterScope(TPrompter &prompter)
    : m_previous(g_installed.load())
{
    TPrompter::setInstance(&prompter);
}

TPrompterScope::~TPrompterScope()
{
    TPrompter::setInstance(m_previous);
}
