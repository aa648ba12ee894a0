#include "ciphers/TCryptThread.h"

#include "ciphers/TCustomCipher.h"

TCryptThread::TCryptThread(const QString &password, const QString &text, TFileAction action,
                           std::shared_ptr<TCustomCipher> cipher, const QByteArray &information, QObject *context,
                           Done done)
    : m_password(password)
    , m_text(text)
    , m_action(action)
    , m_cipher(std::move(cipher))
    , m_information(information)
{
    if (done && context)
        connect(this, &QThread::finished, context, [self = QPointer<TCryptThread>(this), done = std::move(done)] {
            if (self)
                done(*self);
        });
    start();
}

TCryptThread::~TCryptThread() { wait(); }

TCryptThread::Result TCryptThread::Run(const QString &password, const QString &text, TFileAction action,
                                       TCustomCipher *cipher, const QByteArray &information)
{
    Result result;
    if (action == faWipe)
        return result;
    if (!cipher) {
        result.status = TCipherResult::failure(VYRA_E_INVALIDARG, QStringLiteral("Keine Verschlüsselung gewählt."));
        return result;
    }
    if (action == faEnCrypt)
        result.status = cipher->EnCryptText(text, password, result.text, &result.information);
    else
        result.status = cipher->DeCryptText(text, password, information, result.text);
    if (!result.status)
        result.text.clear();
    return result;
}

void TCryptThread::run()
{
    try {
        m_result = Run(m_password, m_text, m_action, m_cipher.get(), m_information);
    } catch (...) {
        m_result = {};
        m_result.status = TCipherResult::failure(VYRA_E_FAIL, QStringLiteral("Unerwarteter Fehler bei der Verschlüsselung."));
    }
}
