#include "phpcheck/TPrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

TPrivateFolder::TPrivateFolder() = default;
TPrivateFolder::~TPrivateFolder() = default;

QString TPrivateFolder::Path()
{
    if (!m_dir) {
        m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/talvexstudio-XXXXXX"));
        if (!m_dir->isValid()) {
            m_dir.reset();
            return {};
        }
        QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return m_dir->path();
}

QString TPrivateFolder::WriteNew(const QString &stem, const QString &suffix, const QByteArray &content)
{
    const QString folder = Path();
    if (folder.isEmpty())
        return {};
    // QTemporaryFile creates its files with mode 0600.
    QTemporaryFile file(folder + u'/' + stem + QStringLiteral("XXXXXX") + suffix);
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    if (file.write(content) != content.size() || !file.flush()) {
        file.remove();
        return {};
    }
    return file.fileName();
}

bool TPrivateFolder::WriteNamed(const QString &name, const QByteArray &content)
{
    const QString folder = Path();
    if (folder.isEmpty())
        return false;
    QSaveFile file(folder + u'/' + name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(content);
    return file.commit() && QFile::setPermissions(file.fileName(), QFile::ReadOwner | QFile::WriteOwner);
}
