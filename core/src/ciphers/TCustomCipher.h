#pragma once

#include "VYRACipherClass.h"
#include "ciphers/TCipherResult.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QIODevice>
#include <QMutex>
#include <QString>
#include <QUuid>
#include <atomic>
#include <memory>

class TCipherModule;
class TCustomCipherCollection;

// One cipher of the cipher list: the module object and where it came from.
// Every call into the module goes through this class, which holds the cipher
// for one caller at a time and catches whatever the module throws; a module
// that throws is reported and not called again.
class VYRA_EXPORT TCustomCipher
{
public:
    // An empty file name gives the built-in pass-through. Otherwise the
    // module's "LoadCipher" supplies the cipher; when that fails Cipher() is
    // nullptr and LoadError() tells why.
    explicit TCustomCipher(const QString &fileName);
    // One cipher of a collection module; takes over the reference to cipher.
    TCustomCipher(std::shared_ptr<TCustomCipherCollection> collection, TCipher *cipher);
    ~TCustomCipher();
    TCustomCipher(const TCustomCipher &) = delete;
    TCustomCipher &operator=(const TCustomCipher &) = delete;

    TCipher *Cipher() const { return m_cipher; }
    const std::shared_ptr<TCustomCipherCollection> &Collection() const { return m_collection; }
    QString FileName() const { return m_fileName; }
    QString LoadError() const { return m_loadError; }

    // Identity and descriptions, asked once when the cipher was loaded.
    QUuid GetGUID() const { return m_guid; }
    QString GetGUIDText() const;
    QString GetName() const { return m_name; }
    QString GetShortDesc() const { return m_shortDesc; }
    QString GetAdvDesc() const { return m_advDesc; }
    QString GetDevelopers() const { return m_developers; }
    int GetSecurity() const { return m_security; }
    int GetSpeed() const { return m_speed; }
    // The built-in pass-through (or a cipher with its GUID).
    bool IsNoCipher() const;
    // After the module threw: every further call fails.
    bool IsDisabled() const { return m_disabled.load(); }

    // Enciphers a text; information (when given) receives the information
    // block that belongs to this result.
    TCipherResult EnCryptText(const QString &text, const QString &password, QString &result,
                              QByteArray *information = nullptr);
    // Deciphers a text with the information block stored beside it.
    TCipherResult DeCryptText(const QString &text, const QString &password, const QByteArray &information,
                              QString &result);
    TCipherResult EnCryptFile(QIODevice &source, QIODevice &destination, const QString &password,
                              QByteArray *information = nullptr);
    TCipherResult DeCryptFile(QIODevice &source, QIODevice &destination, const QString &password,
                              const QByteArray &information);
    // Lets the cipher read its information block from a stored file at the
    // stream's position; information receives exactly the bytes it consumed.
    TCipherResult ReadInformation(QIODevice &stream, QByteArray &information);

    // The German text for a failed module call.
    static QString ErrorText(TVYRAResult code, const QString &cipherName);

private:
    bool Adopt(TCipher *cipher, bool builtIn);
    template <class Call>
    TCipherResult Guarded(Call &&call);
    TCipherResult ReplayInformation(const QByteArray &information);
    TCipherResult WriteInformation(QByteArray &information);

    std::shared_ptr<TCustomCipherCollection> m_collection;
    std::shared_ptr<TCipherModule> m_module;
    TCipher *m_cipher = nullptr;
    QString m_fileName;
    QString m_loadError;
    QUuid m_guid;
    QString m_name;
    QString m_shortDesc;
    QString m_advDesc;
    QString m_developers;
    int m_security = 0;
    int m_speed = 0;
    QMutex m_mutex;
    std::atomic<bool> m_disabled{false};
};
