#include "preview/TPHPBuiltinServer.h"

#include "phpcheck/TPrivateFolder.h"
#include "preview/TPreviewDecisions.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QMimeDatabase>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

const QString kTable = QStringLiteral("served.json");
const QString kRouter = QStringLiteral("router.php");
constexpr int kStartWaitMs = 5000;

quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

bool answers(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(100);
}

} // namespace

QByteArray TPHPBuiltinServer::RouterScript()
{
    return QByteArrayLiteral(R"(<?php
// Answers the documents whose editor text is not their file; all else as stored.
$table = json_decode((string)@file_get_contents(__DIR__ . '/served.json'), true);
$path = rawurldecode((string)parse_url($_SERVER['REQUEST_URI'], PHP_URL_PATH));
if (!is_array($table) || !isset($table[$path])) {
    return false;
}
$entry = $table[$path];
if ($entry['folder'] !== '' && is_dir($entry['folder'])) {
    chdir($entry['folder']);
}
if ($entry['php']) {
    include $entry['copy'];
    return true;
}
header('Content-Type: ' . $entry['type']);
readfile($entry['copy']);
return true;
)");
}

TPHPBuiltinServer::TPHPBuiltinServer(QString phpExecutable, TPrivateFolder &folder)
    : m_php(std::move(phpExecutable))
    , m_folder(folder)
{
}

TPHPBuiltinServer::~TPHPBuiltinServer()
{
    Stop();
}

bool TPHPBuiltinServer::IsRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

qint64 TPHPBuiltinServer::ProcessId() const
{
    return IsRunning() ? m_process->processId() : 0;
}

QString TPHPBuiltinServer::RootAddress() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_port);
}

void TPHPBuiltinServer::Stop()
{
    if (!m_process)
        return;
    m_process->terminate();
    if (!m_process->waitForFinished(2000)) {
        m_process->kill();
        m_process->waitForFinished(2000);
    }
    m_process.reset();
}

bool TPHPBuiltinServer::Start(const QString &root)
{
    if (IsRunning() && root == m_root)
        return true;
    Stop();
    m_error.clear();
    if (!QFileInfo(root).isDir()) {
        m_error = QStringLiteral("Der Ordner \"%1\" für den PHP-Webserver existiert nicht.").arg(root);
        return false;
    }
    if (!m_folder.WriteNamed(kRouter, RouterScript()) || !writeTable()) {
        m_error = QStringLiteral("Die Dateien für den PHP-Webserver konnten nicht angelegt werden.");
        return false;
    }
    // Another program may take the free port between the probe and php's start.
    for (int attempt = 0; attempt < 3; ++attempt)
        if (startOnce(root))
            return true;
    return false;
}

bool TPHPBuiltinServer::startOnce(const QString &root)
{
    m_port = freePort();
    if (m_port == 0) {
        m_error = QStringLiteral("Für den PHP-Webserver ist kein freier Port zu finden.");
        return false;
    }
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(m_php);
    m_process->setArguments({QStringLiteral("-S"), QStringLiteral("127.0.0.1:%1").arg(m_port), QStringLiteral("-t"),
                             root, m_folder.Path() + u'/' + kRouter});
    m_process->setWorkingDirectory(root);
    m_process->setStandardInputFile(QProcess::nullDevice());
    // Its request log is of no interest; an unread pipe would fill up.
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    m_process->start();
    if (!m_process->waitForStarted()) {
        m_error = QStringLiteral("PHP (%1) konnte nicht als Webserver gestartet werden: %2")
                      .arg(m_php, m_process->errorString());
        m_process.reset();
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kStartWaitMs) {
        if (m_process->state() != QProcess::Running)
            break;
        if (answers(m_port)) {
            m_root = root;
            return true;
        }
        QThread::msleep(20);
    }
    m_error = QStringLiteral("Der PHP-Webserver für \"%1\" hat nicht geantwortet.").arg(root);
    Stop();
    return false;
}

bool TPHPBuiltinServer::Serve(const QString &addressPath, const QString &text, const QString &workingFolder)
{
    QString &copy = m_copies[addressPath];
    if (copy.isEmpty())
        copy = m_folder.WriteNew(QStringLiteral("served"), QStringLiteral(".txt"), text.toUtf8());
    else if (!m_folder.WriteNamed(QFileInfo(copy).fileName(), text.toUtf8()))
        copy.clear();
    if (copy.isEmpty()) {
        m_copies.remove(addressPath);
        m_error = QStringLiteral("Der Text von \"%1\" konnte nicht für den PHP-Webserver abgelegt werden.")
                      .arg(addressPath);
        return false;
    }
    const bool php = TPreviewDecisions::IsPHPFile(addressPath);
    QString type = QMimeDatabase().mimeTypeForFile(addressPath, QMimeDatabase::MatchExtension).name();
    if (type.startsWith(QLatin1String("text/")))
        type += QStringLiteral("; charset=UTF-8");
    m_table.insert(addressPath, QJsonObject{{QStringLiteral("copy"), copy},
                                            {QStringLiteral("folder"), workingFolder},
                                            {QStringLiteral("php"), php},
                                            {QStringLiteral("type"), type}});
    return writeTable();
}

bool TPHPBuiltinServer::Unserve(const QString &addressPath)
{
    if (!m_table.contains(addressPath))
        return true;
    m_table.remove(addressPath);
    QFile::remove(m_copies.take(addressPath));
    return writeTable();
}

bool TPHPBuiltinServer::writeTable()
{
    return m_folder.WriteNamed(kTable, QJsonDocument(m_table).toJson(QJsonDocument::Compact));
}
