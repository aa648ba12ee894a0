// The update helper: moves the files the assistant has downloaded into place
// while the assistant is not running, then starts it again to show the result.
#include "THelperInstaller.h"
#include "core/TUpdateNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const THelperInstaller::TArguments arguments = THelperInstaller::ParseArguments(app.arguments().mid(1));
    if (!arguments.valid)
        return 0;
    THelperInstaller installer(QCoreApplication::applicationDirPath(), QCoreApplication::applicationFilePath());
    const QStringList failures = installer.Run(arguments);
    // The assistant shows the result; each failure follows "-finish" as one argument.
    QProcess::startDetached(arguments.assistantPath, QStringList{TUpdateNames::FinishSwitch()} + failures);
    // A running program's file can go on Linux; the assistant's finishing run removes the folder anyway.
    QFile::remove(QCoreApplication::applicationFilePath());
    return failures.isEmpty() ? 0 : 1;
}
