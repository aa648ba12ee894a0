#pragma once

#include "filetypes/TShellAssociationStore.h"

#include <QStringList>

// Shell associations as the freedesktop.org specifications keep them for one
// user: a desktop entry per verb in <data>/applications, our own MIME types
// for extensions the system does not know in <data>/mime/packages, and the
// entries in the "Added Associations" of <config>/mimeapps.list. Nothing
// outside the user's folders is written, and no default application of
// another program is replaced: we only add ourselves to the choices.
class VYRA_EXPORT TXdgShellAssociationStore : public TShellAssociationStore
{
public:
    // Empty folders stand for $XDG_CONFIG_HOME and $XDG_DATA_HOME.
    explicit TXdgShellAssociationStore(QString programPath, QString configHome = {}, QString dataHome = {});

    bool Register(const TShellRegistration &registration) override;
    int RegisteredVerbs(const QString &extension, const QString &verbKey) const override;

    QString MimeAppsFile() const;
    QString ApplicationsDir() const;
    QString MimePackageFile(const QString &appId) const;
    // The MIME type used for an extension: ours when we defined one, else
    // the system's, else empty.
    QString MimeTypeFor(const QString &extension) const;

private:
    QString ownMimeType(const QString &extension) const;
    bool defineMimeType(const TShellRegistration &registration, const QString &mimeType) const;
    bool writeDesktopEntry(const QString &desktopId, const QString &name, const QString &verbKey,
                           const QString &mimeType, const QString &iconPath) const;
    bool addAssociation(const QString &mimeType, const QString &desktopId) const;
    QStringList associatedDesktopIds(const QString &mimeType) const;

    QString m_programPath;
    QString m_configHome;
    QString m_dataHome;
};
