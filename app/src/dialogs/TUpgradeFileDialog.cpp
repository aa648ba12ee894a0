#include "dialogs/TUpgradeFileDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TUpgradeFileDialog::TUpgradeFileDialog(const QString &fileName, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("UpgradeFileDialog"));
    setWindowTitle(QStringLiteral("Talvex Studio - Dateiformat aktualisieren"));
    auto *layout = new QVBoxLayout(this);
    auto *icon = new QLabel(this);
    icon->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    layout->addWidget(icon);
    auto *file = new QLabel(QDir::toNativeSeparators(fileName), this);
    file->setObjectName(QStringLiteral("lblFileName"));
    QFont bold = file->font();
    bold.setBold(true);
    file->setFont(bold);
    file->setWordWrap(true);
    layout->addWidget(file);
    for (const QString &text :
         {QStringLiteral("Klicken Sie auf \"Aktualisieren\", um die ausgewählte Datei in das neue Format zu "
                         "aktualisieren (empfohlen)."),
          QStringLiteral("Klicken Sie auf \"Abbrechen\", um die Datei nicht zu aktualisieren. In diesem Fall wird "
                         "die Datei nicht in Talvex Studio geöffnet.")}) {
        auto *label = new QLabel(text, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *upgrade = buttons->addButton(QStringLiteral("Aktualisieren"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    upgrade->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool TUpgradeFileDialog::Ask(const QString &fileName, QWidget *parent)
{
    TUpgradeFileDialog dialog(fileName, parent);
    return dialog.exec() == QDialog::Accepted;
}
