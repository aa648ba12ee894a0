#include "documents/TVYRAFileHelper.h"

#include "ciphers/TCipherList.h"
#include "ciphers/TCustomCipher.h"
#include "documents/TPasswordVerifier.h"
#include "documents/TSafeFileWriter.h"
#include "documents/TVYRAFile.h"
#include "utils/TFileErrorText.h"
#include "utils/VYRAExceptions.h"
#include "settings/TVYRASettings.h"
#include "utils/VersionInfo.h"

#include <QFile>
#include <QFileInfo>

TVYRAFileHelper::TVYRAFileHelper(const QString &sourceFile, const QString &targetFile, const QString &password,
                                 TVYRASettings *settings, TCipherList *ciphers, bool switch1, bool switch2,
                                 OnDoneHandler onDone)
    : m_sourceFile(sourceFile)
    , m_targetFile(targetFile)
    , m_settings(settings)
    , m_ciphers(ciphers)
    , m_switch1(switch1)
    , m_switch2(switch2)
    , m_onDone(std::move(onDone))
    , m_file(NewFile())
{
    SetCipher(nullptr);
    m_keyValid = SetPassword(password);
}

// A running worker belongs to m_file, whose destruction waits for it.
TVYRAFileHelper::~TVYRAFileHelper() = default;

std::unique_ptr<TVYRAFile> TVYRAFileHelper::NewFile() const
{
    return std::make_unique<TVYRAFile>(m_sourceFile, GetVersion(), m_settings, m_ciphers, nullptr, true);
}

bool TVYRAFileHelper::SetPassword(const QString &password)
{
    const QString key = TPasswordVerifier::KeyOf(password);
    if (key.isEmpty())
        return false;
    m_key = key;
    m_keyValid = true;
    m_file->SetPassword(key);
    return true;
}

void TVYRAFileHelper::SetCipher(std::shared_ptr<TCustomCipher> cipher)
{
    if (!cipher)
        cipher = m_ciphers ? m_ciphers->NoCipher() : std::make_shared<TCustomCipher>(QString());
    m_cipher = std::move(cipher);
}

bool TVYRAFileHelper::AutoDetect() const { return m_settings && m_settings->Advanced()->AutoDetectFileType; }

bool TVYRAFileHelper::Refuse(const QString &text)
{
    m_lastResult = TDocumentResult::failure(text);
    return false;
}

bool TVYRAFileHelper::PerformAction()
{
    if (m_running)
        return Refuse(QStringLiteral("Für \"%1\" läuft bereits eine Aktion.").arg(m_sourceFile));
    if (m_action == faWipe)
        return Refuse(QStringLiteral("Diese Aktion wird für Dateien nicht unterstützt."));
    if (!m_keyValid)
        return Refuse(QStringLiteral("Das Passwort enthält ein Zeichen, das nicht gespeichert werden kann."));
    if (!QFileInfo(m_sourceFile).isFile())
        return Refuse(QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(m_sourceFile));
    m_file = NewFile();
    m_file->SetPassword(m_key);
    bool isDataFile = false;
    // A data file must always be read as one to be deciphered; when
    // enciphering, the setting decides whether it is taken apart first.
    if ((m_action == faDeCrypt || AutoDetect()) && !ReadSourceHeader(isDataFile))
        return false;
    if (m_action == faDeCrypt) {
        if (!isDataFile)
            return Refuse(QStringLiteral("Die Datei \"%1\" ist keine verschlüsselte Datendatei und kann nicht "
                                         "entschlüsselt werden.")
                              .arg(m_sourceFile));
        return StartDecipher(false);
    }
    return isDataFile ? StartDecipher(true) : StartEncipherPlain();
}

bool TVYRAFileHelper::ReadSourceHeader(bool &isDataFile)
{
    // Only a file that starts with the data-file recogniser is one; any
    // other content (a length field that makes no sense included) is not.
    isDataFile = TVYRADataFile::GetFileType(m_sourceFile, true) == TVYRAFileTypeRecognizers::get(ftDataFile);
    if (!isDataFile)
        return true;
    QString version;
    try {
        m_file->LoadFromFile(m_sourceFile, version);
    } catch (const EVYRAException &error) {
        return Refuse(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\n%2").arg(m_sourceFile, error.message()));
    }
    if (version.isEmpty())
        return Refuse(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(m_sourceFile));
    if (!m_file->Unlock(m_key))
        return Refuse(QStringLiteral("Das Passwort für \"%1\" ist falsch.").arg(m_sourceFile));
    return true;
}

bool TVYRAFileHelper::StartDecipher(bool reEncipher)
{
    return Start(faDeCrypt, [this, reEncipher](const TDocumentResult &deciphered) {
        if (!deciphered) {
            Done(deciphered);
        } else if (!reEncipher) {
            Done(TSafeFileWriter::Write(m_targetFile, m_file->PlainData()));
        } else {
            m_file->AssignCipher(m_cipher);
            if (!Start(faEnCrypt, [this](const TDocumentResult &enciphered) {
                    QString version;
                    Done(enciphered ? m_file->SaveToFile(m_targetFile, version) : enciphered);
                }))
                Done(m_lastResult);
        }
    });
}

bool TVYRAFileHelper::StartEncipherPlain()
{
    QFile source(m_sourceFile);
    if (!source.open(QIODevice::ReadOnly))
        return Refuse(TFileErrorText::OpenFailed(m_sourceFile, source));
    const QByteArray content = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return Refuse(TFileErrorText::ReadFailed(m_sourceFile, source));
    const QString suffix = QFileInfo(m_sourceFile).suffix();
    m_file->SetSourceExtension(suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    m_file->SetPlainData(content);
    m_file->AssignCipher(m_cipher);
    return Start(faEnCrypt, [this](const TDocumentResult &enciphered) {
        QString version;
        Done(enciphered ? m_file->SaveToFile(m_targetFile, version) : enciphered);
    });
}

bool TVYRAFileHelper::Start(TFileAction action, const std::function<void(const TDocumentResult &)> &next)
{
    if (!m_file->PerformAction(action, [next](TVYRADataFile &, const TDocumentResult &result) { next(result); }))
        return Refuse(QStringLiteral("Die Verschlüsselung von \"%1\" konnte nicht gestartet werden.").arg(m_sourceFile));
    m_running = true;
    m_lastResult = TDocumentResult::success();
    return true;
}

void TVYRAFileHelper::Done(const TDocumentResult &result)
{
    m_running = false;
    m_lastResult = result;
    // The data go with the old file object, which is still executing this
    // completion; the callback may even delete this helper.
    m_file.release()->deleteLater();
    m_file = NewFile();
    m_file->SetPassword(m_key);
    const OnDoneHandler done = m_onDone;
    if (done)
        done(*this, result);
}
