#pragma once

#include "documents/TCloseDialogModel.h"

#include <QDialog>

class QTreeWidget;
class QLabel;

// The save-before-closing dialog: the unsaved project groups with their
// unsaved documents, "Speichern" for the selected entries, "Alle speichern",
// the leave button of the mode and "Abbrechen". Closes with caOk only when
// nothing modified is left, so a failed save never ends in a close.
class TCloseDialog : public QDialog
{
    Q_OBJECT
public:
    TCloseDialog(TCloseDialogModel &model, TCloseDialogMode mode, QWidget *parent = nullptr);

    // Shows the dialog when something needs saving; caOk at once otherwise.
    static TCloseAnswer Ask(TCloseDialogModel &model, TCloseDialogMode mode, QWidget *parent);

    TCloseAnswer Answer() const { return m_answer; }
    QTreeWidget *Tree() const { return m_tree; }

    void SaveSelected();
    void SaveAll();
    void Leave();

private:
    void fillTree();

    TCloseDialogModel &m_model;
    QTreeWidget *const m_tree;
    QLabel *const m_warning;
    TCloseAnswer m_answer = TCloseAnswer::caCancel;
};
