#pragma once

#include "structure/TProcedureListModel.h"

#include <QWidget>

class QComboBox;
class QToolButton;
class QTreeWidget;

// The stay-on-top procedure list: a drop-down of the names above the rows
// "Prozedur", "Klasse", "Zeile". Choosing a name, Enter in the drop-down or
// a double click on a row closes the window and asks to go to the entity;
// Esc closes it; "Aktualisieren" asks for a new analysis.
class TProcedureListWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TProcedureListWindow(QWidget *parent = nullptr);

    // Takes copies of the rows and shows them in the current sort order.
    void SetModel(const TProcedureListModel &model);
    const TProcedureListModel &Model() const { return m_model; }
    // Shows the window and focuses the drop-down.
    void Open();
    void SetBusy(bool busy);
    bool IsBusy() const { return m_busy; }
    QComboBox *Names() const { return m_names; }
    QTreeWidget *Rows() const { return m_rows; }
    QToolButton *RefreshButton() const { return m_refresh; }
    // As a click on the column header.
    void SortBy(int column);

    static const QString Caption;

signals:
    void entityChosen(int offset);
    void refreshRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill();
    void choose(int offset);

    QComboBox *const m_names;
    QToolButton *const m_refresh;
    QTreeWidget *const m_rows;
    TProcedureListModel m_model;
    bool m_busy = false;
    bool m_filling = false;
};
