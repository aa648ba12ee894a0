#pragma once

#include <QListWidget>

class QAction;

// The special characters as one grid of cells, each inserting its character
// through its command. One widget for the whole table: a tool button per
// character (well over a thousand) made the window slow to build.
class TCharacterTable : public QListWidget
{
    Q_OBJECT
public:
    explicit TCharacterTable(QWidget *parent = nullptr);

    // A cell for the command, showing its caption with its hint as tooltip.
    void AddCharacter(QAction &action, const QString &cellName);
    QAction *ActionOf(const QListWidgetItem *item) const;

private:
    QList<QAction *> m_actions;
};
