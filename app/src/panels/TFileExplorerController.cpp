#include "panels/TFileExplorerController.h"

#include "commands/TActionRegistry.h"
#include "commands/TWindowSnapshot.h"
#include "panels/TFileExplorerPanel.h"
#include "ui/TPrompter.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

TFileExplorerController::TFileExplorerController(TFileExplorerPanel &panel, TPathSource activeFile,
                                                 TPathSource activeGroupFolder, TUrlOpener openUrl)
    : m_panel(panel)
    , m_activeFile(std::move(activeFile))
    , m_activeGroupFolder(std::move(activeGroupFolder))
    , m_openUrl(openUrl ? std::move(openUrl) : TUrlOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); }))
{
}

void TFileExplorerController::Register(TActionRegistry &registry)
{
    const struct {
        const char *name;
        TExplorerViewMode mode;
    } views[] = {{"FileExplorerViewIcon", TExplorerViewMode::vmIcons},
                 {"FileExplorerViewSmallIcon", TExplorerViewMode::vmSmallIcons},
                 {"FileExplorerViewList", TExplorerViewMode::vmList},
                 {"FileExplorerViewReport", TExplorerViewMode::vmDetails},
                 {"FileExplorerViewThumbnails", TExplorerViewMode::vmThumbnails}};
    for (const auto &view : views) {
        const TExplorerViewMode mode = view.mode;
        registry.SetHandler(QString::fromLatin1(view.name), [this, mode] { m_panel.SetViewMode(mode); });
    }
    registry.SetHandler(QStringLiteral("FileExplorerShowAllTypes"), [this] { m_panel.SetShowAllTypes(true); });
    registry.SetHandler(QStringLiteral("FileExplorerShowSupportedOnly"), [this] { m_panel.SetShowAllTypes(false); });
    registry.SetHandler(QStringLiteral("FileExplorerGotoFileDir"), [this] { GotoFileDir(); });
    registry.SetHandler(QStringLiteral("FileExplorerGotoProjectDir"), [this] { GotoProjectDir(); });
    registry.SetHandler(QStringLiteral("FileExplorerOpenFolderWindows"), [this] { OpenFolderInFileManager(); });
}

void TFileExplorerController::FillSnapshot(TWindowSnapshot &snapshot) const
{
    snapshot.explorerFolderSelected = m_panel.HasFolder();
    snapshot.explorerViewMode = int(m_panel.ViewMode());
    snapshot.explorerShowAllTypes = m_panel.ShowAllTypes();
}

void TFileExplorerController::GotoFileDir()
{
    const QString file = m_activeFile ? m_activeFile() : QString();
    if (!file.isEmpty())
        m_panel.SetFolder(QFileInfo(file).absolutePath());
}

void TFileExplorerController::GotoProjectDir()
{
    const QString folder = m_activeGroupFolder ? m_activeGroupFolder() : QString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        m_panel.SetFolder(folder);
}

void TFileExplorerController::OpenFolderInFileManager()
{
    const QString folder = m_panel.Folder();
    if (folder.isEmpty())
        return;
    if (!QFileInfo(folder).isDir()) {
        TPrompter::instance().error(
            QStringLiteral("Der Ordner \"%1\" existiert nicht mehr und kann nicht geöffnet werden.")
                .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    if (!m_openUrl(QUrl::fromLocalFile(folder)))
        TPrompter::instance().error(
            QStringLiteral("Der Ordner \"%1\" konnte nicht im Dateimanager geöffnet werden. "
                           "Es ist kein Programm zum Anzeigen von Ordnern eingerichtet oder es ließ sich nicht starten.")
                .arg(QDir::toNativeSeparators(folder)));
}
