#pragma once

#include "ciphers/TPasswordDlgRules.h"
#include "vyra_export.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

enum class TPasswordPromptResult { ppMatch, ppMismatch, ppCancelled };

// The password dialog in its enter and define layouts with the quality gauge.
// The class operations ask through a requester: by default the process's
// prompter (so the libraries open no window of their own and tests can
// answer); the program installs DialogRequester() to show this dialog.
class VYRA_EXPORT TPasswordDlg : public QDialog
{
    Q_OBJECT
public:
    // The typed password, or nullopt when the user cancels.
    using Requester = std::function<std::optional<QString>(TPasswordLayout layout, const QString &fileName)>;

    TPasswordDlg(TPasswordLayout layout, const QString &fileName, QWidget *parent = nullptr);

    QString Password() const;
    const TPasswordDlgRules &Rules() const { return m_rules; }
    QLineEdit *PasswordEdit() const { return m_password; }
    QLineEdit *RepeatEdit() const { return m_repeat; }
    QLabel *MismatchLabel() const { return m_mismatch; }
    QPushButton *OkButton() const { return m_ok; }
    QProgressBar *QualityGauge() const { return m_gauge; }

    // The check value of the typed password; nullopt on cancel (never the
    // check value of the empty password in its place).
    static std::optional<QString> GetPassword(const QString &fileName);
    static std::optional<QString> SetPassword(const QString &fileName);
    // Asks in enter layout and compares: the check value with stored when
    // hashed, else the typed text; entered receives the check value.
    static TPasswordPromptResult PromptPassword(const QString &fileName, const QString &stored, bool hashed,
                                                QString &entered);

    static void SetRequester(Requester requester);
    static Requester DialogRequester();
    static Requester PrompterRequester();

private:
    void TextsChanged();
    static std::optional<QString> Ask(TPasswordLayout layout, const QString &fileName);

    TPasswordDlgRules m_rules;
    QLineEdit *m_password;
    QLineEdit *m_repeat;
    QLabel *m_repeatLabel;
    QLabel *m_mismatch;
    QLabel *m_unstorable;
    QLabel *m_quality;
    QProgressBar *m_gauge;
    QPushButton *m_ok;
};
