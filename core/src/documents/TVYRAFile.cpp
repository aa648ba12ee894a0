#include "documents/TVYRAFile.h"

#include "ciphers/TCipherThread.h"
#include "ciphers/TCustomCipher.h"
#include "documents/TPasswordVerifier.h"
#include "utils/VYRAExceptions.h"
#include "utils/Passwords.h"
#include "utils/StreamStrings.h"
#include "utils/TFileErrorText.h"
#include "utils/Windows1252.h"

#include <QBuffer>

TVYRAFile::TVYRAFile(const QString &fileName, const QString &fileVersion, TVYRASettings *settings,
                     TCipherList *ciphers, QWidget *parent, bool fileExists)
    : TVYRADataFile(fileName, fileVersion, settings, ciphers, parent, fileExists)
{
}

TVYRAFile::~TVYRAFile() = default;

void TVYRAFile::LoadFromStream(QIODevice &stream, QString &result)
{
    result.clear();
    const QString recognizer = ReadTextFromStream(stream);
    if (recognizer.isEmpty() || recognizer != TVYRAFileTypeRecognizers::get(ftDataFile))
        return;
    const QString version = ReadTextFromStream(stream);
    const QString extension = ReadTextFromStream(stream);
    const QString passwordHash = ReadTextFromStream(stream);
    const QString name = ReadTextFromStream(stream);
    const QString guidText = ReadTextFromStream(stream);
    auto cipher = FindStoredCipher(guidText, name, true);
    const QByteArray information = ReadStoredInformation(stream, cipher.get());
    const QByteArray payload = stream.readAll();

    SetFileTypeText(recognizer);
    SetFileVersion(version);
    SetSourceExtension(extension);
    AssignCipher(std::move(cipher));
    m_storedPasswordHash = passwordHash;
    m_information = information;
    m_cipherData = payload;
    m_plainData.clear();
    ++m_plainRevision;
    // The content belongs to the stored cipher and to a key we learn from Unlock.
    m_cipherDataOf = {GetCipher().get(), QString(), m_plainRevision, true};
    m_keyUnknown = true;
    result = version;
}

bool TVYRAFile::CheckPassword(const QString &key) const
{
    if (IsEmptyPassword(m_storedPasswordHash))
        return true;
    const QString normal = TPasswordVerifier::Normalise(key);
    return TPasswordVerifier::Verify(m_storedPasswordHash, normal)
        || m_storedPasswordHash.compare(normal, Qt::CaseInsensitive) == 0;
}

bool TVYRAFile::Unlock(const QString &key)
{
    if (!CheckPassword(key))
        return false;
    SetPassword(key);
    KeepVerifier(m_storedPasswordHash);
    if (m_keyUnknown) {
        m_cipherDataOf.key = GetPassword();
        m_keyUnknown = false;
    }
    return true;
}

bool TVYRAFile::IsCipherDataCurrent() const
{
    return m_cipherDataOf.valid && !m_keyUnknown && m_cipherDataOf.cipher == GetCipher().get()
        && m_cipherDataOf.key == GetPassword() && m_cipherDataOf.revision == m_plainRevision;
}

void TVYRAFile::MarkCipherDataCurrent()
{
    m_cipherDataOf = {GetCipher().get(), GetPassword(), m_plainRevision, true};
    m_keyUnknown = false;
}

TDocumentResult TVYRAFile::SaveToStream(QIODevice &stream, QString &result)
{
    result.clear();
    if (!IsCipherDataCurrent())
        return TDocumentResult::failure(
            QStringLiteral("Die Daten von \"%1\" wurden noch nicht mit \"%2\" und dem aktuellen Passwort verschlüsselt.")
                .arg(GetFileName(), GetCipher()->GetName()));
    const auto &cipher = GetCipher();
    const QList<StoredField> fields{
        {QStringLiteral("Kennung"), TVYRAFileTypeRecognizers::get(ftDataFile)},
        {QStringLiteral("Version"), GetFileVersion()},
        {QStringLiteral("Quellerweiterung"), SourceExtension()},
        {QStringLiteral("Passwort"), PasswordVerifier()},
        {QStringLiteral("Verschlüsselung"), cipher->GetName()},
        {QStringLiteral("Verschlüsselung"), cipher->GetGUIDText()},
    };
    const TDocumentResult written = WriteFields(stream, fields);
    if (!written)
        return written;
    if (stream.write(m_information) != m_information.size() || stream.write(m_cipherData) != m_cipherData.size())
        return TDocumentResult::failure(TFileErrorText::SystemText(stream.errorString()));
    SetFileTypeText(fields[0].second);
    m_storedPasswordHash = fields[3].second;
    result = GetFileVersion();
    return TDocumentResult::success();
}

TCipherResult TVYRAFile::Run(TFileAction action, const QByteArray &input, QByteArray &output,
                             QByteArray &information)
{
    QBuffer source;
    source.setData(input);
    source.open(QIODevice::ReadOnly);
    QBuffer target(&output);
    target.open(QIODevice::ReadWrite);
    return TCipherThread::Run(GetPassword(), &source, &target, action, GetCipher().get(), information);
}

TDocumentResult TVYRAFile::EnCrypt()
{
    QByteArray output;
    QByteArray information;
    const TCipherResult status = Run(faEnCrypt, m_plainData, output, information);
    if (!status)
        return TDocumentResult::failure(status.errorText);
    m_cipherData = output;
    m_information = information;
    MarkCipherDataCurrent();
    return TDocumentResult::success();
}

TDocumentResult TVYRAFile::DeCrypt()
{
    QByteArray output;
    QByteArray information = m_information;
    const TCipherResult status = Run(faDeCrypt, m_cipherData, output, information);
    if (!status)
        return TDocumentResult::failure(status.errorText);
    m_plainData = output;
    ++m_plainRevision;
    MarkCipherDataCurrent();
    return TDocumentResult::success();
}

bool TVYRAFile::PerformAction(TFileAction action, ActionDone done)
{
    if (action == faWipe || IsActionRunning())
        return false;
    // The worker gets its own buffers; the result is taken over in the main thread.
    auto *input = new QBuffer(this);
    input->setData(action == faEnCrypt ? m_plainData : m_cipherData);
    input->open(QIODevice::ReadOnly);
    auto *output = new QBuffer(this);
    output->open(QIODevice::ReadWrite);
    auto *thread = new TCipherThread(GetPassword(), input, output, action, GetCipher(), m_information, this);
    const quint64 revision = m_plainRevision;
    connect(thread, &QThread::finished, this, [=, this] {
        TDocumentResult result = thread->Status().ok ? TDocumentResult::success()
                                                     : TDocumentResult::failure(thread->Status().errorText);
        if (result && revision != m_plainRevision)
            result = TDocumentResult::failure(QStringLiteral("Die Daten wurden während der Verschlüsselung geändert."));
        if (result && action == faEnCrypt) {
            m_cipherData = output->data();
            m_information = thread->Information();
            MarkCipherDataCurrent();
        } else if (result) {
            m_plainData = output->data();
            ++m_plainRevision;
            MarkCipherDataCurrent();
        }
        thread->deleteLater();
        input->deleteLater();
        output->deleteLater();
        if (done)
            done(*this, result);
    });
    TrackWorker(thread);
    thread->start();
    return true;
}

void TVYRAFile::SetPlainData(const QByteArray &data)
{
    m_plainData = data;
    ++m_plainRevision;
}
