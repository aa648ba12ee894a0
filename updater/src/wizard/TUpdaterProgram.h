#pragma once

#include <QByteArrayView>
#include <QStringList>

// The assistant's modes, chosen by the first argument: "-checkupdates" (no
// window; exit code 255 when updates are offered, 0 otherwise), the wizard
// ("-downloadupdates" starts with the check) and "-finish" after the helper.
class TUpdaterProgram
{
public:
    static bool IsCheckMode(const QStringList &arguments);

    // Needs a QCoreApplication; opens no window, asks nothing.
    static int RunCheck();
    // Needs a QApplication.
    static int RunWizard(const QStringList &arguments, QByteArrayView helperProgram);

private:
    static QString programFolder();
};
