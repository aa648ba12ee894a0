#include "projects/TTalvexStudioToDoPriority.h"

#include <array>

namespace {

constexpr std::array<const char *, 7> PriorityNames = {
    "tdpLowest", "tdpLower", "tdpLow", "tdpMedium", "tdpHigh", "tdpHigher", "tdpHighest",
};

} // namespace

QString ToDoPriorityName(TTalvexStudioToDoPriority priority)
{
    const int index = int(priority);
    if (index < 0 || index >= int(PriorityNames.size()))
        return {};
    return QString::fromLatin1(PriorityNames[size_t(index)]);
}

std::optional<TTalvexStudioToDoPriority> ToDoPriorityFromName(const QString &name)
{
    for (size_t i = 0; i < PriorityNames.size(); ++i) {
        if (name == QLatin1String(PriorityNames[i]))
            return TTalvexStudioToDoPriority(i);
    }
    return std::nullopt;
}
