#pragma once

#include <QWidget>

class QListView;
class TPHPMessageModel;

// The quick-bar page "PHP Meldungen": the message list ("vstPHPMessages");
// a double click (or Enter) on a row asks to jump to its position.
class TPHPMessagesPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TPHPMessagesPanel(TPHPMessageModel &model, QWidget *parent = nullptr);

    QListView *List() const { return m_list; }
    // Selects and focuses the first row.
    void FocusFirstRow();

signals:
    void jumpRequested(int row);

private:
    QListView *const m_list;
};
