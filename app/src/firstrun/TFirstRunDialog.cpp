#include "firstrun/TFirstRunDialog.h"

#include "filetypes/TShellAssociationStore.h"
#include "firstrun/TBrowserFinder.h"
#include "firstrun/TFirstRunPages.h"
#include "framework/TVYRACore.h"
#include "settings/TTalvexStudioSettings.h"
#include "ui/TPrompter.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

TFirstRunDialog::TFirstRunDialog(TTalvexStudioBrowserSettings *browsers, QWidget *parent)
    : QDialog(parent)
    , m_browsers(browsers)
    , m_pages(new QStackedWidget(this))
    , m_title(new QLabel(this))
    , m_description(wrappedLabel(QString(), this))
    , m_footer(new QLabel(this))
    , m_back(new QPushButton(TFirstRunPages::BackCaption(), this))
    , m_next(new QPushButton(this))
    , m_cancel(new QPushButton(TFirstRunPages::CancelCaption(), this))
{
    setObjectName(QStringLiteral("FirstRunDialog"));
    setWindowTitle(TFirstRunPages::Caption());

    auto *header = new QWidget(this);
    header->setObjectName(QStringLiteral("FirstRunHeader"));
    header->setAttribute(Qt::WA_StyledBackground);
    header->setStyleSheet(QStringLiteral("#FirstRunHeader { background: palette(base); }"));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    auto *headerLayout = new QVBoxLayout(header);
    headerLayout->addWidget(m_title);
    headerLayout->addWidget(m_description);

    m_pages->addWidget(createWelcomePage());
    m_pages->addWidget(createBrowserPage());
    m_pages->addWidget(createExtensionPage());
    m_pages->addWidget(createPHPPage());
    m_pages->addWidget(createFinishPage());

    m_next->setDefault(true);
    connect(m_back, &QPushButton::clicked, this, &TFirstRunDialog::GoBack);
    connect(m_next, &QPushButton::clicked, this, &TFirstRunDialog::GoNext);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_footer, 1);
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(header);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 8, 16, 12);
    body->addWidget(m_pages, 1);
    body->addLayout(buttons);
    layout->addLayout(body, 1);
    resize(560, 400);
    enterPage(TFirstRunPages::fpWelcome);
}

QWidget *TFirstRunDialog::createWelcomePage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrappedLabel(
        QStringLiteral("Willkommen bei Talvex Studio! Dieser Assistent richtet die Browser-Vorschau, die "
                       "Verknüpfung von Dateierweiterungen und die PHP-Integration ein. Alle Angaben können Sie "
                       "später unter \"Extras\" -> \"Einstellungen\" ändern."),
        page));
    layout->addStretch();
    return page;
}

QWidget *TFirstRunDialog::createBrowserPage()
{
    auto *page = new QWidget(this);
    m_search = new QPushButton(QStringLiteral("Suche starten"), page);
    m_report = new QPlainTextEdit(page);
    m_report->setReadOnly(true);
    connect(m_search, &QPushButton::clicked, this, &TFirstRunDialog::SearchBrowsers);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrappedLabel(QStringLiteral("Klicken Sie auf \"Suche starten\", um die auf Ihrem Computer "
                                                  "installierten Browser für die Browser-Vorschau einzurichten."),
                                   page));
    layout->addWidget(m_search, 0, Qt::AlignLeft);
    layout->addWidget(m_report, 1);
    return page;
}

QWidget *TFirstRunDialog::createExtensionPage()
{
    auto *page = new QWidget(this);
    m_projectGroups = new QCheckBox(QStringLiteral("Talvex Projektgruppen (*.QPG)"), page);
    m_templates = new QCheckBox(QStringLiteral("Talvex Text-Vorlagen (*.QTF)"), page);
    m_phpFiles = new QCheckBox(QStringLiteral("PHP Dateien (*.PHP, *.PHP3, *.PHP4, *.PHP5)"), page);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_projectGroups);
    layout->addWidget(m_templates);
    layout->addWidget(m_phpFiles);
    layout->addStretch();
    return page;
}

QWidget *TFirstRunDialog::createPHPPage()
{
    auto *page = new QWidget(this);
    m_phpPath = new QLineEdit(page);
    m_phpHint = new QLabel(page);
    m_noPHP = new QCheckBox(
        QStringLiteral("Ich habe kein PHP installiert und/oder möchte die PHP-Integration jetzt nicht konfigurieren"),
        page);
    auto *browse = new QToolButton(page);
    browse->setText(QStringLiteral("..."));
    connect(browse, &QToolButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Ausführbare Datei von PHP auswählen"),
                                                          m_phpPath->text());
        if (!file.isEmpty())
            m_phpPath->setText(file);
    });
    connect(m_phpPath, &QLineEdit::textChanged, this, [this] { updatePHPHint(); });
    connect(m_noPHP, &QCheckBox::toggled, this, [this, browse](bool off) {
        m_phpPath->setEnabled(!off);
        browse->setEnabled(!off);
    });
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_phpPath, 1);
    pathRow->addWidget(browse);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Ausführbare Datei von PHP:"), page));
    layout->addLayout(pathRow);
    layout->addWidget(m_phpHint);
    layout->addWidget(m_noPHP);
    layout->addStretch();
    return page;
}

QWidget *TFirstRunDialog::createFinishPage()
{
    auto *page = new QWidget(this);
    m_showSettings = new QCheckBox(QStringLiteral("Einstellungsdialog anzeigen"), page);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrappedLabel(QStringLiteral("Die Einrichtung ist abgeschlossen. Klicken Sie auf \"Fertig "
                                                  "stellen\", um Talvex Studio zu starten."),
                                   page));
    layout->addWidget(m_showSettings);
    layout->addStretch();
    return page;
}

int TFirstRunDialog::CurrentPage() const
{
    return m_pages->currentIndex();
}

void TFirstRunDialog::enterPage(int page)
{
    switch (page) {
    case TFirstRunPages::fpBrowsers:
        m_report->hide();
        m_search->setEnabled(true);
        break;
    case TFirstRunPages::fpExtensions:
        m_projectGroups->setChecked(true);
        m_templates->setChecked(true);
        m_phpFiles->setChecked(true);
        break;
    case TFirstRunPages::fpPHP:
        m_phpPath->setText(TFirstRunPages::DefaultPHPPath());
        updatePHPHint();
        break;
    case TFirstRunPages::fpFinish:
        m_showSettings->setChecked(false);
        break;
    default:
        break;
    }
    m_pages->setCurrentIndex(page);
    m_title->setText(TFirstRunPages::Title(page));
    m_description->setText(TFirstRunPages::Description(page));
    m_next->setText(TFirstRunPages::NextCaption(page));
    m_back->setEnabled(TFirstRunPages::BackEnabled(page));
    m_footer->setText(TFirstRunPages::Footer(page));
}

void TFirstRunDialog::GoNext()
{
    const int page = CurrentPage();
    if (page == TFirstRunPages::fpPHP
        && !TFirstRunPages::MayLeavePHPPage(m_phpPath->text(), m_noPHP->isChecked(), TPrompter::instance()))
        return;
    if (page >= TFirstRunPages::Count - 1) {
        accept();
        return;
    }
    enterPage(page + 1);
}

void TFirstRunDialog::GoBack()
{
    if (TFirstRunPages::BackEnabled(CurrentPage()))
        enterPage(CurrentPage() - 1);
}

void TFirstRunDialog::SearchBrowsers()
{
    QStringList lines{QStringLiteral("Talvex Studio Browsersuche"), QString()};
    const QList<TFoundBrowser> found = TBrowserFinder::Find();
    if (m_browsers) {
        lines << TBrowserFinder::Store(found, *m_browsers);
    } else {
        for (const TFoundBrowser &browser : found)
            lines << QStringLiteral("Browser \"%1\" gefunden: %2").arg(browser.name, browser.path);
    }
    m_report->setPlainText(lines.join(QLatin1Char('\n')));
    m_report->show();
    m_search->setEnabled(false);
}

void TFirstRunDialog::updatePHPHint()
{
    m_phpHint->setText(TFirstRunPages::PHPPathHint(m_phpPath->text()));
}

TFirstRunChoices TFirstRunDialog::Choices() const
{
    TFirstRunChoices choices;
    choices.phpPath = m_phpPath->text();
    choices.noPHP = m_noPHP->isChecked();
    choices.projectGroups = m_projectGroups->isChecked();
    choices.templates = m_templates->isChecked();
    choices.phpFiles = m_phpFiles->isChecked();
    return choices;
}

bool TFirstRunDialog::ShowSettingsDialog() const
{
    return m_showSettings->isChecked();
}

bool TFirstRunDialog::Run(TVYRACore &core, QWidget *parent, bool *showSettings)
{
    auto *settings = qobject_cast<TTalvexStudioSettings *>(core.Settings());
    TFirstRunDialog dialog(settings ? settings->Browsers() : nullptr, parent);
    const bool finished = dialog.exec() == QDialog::Accepted;
    if (showSettings)
        *showSettings = finished && dialog.ShowSettingsDialog();
    if (finished)
        TFirstRunSetup::Apply(dialog.Choices(), core, TShellAssociationStore::instance());
    return finished;
}
