#pragma once

#include "propertygrid/TPropertyGridItem.h"

#include <QList>
#include <QTreeWidget>

class TPropertyGridDelegate;

// A two-column grid of named values, each edited by the editor of its
// kind. An edit that ends with Enter, or by leaving the row with a changed
// value, is reported through valueCommitted; Boolean rows report "True"
// or "False".
class TPropertyGrid : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TPropertyGrid(QWidget *parent = nullptr);

    void SetItems(const QList<TPropertyGridItem> &items);
    const QList<TPropertyGridItem> &Items() const { return m_items; }
    // The row of that name, nullptr when none.
    QTreeWidgetItem *Row(const QString &name) const;
    // Starts editing the value of that row; false without such a row.
    bool EditValue(const QString &name);

    static constexpr int KindRole = Qt::UserRole + 1;
    static constexpr int ChoicesRole = Qt::UserRole + 2;
    static constexpr int TrueTextRole = Qt::UserRole + 3;

signals:
    void editingStarted(const QString &name);
    void valueCommitted(const QString &name, const QString &value);

private:
    void rowChanged(QTreeWidgetItem *row, int column);

    TPropertyGridDelegate *const m_delegate;
    QList<TPropertyGridItem> m_items;
    bool m_filling = false;
};
