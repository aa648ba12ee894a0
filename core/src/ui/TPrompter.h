#pragma once

#include "vyra_export.h"

#include <QFlags>
#include <QString>
#include <optional>

enum class TPromptIcon { None, Information, Warning, Error, Question };

enum class TPromptButton {
    NoButton = 0x0000,
    Ok = 0x0001,
    Cancel = 0x0002,
    Yes = 0x0004,
    No = 0x0008,
    YesToAll = 0x0010,
    NoToAll = 0x0020,
    Abort = 0x0040,
    Retry = 0x0080,
    Ignore = 0x0100,
};
Q_DECLARE_FLAGS(TPromptButtons, TPromptButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(TPromptButtons)

// One question or message put to the user.
struct VYRA_EXPORT TPrompt {
    enum class Kind { Message, Input, Password };
    Kind kind = Kind::Message;
    QString text;
    QString caption;
    TPromptIcon icon = TPromptIcon::None;
    TPromptButtons buttons = TPromptButton::Ok;
    TPromptButton defaultButton = TPromptButton::Ok;
    QString initialValue; // input only
};

// Everything the libraries ask or tell the user goes through a prompter, so
// that each rule can be tested without a display. The program installs one on
// Qt's dialogs; tests install a scripted one.
class VYRA_EXPORT TPrompter
{
public:
    virtual ~TPrompter();

    // Shows a message or question and returns the button chosen.
    virtual TPromptButton message(const TPrompt &prompt) = 0;
    // Asks for a line of text; nullopt when cancelled.
    virtual std::optional<QString> input(const TPrompt &prompt) = 0;
    // Asks for a password (hidden input); nullopt when cancelled.
    virtual std::optional<QString> password(const TPrompt &prompt) = 0;

    // The usual forms, with the captions of the system's conventions.
    void error(const QString &text, const QString &caption = QStringLiteral("Fehler"));
    void warning(const QString &text, const QString &caption = QStringLiteral("Warnung"));
    void information(const QString &text, const QString &caption = QStringLiteral("Information"));
    // A Yes/No question with the caption "Bestätigen"; true for Yes.
    bool confirm(const QString &text, const QString &caption = QStringLiteral("Bestätigen"),
                 TPromptButton defaultButton = TPromptButton::Yes);
    TPromptButton question(const QString &text, TPromptButtons buttons,
                           const QString &caption = QStringLiteral("Bestätigen"),
                           TPromptButton defaultButton = TPromptButton::Yes);
    std::optional<QString> askText(const QString &caption, const QString &label,
                                   const QString &initial = {});
    std::optional<QString> askPassword(const QString &caption, const QString &label);

    // The prompter of the process. Without one installed, a prompter that
    // writes messages to the log and answers every question with its
    // cancelling button is used (never a silent "yes").
    static TPrompter &instance();
    // Installs a prompter (not owned); nullptr restores the logging one.
    static void setInstance(TPrompter *prompter);
};

// Installs a prompter for the lifetime of the guard (tests).
class VYRA_EXPORT TPrompterScope
{
public:
    explicit TPrompterScope(TPrompter &prompter);
    ~TPrompterScope();
    TPrompterScope(const TPrompterScope &) = delete;
    TPrompterScope &operator=(const TPrompterScope &) = delete;

private:
    TPrompter *m_previous;
};
