#pragma once

#include "ciphers/TCipherResult.h"
#include "ciphers/TFileAction.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QString>
#include <QPointer>
#include <QThread>
#include <functional>
#include <memory>

class TCustomCipher;

// Enciphers or deciphers one text in a worker thread, on its own copy of the
// text. Starts at once; done, when given, runs in the thread of context
// (the main thread) after the work has finished, unless context is gone by
// then. A failed operation has no text, never the input in its place.
class VYRA_EXPORT TCryptThread final : public QThread
{
    Q_OBJECT
public:
    struct Result {
        TCipherResult status;
        QString text;
        // Enciphering: the cipher's information block for this text.
        QByteArray information;
    };

    using Done = std::function<void(TCryptThread &)>;

    // information: for deciphering, the block stored with the text.
    TCryptThread(const QString &password, const QString &text, TFileAction action,
                 std::shared_ptr<TCustomCipher> cipher, const QByteArray &information = {},
                 QObject *context = nullptr, Done done = {});
    ~TCryptThread() override;

    TFileAction Action() const { return m_action; }
    // Valid once the thread has finished.
    const Result &GetResult() const { return m_result; }

    // The same work in the calling thread.
    static Result Run(const QString &password, const QString &text, TFileAction action, TCustomCipher *cipher,
                      const QByteArray &information);

protected:
    void run() override;

private:
    QString m_password;
    QString m_text;
    TFileAction m_action;
    std::shared_ptr<TCustomCipher> m_cipher;
    QByteArray m_information;
    Result m_result;
};
