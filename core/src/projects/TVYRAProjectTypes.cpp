#include "projects/TVYRAProjectTypes.h"

#include <array>

namespace {

const std::array<QString, 4> kItemTypeNames = {
    QStringLiteral("pitFile"), QStringLiteral("pitFolder"), QStringLiteral("pitSpecial"), QStringLiteral("pitUnknown")};

const std::array<QString, 3> kSyncModeNames = {
    QStringLiteral("sfmSynchronize"), QStringLiteral("sfmSynchronizeMoveFile"), QStringLiteral("sfmDontSynrchronize")};

} // namespace

QString ProjectItemTypeName(TVYRAProjectItemType type)
{
    const auto index = std::size_t(type);
    return index < kItemTypeNames.size() ? kItemTypeNames[index] : kItemTypeNames[pitUnknown];
}

TVYRAProjectItemType ProjectItemTypeFromName(const QString &name)
{
    const QString trimmed = name.trimmed();
    for (std::size_t i = 0; i < kItemTypeNames.size(); ++i) {
        if (trimmed.compare(kItemTypeNames[i], Qt::CaseInsensitive) == 0)
            return TVYRAProjectItemType(i);
    }
    return pitUnknown;
}

QString SyncFileModeName(TVYRASyncFileMode mode)
{
    const auto index = std::size_t(mode);
    return index < kSyncModeNames.size() ? kSyncModeNames[index] : kSyncModeNames[sfmDontSynrchronize];
}

TVYRASyncFileMode SyncFileModeFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool isNumber = false;
    const int ordinal = trimmed.toInt(&isNumber, 10);
    if (isNumber)
        return ordinal >= 0 && ordinal < int(kSyncModeNames.size()) ? TVYRASyncFileMode(ordinal) : sfmDontSynrchronize;
    for (std::size_t i = 0; i < kSyncModeNames.size(); ++i) {
        if (trimmed.compare(kSyncModeNames[i], Qt::CaseInsensitive) == 0)
            return TVYRASyncFileMode(i);
    }
    return sfmDontSynrchronize;
}
