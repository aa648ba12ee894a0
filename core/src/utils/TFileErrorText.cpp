#include "utils/TFileErrorText.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

namespace {

QString openFailure(const QString &fileName)
{
    return QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden").arg(fileName);
}

QString saveFailure(const QString &fileName)
{
    return QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden").arg(fileName);
}

// A reason the file system shows follows the failure in one sentence; any
// other text (a system text, a reason found elsewhere) on a line of its own.
QString withFoundReason(const QString &failure, const QString &reason)
{
    return failure + QStringLiteral(": ") + reason;
}

QString withOtherReason(const QString &failure, const QString &reason)
{
    return reason.isEmpty() ? failure + QLatin1Char('.') : failure + QStringLiteral(".\n") + reason;
}

} // namespace

QString TFileErrorText::SystemText(const QString &text)
{
    return text.isEmpty() ? QString() : QStringLiteral("Systemmeldung: %1").arg(text);
}

QString TFileErrorText::withReason(const QString &failure, const QString &reason, const QFileDevice &file)
{
    if (!reason.isEmpty())
        return withFoundReason(failure, reason);
    return withOtherReason(failure, SystemText(file.errorString()));
}

QString TFileErrorText::openReason(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return QStringLiteral("Sie ist nicht vorhanden.");
    if (info.isDir())
        return QStringLiteral("Das ist ein Ordner, keine Datei.");
    if (!info.isReadable())
        return QStringLiteral("Es fehlt die Berechtigung zum Lesen.");
    return {};
}

QString TFileErrorText::SaveReason(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (info.isDir())
        return QStringLiteral("Unter diesem Namen gibt es einen Ordner.");
    // The nearest existing entry above the file shows why it has no folder.
    const QString parent = info.absolutePath();
    QString folder = parent;
    while (!QFileInfo::exists(folder)) {
        const QString up = QFileInfo(folder).absolutePath();
        if (up == folder)
            break;
        folder = up;
    }
    const QFileInfo above(folder);
    if (above.exists() && !above.isDir())
        return QStringLiteral("„%1“ ist kein Ordner.").arg(QDir::toNativeSeparators(folder));
    if (folder != parent)
        return QStringLiteral("Der Ordner „%1“ ist nicht vorhanden.").arg(QDir::toNativeSeparators(parent));
    if (info.exists() && !info.isWritable())
        return QStringLiteral("Es fehlt die Berechtigung zum Schreiben.");
    return {};
}

QString TFileErrorText::OpenFailed(const QString &fileName, const QFileDevice &file)
{
    return withReason(openFailure(fileName), openReason(fileName), file);
}

QString TFileErrorText::ReadFailed(const QString &fileName, const QFileDevice &file)
{
    return withReason(QStringLiteral("Die Datei „%1“ kann nicht gelesen werden").arg(fileName), QString(), file);
}

QString TFileErrorText::SaveFailed(const QString &fileName, const QFileDevice &file)
{
    return withReason(saveFailure(fileName), SaveReason(fileName), file);
}

QString TFileErrorText::SaveFailed(const QString &fileName)
{
    const QString reason = SaveReason(fileName);
    return reason.isEmpty() ? withOtherReason(saveFailure(fileName), QString())
                            : withFoundReason(saveFailure(fileName), reason);
}

QString TFileErrorText::SaveFailed(const QString &fileName, const QString &reason)
{
    return withOtherReason(saveFailure(fileName), reason);
}
