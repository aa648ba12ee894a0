#include "startup/TStartup.h"

#include "container/TVYRADocumentContainer.h"
#include "framework/TVYRACore.h"
#include "exceptions/TExceptionFeature.h"
#include "firstrun/TFirstRunDialog.h"
#include "settings/TSettingsFeature.h"
#include "mainwindow/TMainForm.h"
#include "printing/TPrintFeature.h"
#include "studiowindow/TStudioFeatures.h"
#include "utils/VYRAExceptions.h"
#include "startup/TDataFolderConfigurator.h"
#include "startup/TDataFolders.h"
#include "startup/TProgramCore.h"
#include "startup/TProgramEditorServices.h"
#include "startup/TSingleInstance.h"
#include "startup/TSplashScreen.h"
#include "startup/TShownNotifier.h"
#include "startup/TStartupArguments.h"
#include "startup/TXmlLibraryCheck.h"
#include "ui/TDialogPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <memory>

namespace {

QString dataFoldersNotice(const TDataFolders &folders)
{
    return QStringLiteral("Neue Datenverzeichnisse wurden eingerichtet.\r\n\r\nAllgemeine Daten: %1\r\nBenutzerdaten: %2")
        .arg(folders.commonData, folders.userData);
}

const QString kDataFoldersFailed = QStringLiteral(
    "Die Änderung der Datenverzeichnisse ist fehlgeschlagen. Möglicherweise wird eines der Verzeichnisse von "
    "einem anderen Programm verwendet.");

} // namespace

TStartup::TStartup(QApplication &app)
    : m_app(app)
{
}

int TStartup::run()
{
    TDialogPrompter dialogs;
    TPrompterScope prompterScope(dialogs);
    TPrompter &prompter = TPrompter::instance();

    const TStartupArguments arguments(m_app.arguments().mid(1), QDir::currentPath());
    TSingleInstance instance(TSingleInstance::defaultFolder());
    const TSingleInstance::Role role = instance.start(arguments.handOverArguments());
    if (role == TSingleInstance::Role::HandedOver)
        return 0;

    if (!TXmlLibraryCheck::available()) {
        prompter.error(TXmlLibraryCheck::missingMessage());
        return 1;
    }

    QPointer<TSplashScreen> splash = new TSplashScreen;
    splash->SetStatus(QStringLiteral("Talvex Studio wird gestartet..."));
    if (!arguments.quitWhenShown()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        splash->show();
    }
    auto finishSplash = [&splash] {
        if (splash)
            splash->Finish(true);
        if (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    };

    const QString programBase = TDataFolders::programBaseFolder(QCoreApplication::applicationFilePath());
    const TSystemFolders system = TSystemFolders::forProgramBase(programBase);
    bool dataFoldersMoved = false;
    if (arguments.dataFolderMode() >= 0) {
        // Moving data under a running instance would pull its files away.
        const bool moved = role == TSingleInstance::Role::Primary
            && TDataFolderConfigurator(programBase, system).ConfigDataDirs(arguments.dataFolderMode());
        if (moved)
            dataFoldersMoved = true;
        else
            prompter.error(kDataFoldersFailed);
    }

    QApplication::setApplicationDisplayName(QStringLiteral("Talvex Studio"));
    const TDataFolders folders = TDataFolders::choose(programBase, system);
    if (dataFoldersMoved)
        prompter.information(dataFoldersNotice(folders));

    TProgramCore programCore([&splash](const QString &status) {
        if (splash)
            splash->SetStatus(status);
    });
    std::unique_ptr<TVYRACore> core;
    try {
        core = programCore.Create(folders);
    } catch (const EVYRAException &error) {
        finishSplash();
        prompter.error(error.message());
        return 1;
    }
    if (!programCore.DataFileError().isEmpty())
        prompter.error(programCore.DataFileError());

    // Settings are written only when the program ends: none yet means the first start.
    const bool firstRun = !QFile::exists(core->GetSettingsXMLFile());

    splash->SetStatus(QStringLiteral("Startvorgang..."));
    const TVYRACore *settingsOwner = core.get();
    // Declared after the core: the window goes first, with the editor controls it holds.
    TMainForm window(*core, {programCore.CompletionService(),
                             [settingsOwner] { return TProgramCore::CompletionEnabled(*settingsOwner); }});
    splash->SetStatus(QStringLiteral("Zusatzmodule werden geladen..."));
    TStudioFeatures features(*core, window);
    TExceptionFeature exceptions(*core, window, features.Journal());
    bool showSettings = false;
    if (firstRun && !arguments.quitWhenShown()) {
        if (splash)
            splash->hide();
        TFirstRunDialog::Run(*core, &window, &showSettings);
    }
    if (arguments.quitWhenShown()) {
        auto *notifier = new TShownNotifier(&window);
        QObject::connect(notifier, &TShownNotifier::shown, &m_app, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    window.show();
    finishSplash();
    if (showSettings)
        features.Settings().ShowSettings(0);

    // Holding Shift while the window comes up skips the files of the previous run.
    const bool reopenPrevious = !(QApplication::queryKeyboardModifiers() & Qt::ShiftModifier);
    features.FirstShow(arguments.filesToOpen(), reopenPrevious && !arguments.quitWhenShown());
    if (core->Container()->IsDefaultGroupCreated())
        core->Container()->GetDefaultGroup()->SetModified(false);
    features.Printing().PrintAtStart(arguments);
    auto receive = [&features](const QStringList &handedOver) { features.Printing().ReceiveHandOver(handedOver); };
    QObject::connect(&instance, &TSingleInstance::argumentsReceived, &window, receive);
    instance.setReceiverReady(true);
    for (const QStringList &pending : instance.takePending())
        receive(pending);

    return m_app.exec();
}
