#pragma once

#include <QTreeWidgetItem>

// One row of the project manager's file tree. Name, path and comment are set
// when the row is made; date, size and type are read from the disk only when
// the view first shows the row, so a large project opens without asking the
// disk about every file. The row keeps the path and kind of its item, never
// the item itself, so painting it is safe even after the item went away.
class TProjectFileRow : public QTreeWidgetItem
{
public:
    TProjectFileRow(const QStringList &texts, const QString &diskPath, bool folder);

    QVariant data(int column, int role) const override;

private:
    void readDisk() const;

    QString m_diskPath;
    bool m_folder;
    mutable bool m_read = false;
    mutable QString m_changed;
    mutable QString m_size;
    mutable QString m_type;
};
