#include "ciphers/TCipherThread.h"

#include "ciphers/TCustomCipher.h"

TCipherThread::TCipherThread(const QString &password, QIODevice *source, QIODevice *destination, TFileAction action,
                             std::shared_ptr<TCustomCipher> cipher, const QByteArray &information, QObject *parent)
    : QThread(parent)
    , m_password(password)
    , m_source(source)
    , m_destination(destination)
    , m_action(action)
    , m_cipher(std::move(cipher))
    , m_information(information)
{
}

TCipherThread::~TCipherThread() { wait(); }

TCipherResult TCipherThread::Run(const QString &password, QIODevice *source, QIODevice *destination,
                                 TFileAction action, TCustomCipher *cipher, QByteArray &information)
{
    if (action == faWipe || !cipher)
        return TCipherResult::success();
    if (!source || !destination)
        return TCipherResult::failure(VYRA_E_INVALIDARG, QStringLiteral("Keine Daten für die Verschlüsselung."));
    if (action == faEnCrypt)
        return cipher->EnCryptFile(*source, *destination, password, &information);
    return cipher->DeCryptFile(*source, *destination, password, information);
}

void TCipherThread::run()
{
    try {
        m_status = Run(m_password, m_source, m_destination, m_action, m_cipher.get(), m_information);
    } catch (...) {
        m_status = TCipherResult::failure(VYRA_E_FAIL, QStringLiteral("Unerwarteter Fehler bei der Verschlüsselung."));
    }
}
