#include "documents/TDocumentFilters.h"

#include "filetypes/TVYRAExtensions.h"
#include "highlighters/TIHighlighters.h"
#include "utils/WildCards.h"

#include <QFileInfo>

namespace {

const QString AllFiles = QStringLiteral("Alle Dateien (*.*)|*.*");

bool holdsPattern(const QString &patterns, const QString &pattern)
{
    const QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &item : list) {
        if (item.trimmed().compare(pattern, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QList<TDocumentFilters::TEntry> TDocumentFilters::Entries(const QString &filter)
{
    QList<TEntry> entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty())
            continue;
        entries.append({parts[i], parts[i + 1]});
    }
    return entries;
}

QString TDocumentFilters::Join(const QList<TEntry> &entries)
{
    QStringList parts;
    for (const TEntry &entry : entries)
        parts << entry.name << entry.patterns;
    return parts.join(QLatin1Char('|'));
}

QString TDocumentFilters::OpenFilter(const TVYRAExtensions *extensions)
{
    if (!extensions)
        return AllFiles;
    return extensions->GetFilterExtensionsEx(
        QStringLiteral("Alle unterstützten Formate|%s|%sAlle Dateien (*.*)|*.*"));
}

QString TDocumentFilters::SaveFilter(const TVYRAExtensions *extensions, const QString &projectPattern)
{
    const QString all = (extensions ? extensions->GetFilterExtensions() : QString()) + AllFiles;
    QList<TEntry> kept;
    for (const TEntry &entry : Entries(all)) {
        if (holdsPattern(entry.patterns, projectPattern) || holdsPattern(entry.patterns, QStringLiteral("*.jpg")))
            continue;
        kept.append(entry);
    }
    return Join(kept);
}

QString TDocumentFilters::FilterFor(const TVYRAExtensions *extensions, const QString &pattern, const QString &name)
{
    if (extensions) {
        for (const TEntry &entry : Entries(extensions->GetFilterExtensions())) {
            if (holdsPattern(entry.patterns, pattern))
                return Join({entry});
        }
    }
    return Join({{QStringLiteral("%1 (%2)").arg(name, pattern), pattern}});
}

int TDocumentFilters::FilterIndex(const QString &filter, const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const QList<TEntry> entries = Entries(filter);
    for (int i = 0; i < entries.size(); ++i) {
        if (MatchesFileMask(entries[i].patterns, name))
            return i + 1;
    }
    return -1;
}
