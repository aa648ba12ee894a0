#pragma once

#include "panels/TExplorerViewMode.h"

#include <QStringList>
#include <QWidget>

class IDocumentOperations;
class QFileSystemModel;
class QListView;
class QStackedWidget;
class QTreeView;
class TThumbnailCache;
class TThumbnailDelegate;
class TTalvexStudioFileExplorerSettings;
class TVYRAExtensions;

// The file explorer side panel: a folder tree above a list of the files of
// the selected folder. Double-clicking opens the selected files as one batch;
// dragging them out carries their file URLs, which the main window opens the
// same way. The list shows every file or only the supported types, in one of
// five views. The last folder and the filter are kept in the panel's settings.
class TFileExplorerPanel : public QWidget
{
    Q_OBJECT

public:
    // extensions: the file-type list (supported files); documents opens the
    // files; settings may be nullptr. None is owned, all must outlive the panel.
    TFileExplorerPanel(const TVYRAExtensions *extensions, IDocumentOperations *documents,
                       TTalvexStudioFileExplorerSettings *settings, QWidget *parent = nullptr);
    ~TFileExplorerPanel() override;

    // Moves the tree and the list to folder; false when it is no folder.
    bool SetFolder(const QString &folder);
    // The selected folder (absolute, without trailing slash); empty when none.
    QString Folder() const { return m_folder; }
    bool HasFolder() const { return !m_folder.isEmpty(); }

    void SetShowAllTypes(bool showAll);
    bool ShowAllTypes() const { return m_showAll; }
    // Applies the filter again after the file-type list changed.
    void RefreshFileTypes();

    void SetViewMode(TExplorerViewMode mode);
    TExplorerViewMode ViewMode() const { return m_viewMode; }

    // The selected files of the list, each the folder plus the item's name.
    QStringList SelectedFiles() const;
    // Opens the selected files as one batch; nothing when none is selected.
    void OpenSelected();

    // For the window and tests.
    QFileSystemModel *FileModel() const { return m_files; }
    QListView *ListView() const { return m_list; }
    QTreeView *DetailsView() const { return m_details; }
    QTreeView *FolderTree() const { return m_tree; }
    TThumbnailCache *Thumbnails() const { return m_thumbnails; }

signals:
    void folderChanged(const QString &folder);
    // Filter or view changed: the commands' check marks follow.
    void stateChanged();

private:
    void showFolder(const QString &folder);
    void applyFilter();
    QString startFolder() const;

    const TVYRAExtensions *m_extensions;
    IDocumentOperations *m_documents;
    TTalvexStudioFileExplorerSettings *m_settings;
    QFileSystemModel *const m_folders;
    QFileSystemModel *const m_files;
    QTreeView *const m_tree;
    QStackedWidget *const m_pages;
    QListView *const m_list;
    QTreeView *const m_details;
    TThumbnailCache *const m_thumbnails;
    TThumbnailDelegate *const m_delegate;
    QString m_folder;
    bool m_showAll = true;
    TExplorerViewMode m_viewMode = TExplorerViewMode::vmIcons;
};
