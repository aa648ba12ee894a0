#include "mainwindow/TLayoutStore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
// A window state is a few kilobytes; anything far larger is not ours.
constexpr qint64 kMaximumSize = 1 << 20;
} // namespace

TLayoutStore::TLayoutStore(const QString &userDataDir)
    : m_fileName(QDir(userDataDir).filePath(QStringLiteral("layout.dat")))
{
}

QByteArray TLayoutStore::Load() const
{
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaximumSize)
        return {};
    return file.readAll();
}

QString TLayoutStore::Save(const QByteArray &state) const
{
    QSaveFile file(m_fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(state) == state.size() && file.commit())
        return {};
    return QStringLiteral("Die Fensteranordnung konnte nicht in der Datei \"%1\" gespeichert werden: %2")
        .arg(QDir::toNativeSeparators(m_fileName), file.errorString());
}
