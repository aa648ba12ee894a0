#pragma once

#include "settings/TFileTypeEditor.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;
class TVYRACore;

// "Talvex Studio - Benutzerdefinierte Dateitypen anpassen": the user's own
// file types with their extensions; "Gruppe speichern" writes
// "customfiletypes.xml". Made for each use.
class TCustomizeFileTypes : public QDialog
{
    Q_OBJECT
public:
    explicit TCustomizeFileTypes(TVYRACore &core, QWidget *parent = nullptr);

    TFileTypeEditor &Editor() { return m_editor; }
    QListWidget *Groups() const { return m_groups; }
    QListWidget *Extensions() const { return m_extensions; }
    QLineEdit *GroupName() const { return m_name; }
    QCheckBox *Binary() const { return m_binary; }
    TVYRAExtensionGroup *CurrentGroup() const;
    void SaveGroup();

private:
    void showGroups();
    void showGroup();
    void showExtension();
    void takeDescription();

    TVYRACore &m_core;
    TFileTypeEditor m_editor;
    QList<TVYRAExtensionGroup *> m_shown;
    QListWidget *const m_groups;
    QLineEdit *const m_name;
    QCheckBox *const m_binary;
    QListWidget *const m_extensions;
    QLineEdit *const m_identifier;
    QLineEdit *const m_description;
};
