#include "php/TPHPTypes.h"

TPHPVarVisibility VisibilityOf(QStringView text)
{
    for (size_t i = 0; i < VisibilityNames.size(); ++i)
        if (text.compare(QLatin1String(VisibilityNames[i]), Qt::CaseInsensitive) == 0)
            return TPHPVarVisibility(i);
    return vvPublic;
}

TPHPIncludeKind IncludeKindOf(QStringView keyword)
{
    if (keyword.compare(QLatin1String("include_once"), Qt::CaseInsensitive) == 0)
        return ikIncludeOnce;
    if (keyword.compare(QLatin1String("require"), Qt::CaseInsensitive) == 0)
        return ikRequire;
    if (keyword.compare(QLatin1String("require_once"), Qt::CaseInsensitive) == 0)
        return ikRequireOnce;
    return ikInclude;
}
