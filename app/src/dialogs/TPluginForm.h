#pragma once

#include "dialogs/TPluginListModel.h"

#include <QDialog>

class QLabel;
class QTreeWidget;

// "Zusatzmodule (Plugins)": the plug-in folder, one row per plug-in with
// an icon for its state, the details of the selected one, activating and
// adding plug-ins.
class TPluginForm : public QDialog
{
    Q_OBJECT
public:
    TPluginForm(TPluginListModel &model, QWidget *parent = nullptr);

    QTreeWidget *List() const { return m_list; }
    void ActivateSelected();
    void AddPlugin();

private:
    void fill();
    void showDetails();

    TPluginListModel &m_model;
    QTreeWidget *const m_list;
    QLabel *const m_details;
};
