#include "help/TAboutDialog.h"

#include "help/TAboutText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TAboutDialog::TAboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(TAboutText::Caption());

    // The same banner as the start-up window.
    auto *banner = new QWidget(this);
    banner->setObjectName(QStringLiteral("AboutBanner"));
    banner->setAttribute(Qt::WA_StyledBackground);
    banner->setStyleSheet(QStringLiteral("#AboutBanner { background: #1f4e79; } QLabel { color: white; }"));
    auto *title = new QLabel(TAboutText::ProductName(), banner);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto *version = new QLabel(TAboutText::ProgramVersionLine(), banner);
    version->setObjectName(QStringLiteral("AboutVersion"));
    auto *bannerLayout = new QVBoxLayout(banner);
    bannerLayout->setContentsMargins(24, 24, 24, 16);
    bannerLayout->addWidget(title);
    bannerLayout->addWidget(version);

    auto *description = new QLabel(TAboutText::Description(), this);
    auto *components = new QLabel(QStringLiteral("Erstellt mit:\n") + TAboutText::ComponentLines().join(QLatin1Char('\n')),
                                  this);
    components->setObjectName(QStringLiteral("AboutComponents"));
    components->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->addWidget(banner);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(24, 12, 24, 0);
    body->addWidget(description);
    body->addWidget(components);
    body->addWidget(buttons);
    layout->addLayout(body);
    setMinimumWidth(420);
}
