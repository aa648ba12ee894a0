#include "THelperLauncher.h"

#include "TUpdateNames.h"

#include <QProcess>
#include <QSaveFile>

QString THelperLauncher::Launch(QByteArrayView helperProgram, const QString &updateFolder,
                                const QString &programFolder, qint64 assistantPid, const QString &assistantPath)
{
    const QString helper = updateFolder + TUpdateNames::WrittenHelper();
    QSaveFile file(helper);
    if (helperProgram.isEmpty() || !file.open(QIODevice::WriteOnly)
        || file.write(helperProgram.data(), helperProgram.size()) != helperProgram.size()
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)
        || !file.commit())
        return QStringLiteral("Das Aktualisierungsprogramm \"%1\" konnte nicht geschrieben werden: %2")
            .arg(helper, file.errorString());
    const QStringList arguments{TUpdateNames::HelperSwitch(), programFolder, QString::number(assistantPid),
                                assistantPath};
    if (!QProcess::startDetached(helper, arguments, updateFolder))
        return QStringLiteral("Das Aktualisierungsprogramm \"%1\" konnte nicht gestartet werden.").arg(helper);
    return {};
}
