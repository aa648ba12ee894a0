#include "documents/TVYRADocument.h"

#include "ciphers/TCustomCipher.h"
#include "documents/TPasswordVerifier.h"
#include "utils/VYRAExceptions.h"
#include "utils/Passwords.h"
#include "utils/StreamStrings.h"
#include "utils/TFileErrorText.h"
#include "utils/Windows1252.h"

#include <QBuffer>

TVYRADocument::TVYRADocument(const QString &fileName, const QString &fileVersion, TVYRASettings *settings,
                             TCipherList *ciphers, QWidget *parent, bool fileExists)
    : TVYRADataFile(fileName, fileVersion, settings, ciphers, parent, fileExists)
{
}

TVYRADocument::~TVYRADocument() = default;

void TVYRADocument::LoadFromStream(QIODevice &stream, QString &result)
{
    result.clear();
    const QString recognizer = ReadTextFromStream(stream);
    if (recognizer.isEmpty() || recognizer != TVYRAFileTypeRecognizers::get(ftDocument))
        throw EInvalidVYRAFormat(QStringLiteral("Datenstrom enthält keine VYRA kompatible Datei."));
    const QString version = ReadTextFromStream(stream);
    const QString extension = ReadTextFromStream(stream);
    const QString guidText = ReadTextFromStream(stream);
    const QString name = ReadTextFromStream(stream);
    const QString passwordHash = ReadTextFromStream(stream);
    const QString checksum = ReadTextFromStream(stream);
    auto cipher = FindStoredCipher(guidText, name, false);
    const QByteArray information = ReadStoredInformation(stream, cipher.get());
    const QString encrypted = fromWindows1252(ReadStringFromStream(stream));

    SetFileTypeText(recognizer);
    SetFileVersion(version);
    SetSourceExtension(extension);
    AssignCipher(std::move(cipher));
    m_storedGuidText = guidText;
    m_storedPasswordHash = passwordHash;
    m_storedChecksum = checksum;
    m_information = information;
    m_encryptedText = encrypted;
    m_uncryptedText.clear();
    m_plainKnown = false;
    m_cipherTextOf.valid = false;
    result = checksum;
    Changed(false);
}

bool TVYRADocument::IsCipherTextCurrent() const
{
    return m_cipherTextOf.valid && m_cipherTextOf.cipher == GetCipher().get() && m_cipherTextOf.key == GetPassword()
        && m_cipherTextOf.revision == m_textRevision;
}

TDocumentResult TVYRADocument::SaveToStream(QIODevice &stream, QString &result)
{
    result.clear();
    if (!IsCipherTextCurrent()) {
        const TDocumentResult enciphered = EnCrypt();
        if (!enciphered)
            return enciphered;
    }
    const auto &cipher = GetCipher();
    const QString guidText = cipher->GetGUIDText();
    const QString checksum = CreateChecksum(guidText, cipher->GetName(), m_encryptedText);
    const QList<StoredField> fields{
        {QStringLiteral("Kennung"), TVYRAFileTypeRecognizers::get(ftDocument)},
        {QStringLiteral("Version"), GetFileVersion()},
        {QStringLiteral("Quellerweiterung"), SourceExtension()},
        {QStringLiteral("Verschlüsselung"), guidText},
        {QStringLiteral("Verschlüsselung"), cipher->GetName()},
        {QStringLiteral("Passwort"), PasswordVerifier()},
        {QStringLiteral("Prüfsumme"), checksum},
    };
    bool encodable = false;
    const QByteArray text = toWindows1252(m_encryptedText, &encodable);
    if (!encodable)
        return TDocumentResult::failure(FieldError(QStringLiteral("Text"), m_encryptedText));
    const TDocumentResult written = WriteFields(stream, fields);
    if (!written)
        return written;
    if (stream.write(m_information) != m_information.size())
        return TDocumentResult::failure(TFileErrorText::SystemText(stream.errorString()));
    try {
        WriteStringToStream(stream, text);
    } catch (const EStreamWriteError &error) {
        return TDocumentResult::failure(error.message());
    }
    SetFileTypeText(fields[0].second);
    m_storedGuidText = guidText;
    m_storedChecksum = checksum;
    m_storedPasswordHash = fields[5].second;
    result = checksum;
    Changed(false);
    return TDocumentResult::success();
}

bool TVYRADocument::NeedsPassword() const { return !IsEmptyPassword(m_storedPasswordHash); }

bool TVYRADocument::CheckPassword(const QString &key) const
{
    if (!NeedsPassword())
        return true;
    return TPasswordVerifier::Verify(m_storedPasswordHash, key);
}

bool TVYRADocument::IsChecksumValid() const
{
    const QString guidText = m_storedGuidText.isEmpty() ? GetCipher()->GetGUIDText() : m_storedGuidText;
    const QString actual = CreateChecksum(guidText, GetCipher()->GetName(), m_encryptedText);
    return !actual.isEmpty() && actual.compare(m_storedChecksum, Qt::CaseInsensitive) == 0;
}

TOpenResult TVYRADocument::OpenStored(const PasswordRequest &askPassword, const BadFileQuestion &continueBadFile)
{
    const TOpenResult prepared = PrepareStored(askPassword, continueBadFile);
    if (prepared.outcome != TOpenOutcome::Success)
        return prepared;
    const TDocumentResult deciphered = DeCrypt();
    if (!deciphered)
        return {TOpenOutcome::Failed, deciphered.errorText};
    return {};
}

TOpenResult TVYRADocument::PrepareStored(const PasswordRequest &askPassword, const BadFileQuestion &continueBadFile)
{
    m_plainText = false;
    QString key;
    if (NeedsPassword()) {
        const std::optional<QString> answer = askPassword ? askPassword(*this) : std::nullopt;
        if (!answer)
            return {TOpenOutcome::Cancelled, {}};
        key = TPasswordVerifier::Normalise(*answer);
        if (!CheckPassword(key))
            return {TOpenOutcome::WrongPassword,
                    QStringLiteral("Das Passwort für \"%1\" ist falsch.").arg(GetFileName())};
    }
    SetPassword(key);
    KeepVerifier(m_storedPasswordHash);
    if (!IsChecksumValid() && !(continueBadFile && continueBadFile(*this)))
        return {TOpenOutcome::BadFile,
                QStringLiteral("Die Prüfsumme von \"%1\" stimmt nicht; die Datei wurde verändert.").arg(GetFileName())};
    return {};
}

TDocumentResult TVYRADocument::ApplyCryptResult(TFileAction action, const TCryptThread::Result &result)
{
    if (!result.status)
        return TDocumentResult::failure(result.status.errorText);
    const QString key = GetPassword();
    if (action == faEnCrypt) {
        m_encryptedText = result.text;
        m_information = result.information;
    } else {
        m_uncryptedText = result.text;
        m_plainKnown = true;
        ++m_textRevision;
        m_modified = false;
        emit textChanged(false);
    }
    m_cipherTextOf = {GetCipher().get(), key, m_textRevision, true};
    return TDocumentResult::success();
}

TDocumentResult TVYRADocument::EnCrypt()
{
    if (!m_plainKnown)
        return TDocumentResult::failure(
            QStringLiteral("Das Dokument \"%1\" ist noch nicht entschlüsselt und kann nicht gespeichert werden.")
                .arg(GetFileName()));
    m_lastAction = faEnCrypt;
    return ApplyCryptResult(faEnCrypt, TCryptThread::Run(GetPassword(), m_uncryptedText, faEnCrypt,
                                                         GetCipher().get(), {}));
}

TDocumentResult TVYRADocument::DeCrypt()
{
    m_lastAction = faDeCrypt;
    return ApplyCryptResult(faDeCrypt, TCryptThread::Run(GetPassword(), m_encryptedText, faDeCrypt,
                                                         GetCipher().get(), m_information));
}

bool TVYRADocument::PerformAction(TFileAction action, ActionDone done)
{
    if (action == faWipe || IsActionRunning() || (action == faEnCrypt && !m_plainKnown))
        return false;
    m_lastAction = action;
    const QString input = action == faEnCrypt ? m_uncryptedText : m_encryptedText;
    const quint64 revision = m_textRevision;
    auto *thread = new TCryptThread(GetPassword(), input, action, GetCipher(), m_information, this,
                                    [this, action, revision, done](TCryptThread &worker) {
                                        TDocumentResult applied;
                                        if (action == faEnCrypt && revision != m_textRevision)
                                            applied = TDocumentResult::failure(QStringLiteral(
                                                "Der Text wurde während der Verschlüsselung geändert."));
                                        else
                                            applied = ApplyCryptResult(action, worker.GetResult());
                                        worker.deleteLater();
                                        if (done)
                                            done(*this, applied);
                                    });
    thread->setParent(this);
    TrackWorker(thread);
    return true;
}

TDocumentResult TVYRADocument::LoadFromTextFile(const QString &fileName)
{
    TTextFile file;
    const TDocumentResult loaded = TTextFile::Load(fileName, file);
    if (!loaded)
        return loaded;
    m_textFormat = file;
    m_textFormat.text.clear();
    SetFileTypeText(QString());
    m_plainKnown = true;
    m_uncryptedText = file.text;
    ++m_textRevision;
    Changed(false);
    return loaded;
}

TDocumentResult TVYRADocument::SaveToTextFile(const QString &fileName)
{
    TTextFile file = m_textFormat;
    file.text = m_uncryptedText;
    const TDocumentResult saved = file.Save(fileName);
    if (saved) {
        SetFileTypeText(QString());
        Changed(false);
    }
    return saved;
}

void TVYRADocument::SetUncText(const QString &text)
{
    m_uncryptedText = text;
    m_plainKnown = true;
    ++m_textRevision;
    Changed(true);
}

void TVYRADocument::SetEncText(const QString &text)
{
    m_encryptedText = text;
    m_cipherTextOf.valid = false;
    Changed(true);
}

void TVYRADocument::SetModified(bool state) { m_modified = state; }

void TVYRADocument::Changed(bool state)
{
    m_modified = state;
    emit textChanged(m_modified);
}

void TVYRADocument::Assign(const TVYRADataFile &other)
{
    TVYRADataFile::Assign(other);
    const auto *document = qobject_cast<const TVYRADocument *>(&other);
    if (!document)
        return;
    m_lastAction = document->m_lastAction;
    m_modified = document->m_modified;
    m_uncryptedText = document->m_uncryptedText;
    m_encryptedText = document->m_encryptedText;
    m_information = document->m_information;
    m_storedPasswordHash = document->m_storedPasswordHash;
    m_storedChecksum = document->m_storedChecksum;
    m_storedGuidText = document->m_storedGuidText;
    m_plainKnown = document->m_plainKnown;
    m_editorMode = document->m_editorMode;
    m_plainText = document->m_plainText;
    m_textFormat = document->m_textFormat;
    m_cipherTextOf.valid = false;
}
