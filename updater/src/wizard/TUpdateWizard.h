#pragma once

#include "TUpdateCheck.h"
#include "TUpdateDownloader.h"
#include "TUpdateLayout.h"

#include <QByteArrayView>
#include <QDialog>
#include <QUrl>
#include <functional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class TPrompter;
class TUpdateListPage;

// Everything the wizard works with; the program fills it from the system,
// tests with their own folders and server.
struct TUpdateWizardConfig {
    TUpdateLayout layout;
    QUrl listUrl;
    QString updateFolder;   // the private download folder
    QString assistantPath;  // started again by the helper with "-finish"
    qint64 assistantPid = 0;
    QByteArrayView helperProgram;
    std::function<bool()> editorRunning;
    std::function<void(const QString &)> startProgram; // "Talvex Studio starten"
    std::function<void(const QString &)> openDocument; // "Liste der Änderungen anzeigen"
};

// The update assistant's five pages: welcome, check, the offered updates,
// the download and the end.
class TUpdateWizard : public QDialog
{
    Q_OBJECT
public:
    enum TPage { WelcomePage = 0, CheckPage = 1, ListPage = 2, DownloadPage = 3, FinishPage = 4 };

    TUpdateWizard(TUpdateWizardConfig config, TPrompter &prompter, QWidget *parent = nullptr);
    ~TUpdateWizard() override;

    // "-downloadupdates": pages 0, 1 and 2 at once.
    void StartWithCheck();
    // "-finish": the end page after the helper's run, with what failed.
    void ShowFinished(const QStringList &failures);

    int Page() const { return m_page; }
    bool Finished() const { return m_finished; }
    bool Aborted() const { return m_aborted; }
    bool HelperStarted() const { return m_helperStarted; }
    QString StatusText() const;

    QPushButton *BackButton() const { return m_back; }
    QPushButton *NextButton() const { return m_next; }
    QPushButton *CancelButton() const { return m_cancel; }
    QPushButton *AbortDownloadButton() const { return m_abortDownload; }
    QCheckBox *ImportantOnly() const { return m_importantOnly; }
    QCheckBox *StartEditor() const { return m_startEditor; }
    QString FinishDetails() const;
    TUpdateListPage *ListView() const { return m_listPage; }

signals:
    void pageChanged(int page);
    // The helper runs; the assistant has to end now.
    void handedOver();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildWelcomePage();
    QWidget *buildCheckPage();
    QWidget *buildDownloadPage();
    QWidget *buildFinishPage();
    void showPage(int page);
    void goNext();
    void goBack();
    void runCheck();
    void checkDone(const TUpdateCheckResult &result);
    void startDownload();
    void downloadDone(const TDownloadOutcome &outcome);
    void showFinishPage(const QString &status, bool success, const QString &details = {});
    void finishClicked();
    bool mayClose();

    TUpdateWizardConfig m_config;
    TPrompter &m_prompter;
    QLabel *const m_headerCaption;
    QLabel *const m_headerDescription;
    QStackedWidget *const m_pages;
    QPushButton *const m_back;
    QPushButton *const m_next;
    QPushButton *const m_cancel;
    QLabel *const m_hint;
    QCheckBox *m_importantOnly = nullptr;
    TUpdateListPage *m_listPage = nullptr;
    QLabel *m_overall = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_fileProgress = nullptr;
    QProgressBar *m_overallProgress = nullptr;
    QPushButton *m_abortDownload = nullptr;
    QLabel *m_finishStatus = nullptr;
    QLabel *m_finishDetails = nullptr;
    QLabel *m_systemNote = nullptr;
    QCheckBox *m_startEditor = nullptr;
    QCheckBox *m_showChanges = nullptr;
    TUpdateCheck *m_check = nullptr;
    TUpdateDownloader *m_downloader = nullptr;
    int m_page = WelcomePage;
    bool m_updatesAvailable = false;
    bool m_finished = false;
    bool m_aborted = false;
    bool m_helperStarted = false;
    bool m_programLeftToSystem = false;
    bool m_success = false;
};
