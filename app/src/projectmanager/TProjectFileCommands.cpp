#include "projectmanager/TProjectFileCommands.h"

#include "documents/TDocumentFilters.h"
#include "documents/TFileDialogs.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "ui/TPrompter.h"
#include "utils/FileUtils.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Synchronisation copies unless the group's mode says move; the core decides.
const TVYRAProjectFileOperation SyncOperation = fotCopy;

QString nativeName(const QString &path)
{
    return QDir::toNativeSeparators(ExcludeTrailingPathDelimiter(path));
}

} // namespace

TProjectFileCommands::TProjectFileCommands(TPrompter &prompter, THost host)
    : m_prompter(prompter)
    , m_host(std::move(host))
{
}

int TProjectFileCommands::Show(const QList<TVYRAProjectGroupItem *> &items)
{
    int opened = 0;
    for (TVYRAProjectGroupItem *item : items) {
        if (item && item->ItemType() == pitFile) {
            item->Open();
            ++opened;
        }
    }
    return opened;
}

bool TProjectFileCommands::NewFolder(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item)
{
    QString name;
    do {
        const std::optional<QString> answer = m_prompter.askText(
            QStringLiteral("Ordnernamen eingeben"), QStringLiteral("Geben Sie einen Namen für den zu erstellenden Ordner ein"),
            name);
        if (!answer)
            return false;
        name = answer->trimmed();
    } while (!IsValidFileName(name) || name == QStringLiteral(".") || name == QStringLiteral(".."));
    if (group.AddFolder(name, group.FindNextUpperFolder(item), SyncOperation, true) < 0) {
        m_prompter.error(QStringLiteral("Der Ordner \"%1\" konnte nicht angelegt werden.\r\n%2").arg(name, group.LastError()));
        return false;
    }
    return true;
}

bool TProjectFileCommands::ImportFolder(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item)
{
    const QString folder = m_host.chooseFolder ? m_host.chooseFolder() : QString();
    if (folder.isEmpty())
        return false;
    const TPromptButton answer =
        m_prompter.question(QStringLiteral("Möchten Sie alle Unterverzeichnisse und -dateien mit hinzufügen?"),
                            TPromptButton::Yes | TPromptButton::No | TPromptButton::Cancel,
                            QStringLiteral("Unterverzeichnisse"));
    if (answer != TPromptButton::Yes && answer != TPromptButton::No)
        return false;
    const TDocumentResult result = IsDirectory(folder)
        ? group.ImportFromFolder(folder, answer == TPromptButton::Yes, SyncOperation, group.FindNextUpperFolder(item))
        : TDocumentResult::failure(QString());
    if (!result.ok) {
        m_prompter.error(QStringLiteral("Der Ordner \"%1\" konnte nicht importiert werden.").arg(nativeName(folder))
                         + (result.errorText.isEmpty() ? QString() : QStringLiteral("\r\n") + result.errorText));
        return false;
    }
    m_prompter.information(QStringLiteral("Der Ordner \"%1\" wurde erfolgreich in die Projektgruppe \"%2\" importiert.")
                               .arg(nativeName(folder), group.ProjectName()),
                           QStringLiteral("Import abgeschlossen"));
    return true;
}

TOpenFilesRequest TProjectFileCommands::AddFilesRequest(const TVYRAExtensions *extensions,
                                                        const TVYRAProjectGroupItems &group)
{
    TOpenFilesRequest request;
    request.title = QStringLiteral("Dateien hinzufügen...");
    request.filter = TDocumentFilters::OpenFilter(extensions);
    request.startFolder = group.FileFolder();
    request.multiSelect = true;
    return request;
}

int TProjectFileCommands::AddFiles(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item)
{
    if (!m_host.dialogs)
        return 0;
    const QStringList files = m_host.dialogs->OpenFiles(AddFilesRequest(m_host.extensions, group));
    QStringList existing;
    for (const QString &file : files) {
        if (QFileInfo(file).isFile())
            existing.append(file);
    }
    return AddPaths(group, item, existing);
}

bool TProjectFileCommands::addPath(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *folder, const QString &path,
                                   QStringList &errors)
{
    const QFileInfo info(path);
    int index = -1;
    if (info.isDir()) {
        // With synchronisation the folder comes in with its content; without, as a folder node.
        index = group.AddFolder(ExcludeTrailingPathDelimiter(path), folder, SyncOperation, true);
    } else if (info.isFile()) {
        index = group.AddFile(path, folder, SyncOperation, true);
    } else {
        errors.append(QStringLiteral("\"%1\" wurde nicht gefunden.").arg(nativeName(path)));
        return false;
    }
    if (index < 0)
        errors.append(QStringLiteral("\"%1\": %2").arg(nativeName(path), group.LastError()));
    return index >= 0;
}

int TProjectFileCommands::AddPaths(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item, const QStringList &paths)
{
    TVYRAProjectGroupItem *folder = group.FindNextUpperFolder(item);
    QStringList errors;
    int added = 0;
    for (const QString &path : paths)
        added += addPath(group, folder, path, errors) ? 1 : 0;
    reportErrors(errors);
    return added;
}

void TProjectFileCommands::reportErrors(const QStringList &errors)
{
    if (!errors.isEmpty())
        m_prompter.error(QStringLiteral("Folgende Elemente konnten nicht zur Projektgruppe hinzugefügt werden:\r\n")
                         + errors.join(QStringLiteral("\r\n")));
}

int TProjectFileCommands::Remove(const QList<TVYRAProjectGroupItem *> &items)
{
    return TProjectItemRemoval::Run(items, m_prompter, m_host.saveQuestion);
}

bool TProjectFileCommands::ChangeComment(TVYRAProjectGroupItem *item)
{
    if (!item)
        return false;
    const std::optional<QString> comment = m_prompter.askText(
        QStringLiteral("Kommentar ändern"), QStringLiteral("Geben Sie den neuen Kommentar ein"), item->Comment());
    if (!comment || *comment == item->Comment())
        return false;
    item->SetComment(*comment);
    return true;
}

bool TProjectFileCommands::CanBeStartPage(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item)
{
    auto *project = dynamic_cast<TTalvexStudioProject *>(&group);
    auto *studioItem = dynamic_cast<TTalvexStudioProjectItem *>(item);
    return project && studioItem && item->ItemType() == pitFile && project->StartPage() != studioItem;
}

bool TProjectFileCommands::SetStartPage(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item)
{
    if (!CanBeStartPage(group, item))
        return false;
    return static_cast<TTalvexStudioProject &>(group).SetStartPage(static_cast<TTalvexStudioProjectItem *>(item));
}
