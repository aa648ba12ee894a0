#include "framework/TDamagedStoreRecovery.h"

#include "ui/TPrompter.h"

#include <QFile>
#include <QFileInfo>

void TDamagedStoreRecovery::SetAside(const QString &fileName, const EInvalidVYRAFormat &error)
{
    QString copy = fileName + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(copy) && n < 1000; ++n)
        copy = fileName + QStringLiteral(".damaged-%1").arg(n);
    if (QFileInfo::exists(copy) || !QFile::rename(fileName, copy))
        throw error;
    TPrompter::instance().information(
        QStringLiteral("Die Datei \"%1\" war beschädigt und wird neu angelegt. Die beschädigte Datei liegt "
                       "jetzt unter \"%2\".\n%3")
            .arg(fileName, copy, error.message()));
}
