#include "projects/TProjectCreator.h"

#include "framework/TVYRACore.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"
#include "ui/TPrompter.h"
#include "utils/FileUtils.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

QString cleanAbsolute(const QString &path)
{
    return path.trimmed().isEmpty() ? QString() : QDir::cleanPath(QFileInfo(ToSlashes(path.trimmed())).absoluteFilePath());
}

// a lies at or below b.
bool isAtOrBelow(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    return a == b || a.startsWith(IncludeTrailingPathDelimiter(b));
}

bool holdsProjectFile(const QString &folder)
{
    QDirIterator it(folder, {QStringLiteral("*.qpg")}, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    return it.hasNext();
}

bool isEmptyFolder(const QString &folder)
{
    return QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Removes what a failed creation made: the whole save path when it was made
// here, else only the file folder and the project file when they were.
class TCreationRollback
{
public:
    TCreationRollback(const QString &savePath, const QString &fileFolder, const QString &projectFile)
        : m_savePath(savePath)
        , m_fileFolder(fileFolder)
        , m_projectFile(projectFile)
        , m_savePathExisted(QFileInfo::exists(savePath))
        , m_fileFolderExisted(QFileInfo::exists(fileFolder))
        , m_projectFileExisted(QFileInfo::exists(projectFile))
    {
    }
    ~TCreationRollback()
    {
        if (m_done)
            return;
        if (!m_projectFileExisted)
            QFile::remove(m_projectFile);
        if (!m_fileFolderExisted)
            QDir(m_fileFolder).removeRecursively();
        if (!m_savePathExisted)
            QDir().rmpath(m_savePath);
    }
    void Done() { m_done = true; }

private:
    QString m_savePath, m_fileFolder, m_projectFile;
    bool m_savePathExisted, m_fileFolderExisted, m_projectFileExisted;
    bool m_done = false;
};

const QString CreateFailedText = QStringLiteral(
    "Die Projektverzeichnisse konnten nicht im angebebenen Pfad angelegt werden. Überprüfen Sie, ob der angebebene "
    "Pfad korrekt ist und Sie Schreibrechte im entsprechenden Verzeichnis besitzen.");

} // namespace

TProjectCreator::TProjectCreator(TVYRACore &core, QString trashRoot)
    : m_core(core)
    , m_trashRoot(std::move(trashRoot))
{
}

QString TProjectCreator::FileNamePart(const QString &name)
{
    QString part = ReplaceInvalidFileNameIdents(name).trimmed();
    while (part.startsWith(QLatin1Char('.')))
        part.remove(0, 1);
    return part.trimmed();
}

QString TProjectCreator::NameError(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Bitte geben Sie einen Namen für das neue Projekt ein.");
    if (FileNamePart(name).isEmpty())
        return QStringLiteral("Der Projektname \"%1\" ergibt keinen gültigen Dateinamen. Bitte wählen Sie einen "
                              "Namen, der Buchstaben oder Ziffern enthält.")
            .arg(name);
    return {};
}

QString TProjectCreator::DefaultSavePath(const QString &name) const
{
    return IncludeTrailingPathDelimiter(ToSlashes(m_core.ProjectDir())) + FileNamePart(name);
}

QString TProjectCreator::FileFolderOf(const TNewProjectRequest &request) const
{
    return IncludeTrailingPathDelimiter(cleanAbsolute(request.savePath)) + FileNamePart(request.name)
        + QStringLiteral(" - Dateien");
}

QString TProjectCreator::ProjectFileOf(const TNewProjectRequest &request) const
{
    return IncludeTrailingPathDelimiter(cleanAbsolute(request.savePath)) + FileNamePart(request.name)
        + QStringLiteral(".qpg");
}

QString TProjectCreator::ReplaceRefusal(const QString &path) const
{
    const QString folder = cleanAbsolute(path);
    const QString home = cleanAbsolute(QDir::homePath());
    const QString projects = cleanAbsolute(m_core.ProjectDir());
    QString reason;
    if (folder.isEmpty() || QDir(folder).isRoot() || QStorageInfo(folder).rootPath() == folder)
        reason = QStringLiteral("Es ist ein Wurzelverzeichnis.");
    else if (folder == home)
        reason = QStringLiteral("Es ist Ihr Benutzerordner.");
    else if (isAtOrBelow(home, folder))
        reason = QStringLiteral("Es enthält Ihren Benutzerordner.");
    else if (folder == projects)
        reason = QStringLiteral("Es ist der Projektordner von Talvex Studio.");
    else if (isAtOrBelow(projects, folder))
        reason = QStringLiteral("Es enthält den Projektordner von Talvex Studio.");
    else if (holdsProjectFile(folder))
        reason = QStringLiteral("Es enthält andere Projekte.");
    if (reason.isEmpty())
        return {};
    return QStringLiteral("Das Verzeichnis \"%1\" kann nicht überschrieben werden. %2 Bitte wählen Sie einen "
                          "anderen Speicherpfad.")
        .arg(QDir::toNativeSeparators(folder), reason);
}

bool TProjectCreator::makeRoom(const QString &savePath)
{
    TPrompter &prompter = TPrompter::instance();
    const QFileInfo info(savePath);
    if (!info.exists())
        return true;
    if (!info.isDir()) {
        prompter.error(QStringLiteral("Der Speicherpfad \"%1\" ist eine Datei, kein Verzeichnis.")
                           .arg(QDir::toNativeSeparators(savePath)));
        return false;
    }
    // An empty folder holds nothing that could be lost.
    if (isEmptyFolder(savePath))
        return true;
    if (const QString refusal = ReplaceRefusal(savePath); !refusal.isEmpty()) {
        prompter.error(refusal);
        return false;
    }
    if (!prompter.confirm(
            QStringLiteral("Das Verzeichnis \"%1\" besteht bereits. Möchten Sie es überschreiben?\r\nWarnung: Das "
                           "bestehende Verzeichnis wird vor dem Fortfahren mit allen darin enthaltenen Dateien in "
                           "den Papierkorb verschoben.")
                .arg(QDir::toNativeSeparators(savePath)),
            QStringLiteral("Bestätigen"), TPromptButton::No))
        return false;
    TFreedesktopTrash trash(m_trashRoot);
    QString error;
    if (!trash.MoveToTrash(savePath, &error)) {
        prompter.error(QStringLiteral("Das Zielverzeichnis konnte nicht geleert werden. Stellen Sie sicher, dass Sie "
                                      "die erforderlichen Rechte hierfür besitzen.\r\n\r\nDetails: ")
                       + error);
        return false;
    }
    return true;
}

TVYRAProjectGroupItems *TProjectCreator::Create(const TNewProjectRequest &request)
{
    TPrompter &prompter = TPrompter::instance();
    if (const QString error = NameError(request.name); !error.isEmpty()) {
        prompter.error(error);
        return nullptr;
    }
    const QString savePath = cleanAbsolute(request.savePath);
    if (savePath.isEmpty()) {
        prompter.error(QStringLiteral("Bitte geben Sie den Pfad an, unter dem das Projekt \"%1\" gespeichert werden "
                                      "soll.")
                           .arg(request.name));
        return nullptr;
    }
    TVYRAProjectGroupList *groups = m_core.ProjectGroups();
    if (!groups || !makeRoom(savePath))
        return nullptr;

    const QString fileFolder = FileFolderOf(request);
    const QString projectFile = ProjectFileOf(request);
    TCreationRollback rollback(savePath, fileFolder, projectFile);
    if (!QDir().mkpath(savePath) || !QDir().mkpath(fileFolder)) {
        prompter.error(CreateFailedText);
        return nullptr;
    }
    std::unique_ptr<TVYRAProjectGroupItems> group = m_core.ProjectGroupClass()(groups, projectFile, false, false);
    group->SetProjectName(request.name.trimmed());
    group->SetMainFolder(savePath);
    group->SetFileFolder(fileFolder);
    group->SetSyncFileMode(sfmSynchronize);
    group->SetConfirmFileSync(true);
    if (const TDocumentResult saved = group->Save(projectFile); !saved) {
        prompter.error(QStringLiteral("Die Projektdatei \"%1\" konnte nicht angelegt werden.\r\n\r\nDetails: %2")
                           .arg(QDir::toNativeSeparators(projectFile), saved.errorText));
        return nullptr;
    }
    rollback.Done();
    TVYRAProjectGroupItems *created = group.get();
    groups->Add(std::move(group));
    return created;
}
