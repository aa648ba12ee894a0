#include "startup/TSingleInstance.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr quint32 kRequestMagic = 0x54414C56; // "TALV"
constexpr quint16 kProtocolVersion = 1;
constexpr char kAccepted = 0;
constexpr qint64 kMaxRequestBytes = 16 * 1024 * 1024;

QByteArray encodeRequest(const QStringList &arguments)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << kRequestMagic << kProtocolVersion << arguments;
    QByteArray framed;
    QDataStream frame(&framed, QIODevice::WriteOnly);
    frame << quint32(payload.size());
    framed.append(payload);
    return framed;
}

bool decodeRequest(const QByteArray &payload, QStringList &arguments)
{
    QDataStream in(payload);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version >> arguments;
    return in.status() == QDataStream::Ok && magic == kRequestMagic && version == kProtocolVersion;
}

} // namespace

TSingleInstance::TSingleInstance(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
{
}

TSingleInstance::~TSingleInstance()
{
    if (m_server)
        m_server->close();
    if (m_lock)
        m_lock->unlock();
}

QString TSingleInstance::defaultFolder()
{
    // Never a fixed name in the shared /tmp: without a runtime folder of the
    // session, a folder in the user's own cache is used.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Talvex Studio");
}

QString TSingleInstance::socketPath() const
{
    return m_folder + QStringLiteral("/TalvexStudio.socket");
}

TSingleInstance::Role TSingleInstance::start(const QStringList &arguments, int timeoutMs)
{
    QDir().mkpath(m_folder);
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_lock = std::make_unique<QLockFile>(m_folder + QStringLiteral("/TalvexStudio.lock"));
    // A lock whose process has gone is taken over; a living holder never is.
    m_lock->setStaleLockTime(0);

    const QDeadlineTimer deadline(timeoutMs);
    do {
        if (m_lock->tryLock(0) && becomePrimary())
            return Role::Primary;
        if (handOver(arguments, int(std::max<qint64>(deadline.remainingTime(), 0))))
            return Role::HandedOver;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return Role::Standalone;
}

bool TSingleInstance::becomePrimary()
{
    QLocalServer::removeServer(socketPath()); // a socket left by a crashed instance
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socketPath())) {
        qWarning("Single instance: cannot listen on %s: %s", qPrintable(socketPath()),
                 qPrintable(m_server->errorString()));
        m_server.reset();
        m_lock->unlock();
        return false;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &TSingleInstance::acceptConnections);
    return true;
}

bool TSingleInstance::handOver(const QStringList &arguments, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(std::min(timeoutMs, 500)))
        return false;
    socket.write(encodeRequest(arguments));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    while (socket.bytesAvailable() < 1) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(std::max<qint64>(deadline.remainingTime(), 1))))
            return false;
    }
    char answer = 1;
    socket.getChar(&answer);
    return answer == kAccepted;
}

void TSingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        if (socket->bytesAvailable() > 0)
            readRequest(socket);
    }
}

void TSingleInstance::readRequest(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < qint64(sizeof(quint32)))
        return;
    QDataStream header(socket->peek(sizeof(quint32)));
    quint32 size = 0;
    header >> size;
    if (size > kMaxRequestBytes) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < qint64(sizeof(quint32) + size))
        return;
    socket->read(sizeof(quint32));
    QStringList arguments;
    if (!decodeRequest(socket->read(size), arguments)) {
        socket->abort();
        return;
    }
    if (m_receiverReady)
        emit argumentsReceived(arguments);
    else
        m_pending.append(arguments);
    socket->putChar(kAccepted);
    socket->flush();
}

QList<QStringList> TSingleInstance::takePending()
{
    return std::exchange(m_pending, {});
}
