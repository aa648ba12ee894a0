#pragma once

#include "structure/TCodeBrowserNode.h"

#include <QSet>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

// The code browser page: the tree of the active document's structure. A
// double click on a node with an offset asks to jump there.
class TCodeBrowserPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TCodeBrowserPanel(QWidget *parent = nullptr);

    // Replaces the tree in one update; nodes that were expanded before (by
    // caption path) stay expanded, the others show their first level.
    void ShowNodes(const QList<TCodeBrowserNode> &roots);
    void ShowMessage(const QString &text);
    QTreeWidget *Tree() const { return m_tree; }
    // The offset of the current node, -1 when none or a group.
    int CurrentOffset() const;

    static constexpr int OffsetRole = Qt::UserRole + 1;

signals:
    void jumpRequested(int offset);

private:
    void addNodes(QTreeWidgetItem *parent, const QList<TCodeBrowserNode> &nodes, const QString &path,
                  const QSet<QString> &expanded);

    QTreeWidget *const m_tree;
};
