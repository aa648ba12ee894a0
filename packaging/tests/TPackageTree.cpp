#include "TPackageTree.h"

#include <QDir>
#include <QProcess>

namespace {

// Runs a program to its end; returns its error output when it failed.
QString run(const QString &program, const QStringList &arguments, const QString &workingDirectory, int timeoutMs,
            QByteArray *output = nullptr)
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return QStringLiteral("%1 konnte nicht gestartet werden: %2").arg(program, process.errorString());
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return QStringLiteral("%1 endete nicht innerhalb von %2 s.").arg(program).arg(timeoutMs / 1000);
    }
    const QByteArray out = process.readAllStandardOutput();
    if (output)
        *output = out;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("%1 %2 ist fehlgeschlagen (Ende %3):\n%4\n%5")
            .arg(program, arguments.join(QLatin1Char(' ')))
            .arg(process.exitCode())
            .arg(QString::fromLocal8Bit(out), QString::fromLocal8Bit(process.readAllStandardError()));
    return {};
}

} // namespace

std::unique_ptr<TPackageTree> TPackageTree::Build(const QString &buildDir, QString &error)
{
    std::unique_ptr<TPackageTree> tree(new TPackageTree);
    if (!tree->m_folder.isValid()) {
        error = QStringLiteral("Kein temporärer Ordner für das Paket.");
        return nullptr;
    }
    // A folder of its own, so that a "make package" at the same time is not disturbed.
    const QString output = tree->m_folder.filePath(QStringLiteral("package"));
    error = run(QStringLiteral("cpack"),
                {QStringLiteral("--config"), QDir(buildDir).filePath(QStringLiteral("CPackConfig.cmake")),
                 QStringLiteral("-B"), output},
                buildDir, 240000);
    if (!error.isEmpty())
        return nullptr;
    const QStringList packages = QDir(output).entryList({QStringLiteral("*.deb")}, QDir::Files);
    if (packages.size() != 1) {
        error = QStringLiteral("cpack hat in %1 nicht genau ein Paket erzeugt: %2").arg(output, packages.join(", "));
        return nullptr;
    }
    tree->m_packageFile = QDir(output).filePath(packages.first());
    tree->m_root = tree->m_folder.filePath(QStringLiteral("root"));
    error = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), tree->m_packageFile, tree->m_root}, output, 60000);
    if (!error.isEmpty())
        return nullptr;
    return tree;
}

QString TPackageTree::Field(const QString &name) const
{
    QByteArray value;
    if (!run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_packageFile, name}, m_root, 30000, &value).isEmpty())
        return {};
    return QString::fromUtf8(value).trimmed();
}
