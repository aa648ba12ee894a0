#include "documents/ECipherNotInstalled.h"

namespace {

QString describe(const QString &fileName, const QString &cipherName, const QString &guidText)
{
    const QString cipher = cipherName.isEmpty() ? guidText : cipherName;
    const QString file = fileName.isEmpty() ? QStringLiteral("Das Dokument")
                                            : QStringLiteral("Das Dokument \"%1\"").arg(fileName);
    return QStringLiteral("%1 ist mit \"%2\" verschlüsselt. Diese Verschlüsselung ist nicht installiert; "
                          "das Dokument kann nicht geöffnet werden.")
        .arg(file, cipher);
}

} // namespace

ECipherNotInstalled::ECipherNotInstalled(const QString &fileName, const QString &cipherName, const QString &guidText)
    : EVYRAException(describe(fileName, cipherName, guidText))
    , m_cipherName(cipherName)
{
}
