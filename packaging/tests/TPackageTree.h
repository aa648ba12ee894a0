#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

// The Debian package built from a build tree with cpack and unpacked with
// "dpkg-deb -x" into a temporary root: what dpkg would put on the system,
// without touching the system.
class TPackageTree
{
public:
    // Builds the package; on failure returns null and says why in error.
    static std::unique_ptr<TPackageTree> Build(const QString &buildDir, QString &error);

    QString PackageFile() const { return m_packageFile; }
    QString Root() const { return m_root; }
    // Where an absolute path of the installed system lies in the temporary root.
    QString Installed(const QString &absolutePath) const { return m_root + absolutePath; }
    // A field of the package's control file ("Depends", "Version"...).
    QString Field(const QString &name) const;

private:
    TPackageTree() = default;

    QTemporaryDir m_folder;
    QString m_packageFile;
    QString m_root;
};
