// The update assistant: checks for, downloads and installs updates of the
// editor; started by the editor, by the user and by its helper.
#include "TEmbeddedHelper.h"
#include "TUpdaterProgram.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvorn"));
    QCoreApplication::setApplicationName(QStringLiteral("TalvexStudioUpdater"));
    // The silent check runs without a display connection: it can open no window.
    if (TUpdaterProgram::IsCheckMode(arguments)) {
        QCoreApplication app(argc, argv);
        return TUpdaterProgram::RunCheck();
    }
    QApplication app(argc, argv);
    return TUpdaterProgram::RunWizard(arguments, EmbeddedHelper());
}
