#include "THelperInstaller.h"

#include "TProcessWait.h"
#include "core/TUpdateNames.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QString withDelimiter(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

THelperInstaller::TArguments THelperInstaller::ParseArguments(const QStringList &arguments)
{
    TArguments parsed;
    if (arguments.size() < 4 || arguments[0] != TUpdateNames::HelperSwitch())
        return parsed;
    parsed.programFolder = withDelimiter(arguments[1]);
    parsed.assistantPid = arguments[2].toLongLong();
    parsed.assistantPath = arguments[3];
    parsed.valid = !arguments[1].isEmpty();
    return parsed;
}

THelperInstaller::THelperInstaller(QString updateFolder, QString helperFile)
    : m_folder(withDelimiter(std::move(updateFolder)))
    , m_helperFile(QFileInfo(helperFile).absoluteFilePath())
{
}

QString THelperInstaller::ReplaceFile(const QString &source, const QString &destination)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    const QFileInfo target(destination);
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return temporary.errorString();
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 read = in.read(buffer.data(), buffer.size());
        if (read < 0)
            return in.errorString();
        if (read == 0)
            break;
        if (temporary.write(buffer.constData(), read) != read)
            return temporary.errorString();
    }
    if (!temporary.flush() || ::fsync(temporary.handle()) != 0)
        return temporary.errorString();
    temporary.setPermissions(in.permissions());
    // rename(2) replaces the old file in one step; QFile::rename would refuse.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(destination).constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    temporary.setAutoRemove(false);
    return {};
}

void THelperInstaller::moveUnpackedFiles()
{
    QSettings ini(m_folder + TUpdateNames::DataIni(), QSettings::IniFormat);
    ini.beginGroup(TUpdateNames::DataIniSection());
    const QFileInfoList entries = QDir(m_folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (name.toLower() == TUpdateNames::Assistant().toLower() || entry.absoluteFilePath() == m_helperFile
            || name == TUpdateNames::DataIni())
            continue;
        const QString folder = ini.value(name).toString();
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            continue;
        const QString error = ReplaceFile(entry.absoluteFilePath(), withDelimiter(folder) + name);
        if (!error.isEmpty())
            m_failures << QStringLiteral("Die Aktualisierung von %1 konnte nicht durchgeführt werden, weil %1 nicht "
                                         "in das Zielverzeichnis verschoben konnte.\r\nDetails: %2")
                              .arg(name, error);
        QFile::remove(entry.absoluteFilePath());
    }
}

void THelperInstaller::replaceAssistant(const TArguments &arguments)
{
    const QString newAssistant = m_folder + TUpdateNames::Assistant();
    if (!QFileInfo(newAssistant).isFile())
        return;
    // The old assistant's file is replaced only after its process has ended.
    TProcessWait::WaitForEnd(arguments.assistantPid);
    QThread::msleep(100);
    const QString error = ReplaceFile(newAssistant, arguments.programFolder + TUpdateNames::Assistant());
    if (!error.isEmpty())
        m_failures << QStringLiteral("Die Aktualisierung des Updaters konnte nicht durchgeführt werden, weil der neue "
                                     "Updater nicht ins Zielverzeichnis kopiert konnte.\r\nDetails: %1")
                          .arg(error);
}

QStringList THelperInstaller::Run(const TArguments &arguments)
{
    m_failures.clear();
    moveUnpackedFiles();
    replaceAssistant(arguments);
    QFile::remove(m_folder + TUpdateNames::DataIni());
    QFile::remove(m_folder + TUpdateNames::Assistant());
    return m_failures;
}
