#include "panels/TExplorerFileFilter.h"

#include "filetypes/TVYRAExtensions.h"
#include "highlighters/TIHighlighters.h"

namespace {

bool isPlainExtensionPattern(const QString &identifier)
{
    if (!identifier.startsWith(QLatin1String("*.")) || identifier.size() < 3)
        return false;
    const QString extension = identifier.mid(2);
    for (const QChar c : extension) {
        if (c == QLatin1Char('.') || c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('['))
            return false;
    }
    return true;
}

} // namespace

QStringList TExplorerFileFilter::NameFilters(const TVYRAExtensions *extensions, bool showAllTypes)
{
    if (showAllTypes)
        return {};
    QStringList filters;
    if (extensions) {
        for (int g = 0; g < extensions->GetCount(); ++g) {
            const TVYRAExtensionGroup *group = extensions->GetGroup(g);
            for (int i = 0; i < group->GetCount(); ++i) {
                const QString identifier = group->GetItem(i)->Identifier.trimmed();
                if (isPlainExtensionPattern(identifier) && !filters.contains(identifier, Qt::CaseInsensitive))
                    filters << identifier;
            }
        }
    }
    // A file name never holds a slash.
    if (filters.isEmpty())
        filters << QStringLiteral("*/");
    return filters;
}
