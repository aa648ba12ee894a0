#pragma once

#include "filetypes/TExtensionMode.h"
#include "vyra_export.h"

#include <QString>

class TShellAssociationStore;
class TVYRAExtensionGroup;

// One file-name pattern of a file type, normally "*." and the extension.
class VYRA_EXPORT TVYRAFileExtension
{
public:
    TVYRAFileExtension(QString identifier, QString iconPath = {}, QString description = {}, QString directory = {},
                       TVYRAExtensionGroup *group = nullptr, TExtensionMode registerMode = etNone);

    QString Identifier;
    QString IconPath; // empty: the group's icon
    QString Description;
    QString Directory;
    TVYRAExtensionGroup *Group = nullptr;
    TExtensionMode RegisterMode = etNone;

    // The extension as the shell knows it: the identifier without its leading "*".
    QString ShellExtension() const;

    // Announces the pattern to the desktop for the verbs Mode allows and the
    // pattern's RegisterMode permits. False when nothing could be written.
    bool RegisterExtension(TExtensionMode Mode, const QString &ProgIdPrefix, const QString &VerbCaption,
                           const QString &VerbKey, bool NoIcon, TShellAssociationStore &store) const;
    bool RegisterExtension(TExtensionMode Mode, const QString &ProgIdPrefix, const QString &VerbCaption,
                           const QString &VerbKey, bool NoIcon) const;
    // 0 none, 1 open, 2 the extra verb, 3 both.
    int IsExtensionsRegistred(const QString &VerbKey, const TShellAssociationStore &store) const;
    int IsExtensionsRegistred(const QString &VerbKey) const;
};
