#include "panels/TThumbnailDelegate.h"

#include "panels/TThumbnailCache.h"

#include <QFileSystemModel>

TThumbnailDelegate::TThumbnailDelegate(const QFileSystemModel *model, TThumbnailCache *cache, QObject *parent)
    : QStyledItemDelegate(parent), m_model(model), m_cache(cache)
{
}

void TThumbnailDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!m_previews || index.column() != 0)
        return;
    const QPixmap preview = m_cache->Thumbnail(m_model->filePath(index));
    if (!preview.isNull()) {
        option->icon = QIcon(preview);
        option->features |= QStyleOptionViewItem::HasDecoration;
    }
}
