#include "TUpdateWizard.h"

#include "THelperLauncher.h"
#include "TPrivateFolder.h"
#include "TUpdateDownloader.h"
#include "TUpdateListPage.h"
#include "TUpdateNames.h"
#include "ui/TPrompter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

struct TPageHeader {
    const char *caption;
    const char *description;
};

// The header of each page; the list page's description depends on what it shows.
const TPageHeader kHeaders[] = {
    {"Willkommen", ""},
    {"Auf Updates prüfen", ""},
    {"Updateinformationen", ""},
    {"Download läuft...", ""},
    {"Abschließen des Assistenten", "Die gewünschten Vorgänge wurden ausgeführt und der Assistent kann beendet werden."},
};

const QString kFinishButton = QStringLiteral("Fertig stellen");
const QString kQuitButton = QStringLiteral("Beenden");
const QString kNextButton = QStringLiteral("Weiter >");
const QString kSystemNote = QStringLiteral(
    "Das Programm selbst wird über die Paketverwaltung des Systems aktualisiert; hier werden nur Daten aktualisiert.");

QLabel *wrapped(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

TUpdateWizard::TUpdateWizard(TUpdateWizardConfig config, TPrompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_config(std::move(config))
    , m_prompter(prompter)
    , m_headerCaption(new QLabel)
    , m_headerDescription(wrapped({}))
    , m_pages(new QStackedWidget)
    , m_back(new QPushButton(QStringLiteral("< Zurück")))
    , m_next(new QPushButton(kNextButton))
    , m_cancel(new QPushButton(QStringLiteral("Abbrechen")))
    , m_hint(new QLabel)
{
    setWindowTitle(QStringLiteral("Talvex Studio - Online Update"));
    setMinimumSize(520, 400);

    auto *header = new QWidget;
    header->setAutoFillBackground(true);
    QPalette white = header->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    header->setPalette(white);
    QFont bold = m_headerCaption->font();
    bold.setBold(true);
    m_headerCaption->setFont(bold);
    auto *headerLayout = new QVBoxLayout(header);
    headerLayout->addWidget(m_headerCaption);
    headerLayout->addWidget(m_headerDescription);

    m_pages->addWidget(buildWelcomePage());
    m_pages->addWidget(buildCheckPage());
    m_listPage = new TUpdateListPage;
    m_pages->addWidget(m_listPage);
    m_pages->addWidget(buildDownloadPage());
    m_pages->addWidget(buildFinishPage());

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_hint, 1);
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    connect(m_back, &QPushButton::clicked, this, &TUpdateWizard::goBack);
    connect(m_next, &QPushButton::clicked, this, &TUpdateWizard::goNext);
    connect(m_cancel, &QPushButton::clicked, this, &TUpdateWizard::reject);
    showPage(WelcomePage);
}

TUpdateWizard::~TUpdateWizard() = default;

QWidget *TUpdateWizard::buildWelcomePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrapped(QStringLiteral("Willkommen beim Talvex Studio Online Update Assistenten. Dieser Asisstent "
                                             "wird Sie beim Aktualisieren von Talvex Studio über das Internet "
                                             "unterstützen.")));
    layout->addWidget(wrapped(QStringLiteral("Es gelten die Proxy-Einstellungen des Systems.")));
    m_importantOnly = new QCheckBox(QStringLiteral("Nur auf wichtige Updates prüfen"));
    m_importantOnly->setChecked(true);
    layout->addWidget(m_importantOnly);
    layout->addStretch();
    return page;
}

QWidget *TUpdateWizard::buildCheckPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrapped(QStringLiteral("Es wird nun der Internetserver kontaktiert, welcher überprüft, ob bereits "
                                             "eine neuere Version von Talvex Studio zur Verfügung steht, als die auf "
                                             "diesem Computer.")));
    layout->addStretch();
    return page;
}

QWidget *TUpdateWizard::buildDownloadPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_overall = new QLabel;
    m_overallProgress = new QProgressBar;
    m_status = new QLabel;
    m_fileProgress = new QProgressBar;
    m_fileProgress->setRange(0, 100);
    m_abortDownload = new QPushButton(QStringLiteral("Download abbrechen"));
    layout->addWidget(m_overall);
    layout->addWidget(m_overallProgress);
    layout->addWidget(m_status);
    layout->addWidget(m_fileProgress);
    layout->addWidget(m_abortDownload, 0, Qt::AlignRight);
    layout->addStretch();
    connect(m_abortDownload, &QPushButton::clicked, this, [this] {
        m_aborted = true;
        if (m_downloader)
            m_downloader->Abort();
    });
    return page;
}

QWidget *TUpdateWizard::buildFinishPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_finishStatus = wrapped({});
    m_finishDetails = wrapped({});
    m_finishDetails->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_systemNote = wrapped(kSystemNote);
    m_startEditor = new QCheckBox(QStringLiteral("Talvex Studio starten"));
    m_showChanges = new QCheckBox(QStringLiteral("Liste der Änderungen anzeigen"));
    layout->addWidget(m_finishStatus);
    layout->addWidget(m_finishDetails);
    layout->addWidget(m_systemNote);
    layout->addWidget(m_startEditor);
    layout->addWidget(m_showChanges);
    layout->addStretch();
    return page;
}

QString TUpdateWizard::StatusText() const
{
    return m_page == FinishPage ? m_finishStatus->text() : m_status->text();
}

void TUpdateWizard::showPage(int page)
{
    m_page = page;
    m_pages->setCurrentIndex(page);
    m_headerCaption->setText(QString::fromUtf8(kHeaders[page].caption));
    m_headerDescription->setText(page == ListPage ? m_listPage->Description()
                                                  : QString::fromUtf8(kHeaders[page].description));
    m_back->setEnabled(page == ListPage);
    m_next->setEnabled(page != CheckPage && page != DownloadPage);
    m_cancel->setEnabled(page != CheckPage && page != DownloadPage && page != FinishPage);
    if (page != FinishPage)
        m_next->setText(kNextButton);
    m_hint->setText(QStringLiteral("Klicken Sie auf \"%1\", um fortzufahren.").arg(m_next->text().remove(QLatin1Char('&'))));
    emit pageChanged(page);
}

void TUpdateWizard::goBack()
{
    // Back from the list lands on the welcome page, not on the check.
    if (m_page == ListPage)
        showPage(WelcomePage);
}

void TUpdateWizard::goNext()
{
    switch (m_page) {
    case WelcomePage:
        runCheck();
        break;
    case ListPage:
        startDownload();
        break;
    case FinishPage:
        finishClicked();
        break;
    default:
        break;
    }
}

void TUpdateWizard::StartWithCheck()
{
    runCheck();
}

void TUpdateWizard::runCheck()
{
    showPage(CheckPage);
    delete m_check;
    m_check = new TUpdateCheck(m_config.layout, TUpdateDecision(TUpdateDecision::SystemSearchPath()), this);
    connect(m_check, &TUpdateCheck::finished, this, &TUpdateWizard::checkDone);
    m_check->Start(m_config.listUrl, !m_importantOnly->isChecked());
}

void TUpdateWizard::checkDone(const TUpdateCheckResult &result)
{
    m_programLeftToSystem = result.programLeftToSystem;
    m_updatesAvailable = result.ok() && result.UpdatesAvailable();
    if (!result.ok())
        m_prompter.error(QStringLiteral("Es ist ein Fehler beim Holen der Update-Informationen aufgetreten.\r\nMeldung: ")
                         + result.error);
    if (!m_updatesAvailable) {
        showFinishPage(QStringLiteral("Es ist derzeit kein Update für Ihre Version von Talvex Studio verfügbar."), false);
        return;
    }
    m_listPage->SetFiles(result.offered);
    showPage(ListPage);
}

void TUpdateWizard::startDownload()
{
    if (m_updatesAvailable && m_config.editorRunning && m_config.editorRunning()) {
        m_prompter.warning(QStringLiteral("Der Update Assistent hat festgestellt, dass Talvex Studio noch läuft.\r\n"
                                          "Bitte beenden Sie alle Instanzen von Talvex Studio bevor Sie mit dem "
                                          "Update fortfahren."));
        return;
    }
    std::vector<TUpdateFile> selected = m_listPage->Selected();
    if (selected.empty()) {
        m_finished = true;
        showFinishPage(QStringLiteral("Es ist derzeit kein Update für Ihre Version von Talvex Studio verfügbar."), false);
        return;
    }
    showPage(DownloadPage);
    m_aborted = false;
    const QString problem = TPrivateFolder::Prepare(m_config.updateFolder);
    if (!problem.isEmpty()) {
        downloadDone({false, false, problem});
        return;
    }
    m_overallProgress->setRange(0, int(selected.size()));
    m_overallProgress->setValue(0);
    delete m_downloader;
    m_downloader = new TUpdateDownloader(this);
    connect(m_downloader, &TUpdateDownloader::fileStarted, this, [this](int number, int total, const QString &) {
        m_overall->setText(QStringLiteral("Herunterladen: Datei %1 von %2").arg(number).arg(total));
        m_overallProgress->setValue(number - 1);
    });
    connect(m_downloader, &TUpdateDownloader::fileProgress, m_fileProgress, &QProgressBar::setValue);
    connect(m_downloader, &TUpdateDownloader::statusChanged, m_status, &QLabel::setText);
    connect(m_downloader, &TUpdateDownloader::finished, this, &TUpdateWizard::downloadDone);
    m_downloader->Start(std::move(selected), m_config.updateFolder, m_config.listUrl);
}

void TUpdateWizard::downloadDone(const TDownloadOutcome &outcome)
{
    if (outcome.completed && !m_aborted) {
        m_overallProgress->setValue(m_overallProgress->maximum());
        const QString error = THelperLauncher::Launch(m_config.helperProgram, m_config.updateFolder,
                                                      m_config.layout.ProgramFolder(), m_config.assistantPid,
                                                      m_config.assistantPath);
        if (error.isEmpty()) {
            m_helperStarted = true;
            hide();
            emit handedOver();
            return;
        }
        TPrivateFolder::Empty(m_config.updateFolder);
        m_prompter.error(error);
        showFinishPage(QStringLiteral("Der Download wurde abgebrochen."), false, error);
        m_aborted = true;
        return;
    }
    m_aborted = true;
    if (!outcome.error.isEmpty() && !outcome.aborted)
        m_prompter.error(outcome.error);
    showFinishPage(QStringLiteral("Der Download wurde abgebrochen."), false, outcome.error);
}

void TUpdateWizard::ShowFinished(const QStringList &failures)
{
    // The helper's run is over: the update folder goes, whatever it still holds.
    if (TPrivateFolder::Check(m_config.updateFolder).isEmpty())
        QDir(m_config.updateFolder).removeRecursively();
    if (failures.isEmpty()) {
        showFinishPage(QStringLiteral("Der Download wurde erfolgreich abgeschlossen."), true);
        return;
    }
    showFinishPage(QStringLiteral("Die Updates wurden heruntergeladen, konnten aber nicht alle installiert werden."),
                   false, failures.join(QStringLiteral("\n\n")));
}

void TUpdateWizard::showFinishPage(const QString &status, bool success, const QString &details)
{
    m_finished = true;
    m_success = success;
    m_finishStatus->setText(status);
    m_finishDetails->setText(details);
    m_finishDetails->setVisible(!details.isEmpty());
    m_systemNote->setVisible(m_programLeftToSystem);
    m_startEditor->setChecked(success);
    m_showChanges->setChecked(success);
    m_startEditor->setVisible(success);
    m_showChanges->setVisible(success);
    m_next->setText(success ? kFinishButton : kQuitButton);
    showPage(FinishPage);
}

void TUpdateWizard::finishClicked()
{
    if (!m_aborted && m_success && m_startEditor->isChecked() && m_config.startProgram)
        m_config.startProgram(m_config.layout.ProgramFolder() + TUpdateNames::Editor());
    if (!m_aborted && m_success && m_showChanges->isChecked() && m_config.openDocument) {
        QString changes = m_config.layout.ProgramFolder() + QStringLiteral("Changelog.htm");
        if (!QFileInfo::exists(changes))
            changes = m_config.layout.InstDir() + QStringLiteral("Changelog.htm");
        m_config.openDocument(changes);
    }
    accept();
}

bool TUpdateWizard::mayClose()
{
    if (m_helperStarted || m_page == FinishPage)
        return true;
    if (!m_prompter.confirm(QStringLiteral("Möchten Sie den Updateassistenten wirklich abbrechen?")))
        return false;
    m_aborted = true;
    if (m_check)
        m_check->Abort();
    if (m_downloader)
        m_downloader->Abort();
    return true;
}

void TUpdateWizard::reject()
{
    // Escape and the close button ask the same question.
    if (mayClose())
        QDialog::reject();
}

void TUpdateWizard::closeEvent(QCloseEvent *event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    QDialog::reject();
    event->accept();
}

QString TUpdateWizard::FinishDetails() const
{
    return m_finishDetails->text();
}
