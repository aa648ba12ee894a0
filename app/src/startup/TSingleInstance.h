#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <memory>

// Keeps one running editor per user. The first start takes a lock file and
// listens on a local socket in the user's private runtime folder; a later
// start hands its arguments over through that socket and ends. When no
// running instance answers within a bounded time, the later start goes on by
// itself so that no file is lost.
class TSingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        Primary,    // this process is the running instance and listens
        HandedOver, // another instance took the arguments; this process ends
        Standalone, // another instance holds the lock but did not answer
    };

    // folder: where the lock file and the socket live (private to the user).
    explicit TSingleInstance(const QString &folder, QObject *parent = nullptr);
    ~TSingleInstance() override;

    // The user's runtime folder ($XDG_RUNTIME_DIR or Qt's private fallback).
    static QString defaultFolder();

    // Settles the role; a later start hands `arguments` over, waiting at most
    // timeoutMs for a running instance to take them.
    Role start(const QStringList &arguments, int timeoutMs = 5000);

    // Arguments that arrived before anyone listened to argumentsReceived are
    // kept; the window takes them once it exists.
    QList<QStringList> takePending();
    void setReceiverReady(bool ready) { m_receiverReady = ready; }

    QString socketPath() const;

signals:
    void argumentsReceived(const QStringList &arguments);

private:
    bool becomePrimary();
    bool handOver(const QStringList &arguments, int timeoutMs);
    void acceptConnections();
    void readRequest(class QLocalSocket *socket);

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
    QList<QStringList> m_pending;
    bool m_receiverReady = false;
};
