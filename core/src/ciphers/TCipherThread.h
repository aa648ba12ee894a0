#pragma once

#include "ciphers/TCipherResult.h"
#include "ciphers/TFileAction.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QThread>
#include <memory>

class TCustomCipher;

// Enciphers or deciphers one stream into another in a worker thread. Created
// suspended: the caller connects finished() and calls start(). The two
// devices must stay untouched by other code until the thread has finished.
class VYRA_EXPORT TCipherThread final : public QThread
{
    Q_OBJECT
public:
    TCipherThread(const QString &password, QIODevice *source, QIODevice *destination, TFileAction action,
                  std::shared_ptr<TCustomCipher> cipher, const QByteArray &information = {},
                  QObject *parent = nullptr);
    ~TCipherThread() override;

    TFileAction Action() const { return m_action; }
    const TCipherResult &Status() const { return m_status; }
    // Enciphering: the cipher's information block for the result.
    const QByteArray &Information() const { return m_information; }

    // The same work in the calling thread.
    static TCipherResult Run(const QString &password, QIODevice *source, QIODevice *destination,
                             TFileAction action, TCustomCipher *cipher, QByteArray &information);

protected:
    void run() override;

private:
    QString m_password;
    QIODevice *m_source;
    QIODevice *m_destination;
    TFileAction m_action;
    std::shared_ptr<TCustomCipher> m_cipher;
    QByteArray m_information;
    TCipherResult m_status;
};
