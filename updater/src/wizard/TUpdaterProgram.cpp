#include "TUpdaterProgram.h"

#include "TPrivateFolder.h"
#include "TUpdateAddress.h"
#include "TUpdateCheck.h"
#include "TUpdateNames.h"
#include "TUpdateWizard.h"
#include "TUpdaterInstance.h"
#include "ui/TDialogPrompter.h"
#include "utils/FileUtils.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool TUpdaterProgram::IsCheckMode(const QStringList &arguments)
{
    return arguments.value(1) == TUpdateNames::CheckSwitch();
}

QString TUpdaterProgram::programFolder()
{
    return IncludeTrailingPathDelimiter(QCoreApplication::applicationDirPath());
}

int TUpdaterProgram::RunCheck()
{
    // Nothing here may wait for a user: the editor runs this as a hidden child.
    const QString folder = programFolder();
    if (!QFileInfo(folder + TUpdateNames::Editor()).isFile())
        return 0;
    TUpdaterInstance instance(TUpdaterInstance::DefaultFolder());
    if (!instance.Acquire())
        return 0;
    TUpdateCheck check(TUpdateLayout::ForProgramFolder(folder), TUpdateDecision(TUpdateDecision::SystemSearchPath()));
    bool available = false;
    QEventLoop loop;
    QObject::connect(&check, &TUpdateCheck::finished, &loop, [&](const TUpdateCheckResult &result) {
        available = result.ok() && result.UpdatesAvailable() && !result.OnlyOptional();
        loop.quit();
    });
    check.Start(TUpdateAddress::ListUrl(TUpdateAddress::Base()), false);
    loop.exec();
    return available ? TUpdateNames::UpdatesAvailableExitCode : 0;
}

int TUpdaterProgram::RunWizard(const QStringList &arguments, QByteArrayView helperProgram)
{
    QApplication::setApplicationDisplayName(QStringLiteral("Talvex Studio Update"));
    TDialogPrompter dialogs;
    TPrompterScope scope(dialogs);
    TPrompter &prompter = TPrompter::instance();

    const QString folder = programFolder();
    TUpdaterInstance instance(TUpdaterInstance::DefaultFolder());
    if (!instance.Acquire()) {
        prompter.error(QStringLiteral("Es kann nur ein Instanz des Updaters zur selben Zeit ausgeführt werden."));
        return 1;
    }
    if (!QFileInfo(folder + TUpdateNames::Editor()).isFile()) {
        prompter.error(QStringLiteral("Fehler: %1 konnte nicht lokalisiert werden. Der Update Assistent muss sich im "
                                      "selben Verzeichnis befinden, wie die Datei %1.")
                           .arg(TUpdateNames::Editor()));
        return 1;
    }

    TUpdateWizardConfig config{TUpdateLayout::ForProgramFolder(folder),
                               TUpdateAddress::ListUrl(TUpdateAddress::Base()),
                               TPrivateFolder::UpdateFolder(),
                               QCoreApplication::applicationFilePath(),
                               QCoreApplication::applicationPid(),
                               helperProgram,
                               [&instance] { return instance.EditorRunning(); },
                               [](const QString &program) { QProcess::startDetached(program, {}); },
                               [](const QString &document) { QDesktopServices::openUrl(QUrl::fromLocalFile(document)); }};
    TUpdateWizard wizard(std::move(config), prompter);
    QObject::connect(&wizard, &TUpdateWizard::handedOver, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&wizard, &QDialog::finished, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    const QString mode = arguments.value(1);
    if (mode == TUpdateNames::FinishSwitch())
        wizard.ShowFinished(arguments.mid(2));
    else if (mode == TUpdateNames::DownloadSwitch())
        wizard.StartWithCheck();
    wizard.show();
    return QApplication::exec();
}
