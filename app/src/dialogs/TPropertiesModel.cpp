#include "dialogs/TPropertiesModel.h"

#include "ciphers/TCipherList.h"
#include "ciphers/TCustomCipher.h"
#include "documents/TVYRADocument.h"
#include "snippets/TTextStatistics.h"
#include "ui/TPrompter.h"
#include "utils/FileUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

TPropertiesModel::TPropertiesModel(const TVYRADocument &document, const QString &text, const TCipherList *ciphers)
{
    const QString path = document.GetFileName();
    const bool exists = document.GetFileExists() && QFileInfo::exists(path);
    const QFileInfo info(path);
    m_fileName = info.fileName();
    m_folder = exists ? QDir::toNativeSeparators(info.absolutePath()) : QStringLiteral("Kein");
    m_fileType = FileTypeText(path, exists);
    m_size = exists ? FileSizeString(path) : FormatDiskSpace(0);
    m_statistics = Statistics(text);
    // Linux knows only the first two: not writable, and a name with a leading dot.
    m_attributes = {{QStringLiteral("Schreibgeschützt"), exists && !info.isWritable(), true},
                    {QStringLiteral("Versteckt"), exists && m_fileName.startsWith(QLatin1Char('.')), true},
                    {QStringLiteral("System"), false, false},
                    {QStringLiteral("Archiv"), false, false}};
    const std::shared_ptr<TCustomCipher> &own = document.GetCipher();
    m_cipherName = own ? own->GetName() : QString();
    if (m_cipherName.isEmpty())
        m_cipherName = QStringLiteral("Keine oder Unbekannt");
    m_password = document.HasPassword() ? QStringLiteral("Ja") : QStringLiteral("Nein");

    if (ciphers) {
        ciphers->ApplyCiphers(&m_cipherNames, false, &m_ciphers);
        for (int i = 0; i < int(m_ciphers.size()); ++i)
            if (own && (m_ciphers[size_t(i)] == own || m_ciphers[size_t(i)]->GetGUID() == own->GetGUID()))
                m_selected = i;
    } else if (own) {
        m_cipherNames = {own->GetName()};
        m_ciphers = {own};
        m_selected = 0;
    }
}

QString TPropertiesModel::Statistics(const QString &text)
{
    const TTextStatistics statistics(text);
    return statistics.WordCount == 1
               ? QStringLiteral("%1 Zeichen, %2 Wort").arg(statistics.CharCount).arg(statistics.WordCount)
               : QStringLiteral("%1 Zeichen, %2 Wörter").arg(statistics.CharCount).arg(statistics.WordCount);
}

QString TPropertiesModel::FileTypeText(const QString &fileName, bool fileExists)
{
    if (!fileExists)
        return QStringLiteral("Unbekannte Dateierweiterung");
    const QString suffix = QFileInfo(fileName).suffix();
    const QString name = QMimeDatabase().mimeTypeForFile(fileName).comment();
    return suffix.isEmpty() ? name : QStringLiteral("%1 (.%2)").arg(name, suffix);
}

QString TPropertiesModel::Caption(TMode mode) const
{
    const QString subject = mode == pmEncryption && m_selected >= 0 ? m_cipherNames.at(m_selected) : m_fileName;
    return QStringLiteral("Eigenschaften von %1").arg(subject);
}

std::optional<TPropertiesModel::TCipherInfo> TPropertiesModel::Cipher(int index) const
{
    if (index < 0 || index >= int(m_ciphers.size()) || !m_ciphers[size_t(index)]) {
        TPrompter::instance().error(QStringLiteral("Fehler: Die gewählte Verschlüsselung wurde nicht gefunden."));
        return std::nullopt;
    }
    const TCustomCipher &cipher = *m_ciphers[size_t(index)];
    TCipherInfo info;
    info.description = cipher.GetAdvDesc().isEmpty() ? cipher.GetShortDesc() : cipher.GetAdvDesc();
    info.developers = cipher.GetDevelopers().isEmpty() ? QStringLiteral("Unbekannt") : cipher.GetDevelopers();
    info.securityValue = cipher.GetSecurity();
    info.speedValue = cipher.GetSpeed();
    info.security = QStringLiteral("Sicherheit: %1 / 100").arg(info.securityValue);
    info.speed = QStringLiteral("Geschwindigkeit: %1 / 100").arg(info.speedValue);
    return info;
}
