#include "TUpdateVersion.h"

#include "utils/VersionInfo.h"

#include <QStringList>
#include <array>
#include <optional>

namespace {

std::optional<std::array<quint64, 4>> parts(const QString &version)
{
    const QStringList texts = version.trimmed().split(QLatin1Char('.'));
    if (texts.size() > 4)
        return std::nullopt;
    std::array<quint64, 4> numbers{0, 0, 0, 0};
    for (int i = 0; i < texts.size(); ++i) {
        bool ok = false;
        numbers[size_t(i)] = texts[i].trimmed().toULongLong(&ok);
        if (!ok)
            return std::nullopt;
    }
    return numbers;
}

} // namespace

TVersionComparison CompareVersions(const QString &installed, const QString &listed)
{
    TVersionComparison result;
    if (installed.isEmpty() || listed.isEmpty()) {
        result.order = installed.isEmpty() == listed.isEmpty() ? TVersionOrder::Same
            : listed.isEmpty()                                 ? TVersionOrder::Older
                                                               : TVersionOrder::Newer;
        return result;
    }
    const auto own = parts(installed);
    const auto offered = parts(listed);
    if (!own || !offered) {
        result.error = QStringLiteral("Die Versionsnummer \"%1\" ist ungültig.").arg(own ? listed : installed);
        return result;
    }
    for (size_t i = 0; i < 4; ++i) {
        if ((*own)[i] != (*offered)[i]) {
            result.order = (*own)[i] < (*offered)[i] ? TVersionOrder::Newer : TVersionOrder::Older;
            return result;
        }
    }
    return result;
}

QString InstalledVersion(const QString &fileName)
{
    const std::optional<TVersionMarker> marker = ReadVersionMarker(fileName);
    return marker ? FormatVersion(marker->version, false) : QString();
}
