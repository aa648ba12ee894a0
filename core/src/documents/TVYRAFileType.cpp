#include "documents/TVYRAFileType.h"

#include "utils/VYRAExceptions.h"

#include <QMutex>
#include <QMutexLocker>
#include <array>
#include <atomic>

namespace {

struct RecognizerTable {
    QMutex mutex;
    std::array<QString, TVYRAFileTypeCount> strings{
        QString(),
        QStringLiteral("Talvex Dokument"),
        QStringLiteral("Talvex Template"),
        QStringLiteral("talvexprojectgroup"),
        QStringLiteral("Talvex File"),
    };
};

RecognizerTable &table()
{
    static RecognizerTable instance;
    return instance;
}

std::atomic<bool> g_coreConstructed{false};

bool validIndex(TVYRAFileType fileType)
{
    return fileType >= ftDefault && fileType < TVYRAFileTypeCount;
}

} // namespace

QString TVYRAFileTypeRecognizers::get(TVYRAFileType fileType)
{
    if (!validIndex(fileType))
        return {};
    QMutexLocker lock(&table().mutex);
    return table().strings[fileType];
}

void TVYRAFileTypeRecognizers::set(TVYRAFileType fileType, const QString &value)
{
    if (g_coreConstructed.load())
        throw EVYRAInvalidOperation(QStringLiteral(
            "Identifikations-strings müssen gesetzt werden, bevor die erste Instanz von TVYRACore erzeugt wird."));
    if (fileType == ftDefault)
        throw EVYRAInvalidOperation(QStringLiteral(
            "Der Identifikations-string für den Standarddateityp 'ftDefault' darf nicht geändert werden."));
    if (!validIndex(fileType))
        throw EVYRAInvalidOperation(QStringLiteral("Unbekannter Dateityp %1.").arg(int(fileType)));
    QMutexLocker lock(&table().mutex);
    table().strings[fileType] = value;
}

void TVYRAFileTypeRecognizers::markCoreConstructed()
{
    g_coreConstructed.store(true);
}

bool TVYRAFileTypeRecognizers::coreConstructed()
{
    return g_coreConstructed.load();
}

TVYRAFileType TVYRAFileTypeRecognizers::recognize(const QString &identification)
{
    if (identification.isEmpty())
        return ftDefault;
    QMutexLocker lock(&table().mutex);
    for (int i = ftDocument; i < TVYRAFileTypeCount; ++i) {
        if (table().strings[i] == identification)
            return TVYRAFileType(i);
    }
    return ftDefault;
}
