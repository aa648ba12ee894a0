#include "panels/TFileExplorerPanel.h"

#include "documents/IDocumentOperations.h"
#include "panels/TExplorerFileFilter.h"
#include "panels/TThumbnailCache.h"
#include "panels/TThumbnailDelegate.h"
#include "settings/TTalvexStudioFileExplorerSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int kThumbnailSize = 96;

void setUpFileView(QAbstractItemView *view)
{
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Dragged items carry their file URLs (the model's mime data).
    view->setDragEnabled(true);
    view->setDragDropMode(QAbstractItemView::DragOnly);
}

} // namespace

TFileExplorerPanel::TFileExplorerPanel(const TVYRAExtensions *extensions, IDocumentOperations *documents,
                                       TTalvexStudioFileExplorerSettings *settings, QWidget *parent)
    : QWidget(parent)
    , m_extensions(extensions)
    , m_documents(documents)
    , m_settings(settings)
    , m_folders(new QFileSystemModel(this))
    , m_files(new QFileSystemModel(this))
    , m_tree(new QTreeView(this))
    , m_pages(new QStackedWidget(this))
    , m_list(new QListView(m_pages))
    , m_details(new QTreeView(m_pages))
    , m_thumbnails(new TThumbnailCache(kThumbnailSize, this))
    , m_delegate(new TThumbnailDelegate(m_files, m_thumbnails, this))
{
    setObjectName(QStringLiteral("FileExplorerPanel"));
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setReadOnly(true);
    m_folders->setRootPath(QDir::rootPath());
    m_tree->setModel(m_folders);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_tree->hideColumn(column);

    m_files->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    m_files->setReadOnly(true);
    m_files->setNameFilterDisables(false);
    m_list->setModel(m_files);
    m_list->setItemDelegate(m_delegate);
    m_details->setModel(m_files);
    m_details->setSelectionModel(m_list->selectionModel());
    m_details->setRootIsDecorated(false);
    m_details->setItemsExpandable(false);
    m_details->setSortingEnabled(true);
    m_details->sortByColumn(0, Qt::AscendingOrder);
    setUpFileView(m_list);
    setUpFileView(m_details);
    m_pages->addWidget(m_list);
    m_pages->addWidget(m_details);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_tree);
    splitter->addWidget(m_pages);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    showFolder(m_folders->filePath(current));
            });
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] { OpenSelected(); });
    connect(m_details, &QAbstractItemView::doubleClicked, this, [this] { OpenSelected(); });
    connect(m_thumbnails, &TThumbnailCache::thumbnailReady, m_list->viewport(), qOverload<>(&QWidget::update));

    m_showAll = !m_settings || m_settings->ShowAllFiles;
    applyFilter();
    SetViewMode(TExplorerViewMode::vmIcons);
    SetFolder(startFolder());
}

TFileExplorerPanel::~TFileExplorerPanel() = default;

QString TFileExplorerPanel::startFolder() const
{
    if (m_settings && m_settings->StorePath && QFileInfo(m_settings->FileExplorerPath).isDir())
        return m_settings->FileExplorerPath;
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}

bool TFileExplorerPanel::SetFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        return false;
    const QString path = QDir::cleanPath(info.absoluteFilePath());
    const QModelIndex index = m_folders->index(path);
    if (index.isValid()) {
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index);
    }
    // The tree reports the change unless that folder was already current.
    if (m_folder != path)
        showFolder(path);
    return true;
}

void TFileExplorerPanel::showFolder(const QString &folder)
{
    const QString path = QDir::cleanPath(folder);
    if (path == m_folder)
        return;
    m_folder = path;
    const QModelIndex root = m_files->setRootPath(path);
    m_list->setRootIndex(root);
    m_details->setRootIndex(root);
    m_list->clearSelection();
    m_thumbnails->Clear();
    if (m_settings)
        m_settings->FileExplorerPath = path;
    emit folderChanged(path);
    emit stateChanged();
}

void TFileExplorerPanel::SetShowAllTypes(bool showAll)
{
    m_showAll = showAll;
    if (m_settings)
        m_settings->ShowAllFiles = showAll;
    applyFilter();
    emit stateChanged();
}

void TFileExplorerPanel::RefreshFileTypes()
{
    applyFilter();
}

void TFileExplorerPanel::applyFilter()
{
    m_files->setNameFilters(TExplorerFileFilter::NameFilters(m_extensions, m_showAll));
    m_list->scrollToTop();
    m_details->scrollToTop();
}

void TFileExplorerPanel::SetViewMode(TExplorerViewMode mode)
{
    m_viewMode = mode;
    if (mode == TExplorerViewMode::vmDetails) {
        m_pages->setCurrentWidget(m_details);
        emit stateChanged();
        return;
    }
    const bool icons = mode == TExplorerViewMode::vmIcons || mode == TExplorerViewMode::vmThumbnails;
    const int iconSize = mode == TExplorerViewMode::vmThumbnails ? kThumbnailSize
                         : mode == TExplorerViewMode::vmIcons    ? 32
                                                                 : 16;
    m_list->setViewMode(icons ? QListView::IconMode : QListView::ListMode);
    m_list->setFlow(mode == TExplorerViewMode::vmList ? QListView::TopToBottom : QListView::LeftToRight);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);
    m_list->setIconSize(QSize(iconSize, iconSize));
    m_list->setGridSize(icons ? QSize(iconSize + 48, iconSize + 40) : QSize());
    m_list->setWordWrap(icons);
    // Changing the view mode of a list view resets its drag settings.
    setUpFileView(m_list);
    m_delegate->SetPreviews(mode == TExplorerViewMode::vmThumbnails);
    m_pages->setCurrentWidget(m_list);
    m_list->viewport()->update();
    emit stateChanged();
}

QStringList TFileExplorerPanel::SelectedFiles() const
{
    QStringList files;
    const QModelIndexList rows = m_list->selectionModel()->selectedRows(0);
    for (const QModelIndex &index : rows) {
        if (!m_files->isDir(index))
            files << m_files->filePath(index);
    }
    return files;
}

void TFileExplorerPanel::OpenSelected()
{
    const QStringList files = SelectedFiles();
    if (!files.isEmpty() && m_documents)
        m_documents->OpenFiles(files);
}
