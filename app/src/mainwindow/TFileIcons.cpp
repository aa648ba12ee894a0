#include "mainwindow/TFileIcons.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStyle>

QIcon TFileIcons::Application()
{
    const QIcon icon = QApplication::windowIcon();
    return icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_FileIcon) : icon;
}

QIcon TFileIcons::ForFile(const QString &fileName)
{
    if (fileName.isEmpty())
        return Application();
    const QFileInfo info(fileName);
    if (info.exists())
        return QFileIconProvider().icon(info);
    const QMimeType type = QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    const QIcon themed = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    return themed.isNull() ? QApplication::style()->standardIcon(QStyle::SP_FileIcon) : themed;
}
