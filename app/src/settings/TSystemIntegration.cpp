#include "settings/TSystemIntegration.h"

#include "filetypes/TShellAssociationStore.h"
#include "filetypes/TVYRAFileExtension.h"

QString TSystemIntegration::Register(const TVYRAFileExtension &pattern, TMode mode, const QString &iconPath,
                                     TShellAssociationStore &store)
{
    TVYRAFileExtension registration = pattern;
    if (!iconPath.isEmpty())
        registration.IconPath = iconPath;
    const bool ok = mode == OpenMode
        ? registration.RegisterExtension(etOpen, QString::fromLatin1(ProgramId), QString(), QString(), false, store)
        : registration.RegisterExtension(etEdit, QString::fromLatin1(ProgramId),
                                         QStringLiteral("Mit Talvex Studio bearbeiten"),
                                         QString::fromLatin1(EditVerb), false, store);
    if (ok)
        return {};
    return QStringLiteral("Die Dateierweiterung \"%1\" konnte nicht beim Desktop registriert werden.")
        .arg(pattern.ShellExtension());
}
