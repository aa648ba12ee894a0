#include "tools/TVYRATool.h"

#include "ciphers/TCipherModule.h"
#include "tools/TToolCallBack.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <memory>

namespace {

using TCallDLL = void (*)(TVYRAToolCallBack);

bool hasFolderPart(const QString &fileName)
{
    return fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\'));
}

bool isWebAddress(const QString &fileName)
{
    const QUrl url(fileName);
    return url.isValid() && !url.isLocalFile() && url.scheme().size() > 1 && fileName.contains(QLatin1String("://"));
}

} // namespace

TVYRATool::TVYRATool(QString fileName, QString params, QString name)
    : FileName(std::move(fileName))
    , Params(std::move(params))
    , Name(std::move(name))
{
}

bool TVYRATool::IsModule() const
{
    return QFileInfo(FileName).suffix().toLower() == QLatin1String("so");
}

QStringList TVYRATool::Arguments() const
{
    return QProcess::splitCommand(Params);
}

QString TVYRATool::WorkingDirectory() const
{
    if (!hasFolderPart(FileName))
        return QDir::homePath();
    return QFileInfo(QDir::fromNativeSeparators(FileName)).absolutePath();
}

TOperationResult TVYRATool::failure(const QString &reason) const
{
    return TOperationResult::failure(
        QStringLiteral("Das Werkzeug \"%1\" (\"%2\") konnte nicht gestartet werden: %3").arg(Name, FileName, reason));
}

TOperationResult TVYRATool::Run() const
{
    if (FileName.trimmed().isEmpty())
        return failure(QStringLiteral("Es ist keine Datei angegeben."));
    if (IsModule())
        return RunDLL(&TToolCallBack::DLL_CallBack);
    if (isWebAddress(FileName))
        return openInDesktop();
    const QString path = QDir::fromNativeSeparators(FileName);
    if (!hasFolderPart(path)) {
        const QString program = QStandardPaths::findExecutable(path);
        if (!program.isEmpty())
            return runProgram(program);
    }
    const QFileInfo info(path);
    if (!info.exists())
        return failure(QStringLiteral("Die Datei wurde nicht gefunden."));
    if (info.isFile() && info.isExecutable())
        return runProgram(info.absoluteFilePath());
    return openInDesktop();
}

TOperationResult TVYRATool::runProgram(const QString &program) const
{
    const QString folder = WorkingDirectory();
    if (!QFileInfo(folder).isDir())
        return failure(QStringLiteral("Der Arbeitsordner \"%1\" existiert nicht.").arg(folder));
    QProcess process;
    process.setProgram(program);
    process.setArguments(Arguments());
    process.setWorkingDirectory(folder);
    if (!process.startDetached())
        return failure(QStringLiteral("Das Programm ließ sich nicht ausführen."));
    return TOperationResult::success();
}

TOperationResult TVYRATool::openInDesktop() const
{
    const QUrl url = isWebAddress(FileName) ? QUrl(FileName)
                                            : QUrl::fromLocalFile(QFileInfo(QDir::fromNativeSeparators(FileName))
                                                                      .absoluteFilePath());
    if (!QDesktopServices::openUrl(url))
        return failure(QStringLiteral("Kein Programm der Arbeitsumgebung kann die Datei öffnen."));
    return TOperationResult::success();
}

TOperationResult TVYRATool::RunDLL(TVYRAToolCallBack callBack) const
{
    const QString path = QDir::fromNativeSeparators(FileName);
    if (!QFileInfo(path).isFile())
        return failure(QStringLiteral("Die Datei wurde nicht gefunden."));
    QFunctionPointer entry = nullptr;
    QString error;
    // The module goes when the last reference to it does, at the end of this call.
    const std::shared_ptr<TCipherModule> module =
        TCipherModule::Open(path, "CallDLL", entry, error);
    if (!module || !entry)
        return failure(error);
    try {
        reinterpret_cast<TCallDLL>(entry)(callBack);
    } catch (...) {
        return failure(QStringLiteral("Das Modul hat mit einem Fehler abgebrochen."));
    }
    return TOperationResult::success();
}
