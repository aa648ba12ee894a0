#include "TLoopbackHttpServer.h"

#include <QMetaObject>
#include <QTcpServer>
#include <QTcpSocket>

TLoopbackHttpServer::TLoopbackHttpServer()
{
    m_thread.start();
    auto *server = new QTcpServer;
    server->moveToThread(&m_thread);
    QMetaObject::invokeMethod(
        server,
        [this, server] {
            m_server = server;
            server->listen(QHostAddress::LocalHost, 0);
            m_port = server->serverPort();
            QObject::connect(server, &QTcpServer::newConnection, server, [this] {
                while (QTcpSocket *socket = m_server->nextPendingConnection())
                    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { handle(socket); });
            });
        },
        Qt::BlockingQueuedConnection);
}

TLoopbackHttpServer::~TLoopbackHttpServer()
{
    QMetaObject::invokeMethod(
        m_server, [this] { delete m_server; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

QString TLoopbackHttpServer::Base() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void TLoopbackHttpServer::Serve(const QString &path, const QByteArray &body)
{
    QMutexLocker lock(&m_mutex);
    m_routes[path] = TRoute{body, false, -1};
}

void TLoopbackHttpServer::Hang(const QString &path)
{
    QMutexLocker lock(&m_mutex);
    m_routes[path] = TRoute{{}, true, -1};
}

void TLoopbackHttpServer::StallAfter(const QString &path, const QByteArray &body, qint64 bytes)
{
    QMutexLocker lock(&m_mutex);
    m_routes[path] = TRoute{body, false, bytes};
}

int TLoopbackHttpServer::RequestCount(const QString &path) const
{
    QMutexLocker lock(&m_mutex);
    return m_requests.value(path);
}

void TLoopbackHttpServer::handle(QTcpSocket *socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = QString::fromLatin1(words.value(1));
    TRoute route;
    bool found = false;
    {
        QMutexLocker lock(&m_mutex);
        ++m_requests[path];
        found = m_routes.contains(path);
        route = m_routes.value(path);
    }
    if (route.hang)
        return;
    if (!found) {
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\nContent-Length: "
                  + QByteArray::number(route.body.size()) + "\r\n\r\n");
    if (route.stallAfter >= 0) {
        socket->write(route.body.left(route.stallAfter));
        return;
    }
    socket->write(route.body);
    socket->disconnectFromHost();
}
