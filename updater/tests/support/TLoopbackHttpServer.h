#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QThread>
#include <memory>

class QTcpServer;

// A small HTTP server on 127.0.0.1 for the update tests, running in a thread
// of its own so that a test may block on a child process meanwhile. Each path
// answers with its body; a path can hang (no answer at all) or stall after a
// number of bytes (the connection stays open, nothing more comes).
class TLoopbackHttpServer
{
public:
    TLoopbackHttpServer();
    ~TLoopbackHttpServer();

    void Serve(const QString &path, const QByteArray &body);
    void Hang(const QString &path);
    void StallAfter(const QString &path, const QByteArray &body, qint64 bytes);

    quint16 Port() const { return m_port; }
    // "http://127.0.0.1:<port>"
    QString Base() const;
    int RequestCount(const QString &path) const;

private:
    struct TRoute {
        QByteArray body;
        bool hang = false;
        qint64 stallAfter = -1;
    };
    void handle(class QTcpSocket *socket);

    QThread m_thread;
    QTcpServer *m_server = nullptr;
    quint16 m_port = 0;
    mutable QMutex m_mutex;
    QHash<QString, TRoute> m_routes;
    QHash<QString, int> m_requests;
};
