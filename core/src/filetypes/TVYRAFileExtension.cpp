#include "filetypes/TVYRAFileExtension.h"

#include "filetypes/TShellAssociationStore.h"
#include "filetypes/TVYRAExtensionGroup.h"

#include <QFileInfo>

TVYRAFileExtension::TVYRAFileExtension(QString identifier, QString iconPath, QString description, QString directory,
                                       TVYRAExtensionGroup *group, TExtensionMode registerMode)
    : Identifier(std::move(identifier))
    , IconPath(std::move(iconPath))
    , Description(std::move(description))
    , Directory(std::move(directory))
    , Group(group)
    , RegisterMode(registerMode)
{
}

QString TVYRAFileExtension::ShellExtension() const
{
    return Identifier.startsWith(QLatin1Char('*')) ? Identifier.mid(1) : Identifier;
}

bool TVYRAFileExtension::RegisterExtension(TExtensionMode Mode, const QString &ProgIdPrefix,
                                           const QString &VerbCaption, const QString &VerbKey, bool NoIcon,
                                           TShellAssociationStore &store) const
{
    TShellRegistration registration;
    registration.extension = ShellExtension();
    registration.appId = ProgIdPrefix;
    registration.description = Description.isEmpty() && Group ? Group->Name : Description;
    registration.open = (Mode == etOpen || Mode == etBoth) && (RegisterMode == etOpen || RegisterMode == etBoth);
    registration.edit = Mode == etEdit && (RegisterMode == etEdit || RegisterMode == etBoth);
    registration.verbKey = VerbKey;
    registration.verbCaption = VerbCaption;
    if (!NoIcon) {
        const QString icon = IconPath.isEmpty() && Group ? Group->IconPath : IconPath;
        if (!icon.isEmpty() && QFileInfo::exists(icon))
            registration.iconPath = icon;
    }
    if (!registration.open && !registration.edit)
        return false;
    return store.Register(registration);
}

bool TVYRAFileExtension::RegisterExtension(TExtensionMode Mode, const QString &ProgIdPrefix,
                                           const QString &VerbCaption, const QString &VerbKey, bool NoIcon) const
{
    return RegisterExtension(Mode, ProgIdPrefix, VerbCaption, VerbKey, NoIcon, TShellAssociationStore::instance());
}

int TVYRAFileExtension::IsExtensionsRegistred(const QString &VerbKey, const TShellAssociationStore &store) const
{
    return store.RegisteredVerbs(ShellExtension(), VerbKey);
}

int TVYRAFileExtension::IsExtensionsRegistred(const QString &VerbKey) const
{
    return IsExtensionsRegistred(VerbKey, TShellAssociationStore::instance());
}
