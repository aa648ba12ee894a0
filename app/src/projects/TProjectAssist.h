#pragma once

#include "projects/TProjectCreator.h"
#include "projects/TProjectFileBatch.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeWidget;
class TVYRACore;
class TVYRAProjectGroupItems;

// The assistant for a new project: a standard project, or one made from
// the content of folders. Steps: welcome and project type, the folders to
// import (import only), name and save path, the import with its progress
// (import only), done. The rules live in TProjectCreator and
// TProjectFileBatch; this window only gathers the answers and shows progress.
class TProjectAssist : public QDialog
{
    Q_OBJECT
public:
    enum TStep { stWelcome, stFolders, stName, stImport, stDone };
    // Asks for a folder to import; empty when cancelled.
    using TFolderPicker = std::function<QString(QWidget *parent)>;

    explicit TProjectAssist(TVYRACore &core, QWidget *parent = nullptr);
    ~TProjectAssist() override;

    // The project made by the assistant, or nullptr.
    TVYRAProjectGroupItems *CreatedGroup() const { return m_created; }
    TStep Step() const { return m_step; }
    void SetFolderPicker(TFolderPicker picker) { m_pickFolder = std::move(picker); }
    // Where replaced folders go (tests use their own trash).
    void SetTrashRoot(const QString &root) { m_creator.SetTrashRoot(root); }
    QList<TImportFolder> ImportFolders() const;

    // Closing is refused while the import runs.
    void reject() override;

private:
    void buildPages();
    QWidget *welcomePage();
    QWidget *foldersPage();
    QWidget *namePage();
    QWidget *importPage();
    QWidget *donePage();
    void showStep(TStep step);
    void next();
    void back();
    void addFolder();
    void changeFolder();
    void removeFolder();
    void nameEdited();
    void runImport();
    bool importing() const { return m_step == stImport; }

    TVYRACore &m_core;
    TProjectCreator m_creator;
    TFolderPicker m_pickFolder;
    TStep m_step = stWelcome;
    TVYRAProjectGroupItems *m_created = nullptr;
    QStackedWidget *m_pages = nullptr;
    QRadioButton *m_standard = nullptr;
    QRadioButton *m_import = nullptr;
    QTreeWidget *m_folders = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_path = nullptr;
    QCheckBox *m_autoFolder = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_progressLine = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_cancel = nullptr;
};
