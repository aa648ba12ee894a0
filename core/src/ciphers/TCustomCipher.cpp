#include "ciphers/TCustomCipher.h"

#include "ciphers/CipherGuid.h"
#include "ciphers/TCipherModule.h"
#include "ciphers/TCipherStream.h"
#include "ciphers/TCipherStringOut.h"
#include "ciphers/TCustomCipherCollection.h"
#include "ciphers/TNoCipher.h"
#include "utils/Passwords.h"

#include <QBuffer>
#include <QMutexLocker>

namespace {

QString fromModule(const char16_t *text)
{
    return text ? QString::fromUtf16(text) : QString();
}

const char16_t *chars(const QString &text) { return reinterpret_cast<const char16_t *>(text.constData()); }

} // namespace

TCustomCipher::TCustomCipher(const QString &fileName)
    : m_fileName(fileName)
{
    if (fileName.isEmpty()) {
        Adopt(new TNoCipher, true);
        return;
    }
    QFunctionPointer entry = nullptr;
    m_module = TCipherModule::Open(fileName, "LoadCipher", entry, m_loadError);
    const auto load = reinterpret_cast<TVYRALoadCipherProc>(entry);
    if (m_module && !load) {
        // A module that loads but offers no cipher stands in the list as the pass-through.
        m_loadError.clear();
        Adopt(new TNoCipher, true);
        return;
    }
    if (!load)
        return;
    TCipher *cipher = nullptr;
    try {
        load(&cipher);
    } catch (...) {
        m_loadError = QStringLiteral("\"LoadCipher\" hat einen Ausnahmefehler ausgelöst.");
        return;
    }
    if (!cipher) {
        m_loadError = QStringLiteral("\"LoadCipher\" hat keine Verschlüsselung geliefert.");
        return;
    }
    Adopt(cipher, false);
}

TCustomCipher::TCustomCipher(std::shared_ptr<TCustomCipherCollection> collection, TCipher *cipher)
    : m_collection(std::move(collection))
{
    m_module = m_collection->Module();
    m_fileName = m_collection->FileName();
    if (!cipher) {
        m_loadError = QStringLiteral("Die Sammlung hat keine Verschlüsselung geliefert.");
        return;
    }
    Adopt(cipher, false);
}

TCustomCipher::~TCustomCipher()
{
    // The object first, then what it came from; the module goes last.
    if (m_cipher) {
        try {
            m_cipher->release();
        } catch (...) {
        }
    }
    m_collection.reset();
    m_module.reset();
}

// Asks the identity questions; a null GUID, a module posing as the
// pass-through, a foreign interface version or an exception refuse the cipher.
bool TCustomCipher::Adopt(TCipher *cipher, bool builtIn)
{
    try {
        void *probe = nullptr;
        if (cipher->queryInterface(IID_TCipher, &probe) != VYRA_S_OK || probe != cipher)
            throw QStringLiteral("Die Verschlüsselung unterstützt die Schnittstelle dieser Version nicht.");
        cipher->release();
        const QUuid guid = ToQUuid(cipher->GetGUID());
        if (guid.isNull() || (!builtIn && guid == TNoCipher::GetID()))
            throw QStringLiteral("Specified GUID is not valid. Cipher will not be loaded.");
        m_guid = guid;
        m_name = fromModule(cipher->GetName());
        m_shortDesc = fromModule(cipher->GetShortDesc());
        m_advDesc = fromModule(cipher->GetAdvDesc());
        m_developers = fromModule(cipher->GetDevelopers());
        m_security = cipher->GetSecurity();
        m_speed = cipher->GetSpeed();
    } catch (const QString &reason) {
        m_loadError = reason;
    } catch (...) {
        m_loadError = QStringLiteral("Die Verschlüsselung hat einen Ausnahmefehler ausgelöst.");
    }
    if (!m_loadError.isEmpty()) {
        try {
            cipher->release();
        } catch (...) {
        }
        return false;
    }
    m_cipher = cipher;
    return true;
}

QString TCustomCipher::GetGUIDText() const { return GuidToString(m_guid); }

bool TCustomCipher::IsNoCipher() const { return m_guid == TNoCipher::GetID(); }

QString TCustomCipher::ErrorText(TVYRAResult code, const QString &cipherName)
{
    switch (code) {
    case VYRA_E_AUTHENTICATION:
        return QStringLiteral("Das Passwort ist falsch, oder die verschlüsselten Daten wurden verändert.");
    case VYRA_E_FORMAT:
        return QStringLiteral("Die verschlüsselten Daten sind beschädigt oder unvollständig.");
    case VYRA_E_IO:
        return QStringLiteral("Die Daten konnten nicht vollständig gelesen oder geschrieben werden.");
    case VYRA_E_OUTOFMEMORY:
        return QStringLiteral("Für die Verschlüsselung steht nicht genügend Speicher zur Verfügung.");
    default:
        return QStringLiteral("Die Verschlüsselung \"%1\" meldet einen Fehler (%2).").arg(cipherName).arg(code);
    }
}

template <class Call>
TCipherResult TCustomCipher::Guarded(Call &&call)
{
    if (!m_cipher)
        return TCipherResult::failure(VYRA_E_FAIL,
                                      QStringLiteral("Die Verschlüsselung \"%1\" ist nicht geladen.").arg(m_name));
    if (m_disabled.load())
        return TCipherResult::failure(
            VYRA_E_FAIL, QStringLiteral("Die Verschlüsselung \"%1\" wurde nach einem Fehler abgeschaltet.").arg(m_name));
    try {
        const TVYRAResult code = call();
        if (code < 0)
            return TCipherResult::failure(code, ErrorText(code, m_name));
        return TCipherResult::success();
    } catch (...) {
        m_disabled.store(true);
        return TCipherResult::failure(
            VYRA_E_FAIL,
            QStringLiteral("Die Verschlüsselung \"%1\" hat einen Ausnahmefehler ausgelöst und wird nicht mehr verwendet.")
                .arg(m_name));
    }
}

TCipherResult TCustomCipher::WriteInformation(QByteArray &information)
{
    information.clear();
    QBuffer buffer(&information);
    buffer.open(QIODevice::WriteOnly);
    TCipherStream stream(buffer);
    return Guarded([&] { return m_cipher->WriteInformationToStream(stream); });
}

TCipherResult TCustomCipher::ReplayInformation(const QByteArray &information)
{
    QByteArray copy = information;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TCipherStream stream(buffer);
    return Guarded([&] { return m_cipher->ReadInformationFromStream(stream); });
}

TCipherResult TCustomCipher::EnCryptText(const QString &text, const QString &password, QString &result,
                                         QByteArray *information)
{
    QMutexLocker lock(&m_mutex);
    TCipherStringOut out;
    TCipherResult status = Guarded([&] {
        return m_cipher->EnCryptText(chars(text), size_t(text.size()), chars(password), size_t(password.size()), out);
    });
    if (status && information)
        status = WriteInformation(*information);
    if (status)
        result = out.text();
    return status;
}

TCipherResult TCustomCipher::DeCryptText(const QString &text, const QString &password,
                                         const QByteArray &information, QString &result)
{
    QMutexLocker lock(&m_mutex);
    TCipherResult status = ReplayInformation(information);
    TCipherStringOut out;
    if (status) {
        status = Guarded([&] {
            return m_cipher->DeCryptText(chars(text), size_t(text.size()), chars(password), size_t(password.size()),
                                         out);
        });
    }
    if (status)
        result = out.text();
    return status;
}

TCipherResult TCustomCipher::EnCryptFile(QIODevice &source, QIODevice &destination, const QString &password,
                                         QByteArray *information)
{
    QMutexLocker lock(&m_mutex);
    TCipherStream in(source);
    TCipherStream out(destination);
    TCipherResult status = Guarded(
        [&] { return m_cipher->EnCryptFile(in, out, chars(password), size_t(password.size())); });
    if (status && information)
        status = WriteInformation(*information);
    return status;
}

TCipherResult TCustomCipher::DeCryptFile(QIODevice &source, QIODevice &destination, const QString &password,
                                         const QByteArray &information)
{
    QMutexLocker lock(&m_mutex);
    TCipherResult status = ReplayInformation(information);
    if (!status)
        return status;
    TCipherStream in(source);
    TCipherStream out(destination);
    return Guarded([&] { return m_cipher->DeCryptFile(in, out, chars(password), size_t(password.size())); });
}

TCipherResult TCustomCipher::ReadInformation(QIODevice &stream, QByteArray &information)
{
    QMutexLocker lock(&m_mutex);
    information.clear();
    TCipherStream recorded(stream, &information);
    return Guarded([&] { return m_cipher->ReadInformationFromStream(recorded); });
}
