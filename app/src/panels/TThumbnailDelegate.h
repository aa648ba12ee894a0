#pragma once

#include <QStyledItemDelegate>

class QFileSystemModel;
class TThumbnailCache;

// Draws picture files of the file list with their preview instead of their
// icon while previews are switched on.
class TThumbnailDelegate : public QStyledItemDelegate
{
public:
    TThumbnailDelegate(const QFileSystemModel *model, TThumbnailCache *cache, QObject *parent = nullptr);

    void SetPreviews(bool on) { m_previews = on; }
    bool Previews() const { return m_previews; }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    const QFileSystemModel *m_model;
    TThumbnailCache *m_cache;
    bool m_previews = false;
};
