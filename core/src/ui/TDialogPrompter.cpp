#include "ui/TDialogPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct ButtonText {
    TPromptButton button;
    QMessageBox::StandardButton standard;
    const char *text;
};

const ButtonText kButtons[] = {
    {TPromptButton::Ok, QMessageBox::Ok, "OK"},
    {TPromptButton::Yes, QMessageBox::Yes, "&Ja"},
    {TPromptButton::YesToAll, QMessageBox::YesToAll, "Ja, &alle"},
    {TPromptButton::No, QMessageBox::No, "&Nein"},
    {TPromptButton::NoToAll, QMessageBox::NoToAll, "N&ein, keine"},
    {TPromptButton::Retry, QMessageBox::Retry, "&Wiederholen"},
    {TPromptButton::Ignore, QMessageBox::Ignore, "&Ignorieren"},
    {TPromptButton::Abort, QMessageBox::Abort, "Ab&brechen"},
    {TPromptButton::Cancel, QMessageBox::Cancel, "Abbrechen"},
};

QMessageBox::Icon toQtIcon(TPromptIcon icon)
{
    switch (icon) {
    case TPromptIcon::Information: return QMessageBox::Information;
    case TPromptIcon::Warning: return QMessageBox::Warning;
    case TPromptIcon::Error: return QMessageBox::Critical;
    case TPromptIcon::Question: return QMessageBox::Question;
    case TPromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QWidget *TDialogPrompter::owner()
{
    return QApplication::activeWindow();
}

TPromptButton TDialogPrompter::message(const TPrompt &prompt)
{
    QMessageBox box(toQtIcon(prompt.icon), prompt.caption, prompt.text, QMessageBox::NoButton, owner());
    for (const ButtonText &entry : kButtons) {
        if (!prompt.buttons.testFlag(entry.button))
            continue;
        QPushButton *button = box.addButton(entry.standard);
        button->setText(QString::fromUtf8(entry.text));
        if (entry.button == prompt.defaultButton)
            box.setDefaultButton(button);
    }
    box.exec();
    for (const ButtonText &entry : kButtons) {
        if (box.clickedButton() == box.button(entry.standard))
            return entry.button;
    }
    // Closed by the window manager: the cancelling answer.
    for (TPromptButton cancelling : {TPromptButton::Cancel, TPromptButton::No, TPromptButton::Abort}) {
        if (prompt.buttons.testFlag(cancelling))
            return cancelling;
    }
    return TPromptButton::Ok;
}

std::optional<QString> TDialogPrompter::input(const TPrompt &prompt)
{
    return askLine(prompt, false);
}

std::optional<QString> TDialogPrompter::password(const TPrompt &prompt)
{
    return askLine(prompt, true);
}

std::optional<QString> TDialogPrompter::askLine(const TPrompt &prompt, bool hidden)
{
    QInputDialog dialog(owner());
    dialog.setWindowTitle(prompt.caption);
    dialog.setLabelText(prompt.text);
    dialog.setTextValue(prompt.initialValue);
    dialog.setTextEchoMode(hidden ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
