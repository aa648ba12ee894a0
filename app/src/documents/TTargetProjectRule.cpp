#include "documents/TTargetProjectRule.h"

#include "documents/TVYRADataFile.h"
#include "documents/TVYRAFileType.h"
#include "projects/TVYRAProjectGroupList.h"

TVYRAProjectGroupItems *TTargetProjectRule::ActiveGroup(const TVYRAProjectGroupList *groups,
                                                        TVYRAProjectGroupItems *selected)
{
    if (!groups || groups->Count() == 0)
        return nullptr;
    if (groups->Count() == 1)
        return groups->Items(0);
    return selected && groups->IndexOf(selected) >= 0 ? selected : nullptr;
}

TVYRAProjectGroupItems *TTargetProjectRule::Target(VYRASettingsTypes::TFileOpenOption option,
                                                   TVYRAProjectGroupItems *active)
{
    return option == VYRASettingsTypes::fooAddToActive ? active : nullptr;
}

bool TTargetProjectRule::IsProjectGroupFile(const QString &fileName)
{
    const QString recognizer = TVYRAFileTypeRecognizers::get(ftProject);
    return !recognizer.isEmpty() && TVYRADataFile::GetFileType(fileName, false) == recognizer;
}
