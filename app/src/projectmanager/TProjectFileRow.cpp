#include "projectmanager/TProjectFileRow.h"

#include "projectmanager/TProjectFileTree.h"
#include "projectmanager/TProjectItemLabels.h"

#include <QFileInfo>

TProjectFileRow::TProjectFileRow(const QStringList &texts, const QString &diskPath, bool folder)
    : QTreeWidgetItem(texts)
    , m_diskPath(diskPath)
    , m_folder(folder)
{
}

QVariant TProjectFileRow::data(int column, int role) const
{
    const bool lazy = column == TProjectFileTree::colChanged || column == TProjectFileTree::colSize
        || column == TProjectFileTree::colType;
    if (!lazy || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QTreeWidgetItem::data(column, role);
    readDisk();
    if (column == TProjectFileTree::colChanged)
        return m_changed;
    return column == TProjectFileTree::colSize ? m_size : m_type;
}

void TProjectFileRow::readDisk() const
{
    if (m_read)
        return;
    m_read = true;
    const QFileInfo info(m_diskPath);
    m_changed = TProjectItemLabels::Changed(info.exists() ? info.lastModified() : QDateTime());
    m_size = m_folder ? QString() : TProjectItemLabels::FileSize(info);
    m_type = m_folder ? QStringLiteral("Dateiordner") : TProjectItemLabels::FileTypeName(m_diskPath);
}
