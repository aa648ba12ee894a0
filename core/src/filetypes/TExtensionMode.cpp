#include "filetypes/TExtensionMode.h"

#include <array>

namespace {
const std::array<const char *, 4> ModeNames = {"etNone", "etOpen", "etEdit", "etBoth"};
const std::array<const char *, 2> GroupTypeNames = {"egtOfficial", "egtCustom"};
} // namespace

QString ExtensionModeName(TExtensionMode mode)
{
    return QString::fromLatin1(ModeNames.at(size_t(mode)));
}

TExtensionMode ExtensionModeFromName(const QString &name)
{
    for (size_t i = 0; i < ModeNames.size(); ++i) {
        if (name == QLatin1String(ModeNames[i]))
            return TExtensionMode(i);
    }
    return etNone;
}

QString ExtensionGroupTypeName(TVYRAExtensionGroupType type)
{
    return QString::fromLatin1(GroupTypeNames.at(size_t(type)));
}

TVYRAExtensionGroupType ExtensionGroupTypeFromName(const QString &name)
{
    return name == QLatin1String(GroupTypeNames[egtOfficial]) ? egtOfficial : egtCustom;
}
