#include "documents/TReloadFile.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TDocumentCommands.h"
#include "documents/TSafeFileWriter.h"
#include "documents/TVYRADocument.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"
#include "utils/TXmlDocumentFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TReloadFile::TReloadFile(QString fileName) : m_fileName(std::move(fileName)) {}

QString TReloadFile::InUserDataDir(const QString &userDataDir)
{
    return QDir(userDataDir).filePath(QStringLiteral("reload.xml"));
}

QList<TReloadList::TProjectEntry> TReloadFile::Collect(const TVYRADocumentContainer &container)
{
    QList<TReloadList::TProjectEntry> projects;
    const TVYRAProjectGroupList *groups = container.ProjectGroups();
    const TVYRADocument *active = container.GetActiveDocument();
    TVYRAProjectGroupItems *defaultGroup =
        container.IsDefaultGroupCreated() ? const_cast<TVYRADocumentContainer &>(container).GetDefaultGroup()
                                          : nullptr;
    for (int g = 0; groups && g < groups->Count(); ++g) {
        TVYRAProjectGroupItems *group = groups->Items(g);
        TReloadList::TProjectEntry project;
        const bool ownFile = group != defaultGroup && group->FileExists() && !group->FileName().isEmpty()
                             && !group->Modified();
        project.fileName = ownFile ? group->FileName() : TReloadList::DefaultGroupName();
        for (int i = 0; i < container.GetDocumentCount(); ++i) {
            const TVYRADocument *document = container.GetDocument(i);
            if (container.ProjectOf(document) != group || !document->GetFileExists())
                continue;
            project.files.append({document->GetFileName(), document == active});
        }
        projects.append(project);
    }
    return projects;
}

TOperationResult TReloadFile::Write(const TVYRADocumentContainer &container) const
{
    // A damaged file is kept before it is written over.
    pugi::xml_document existing;
    if (TXmlDocumentFile::Load(m_fileName, existing).status == TXmlDocumentFile::TLoadStatus::Damaged)
        TXmlDocumentFile::KeepDamagedCopy(m_fileName);
    const TDocumentResult written = TSafeFileWriter::Write(m_fileName, TReloadList::Write(Collect(container)));
    if (!written)
        return TOperationResult::failure(
            QStringLiteral("Die Liste der geöffneten Dokumente \"%1\" konnte nicht gespeichert werden.\r\n%2")
                .arg(m_fileName, written.errorText));
    return TOperationResult::success();
}

TReloadFile::TApplyResult TReloadFile::Apply(TDocumentCommands &commands, TVYRADocumentContainer &container,
                                             const std::function<void(TVYRAProjectGroupItems *)> &selectGroup) const
{
    TApplyResult result;
    if (!QFileInfo(m_fileName).isFile())
        return result;
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        result.read = TOperationResult::failure(
            QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.").arg(m_fileName));
        return result;
    }
    const TReloadList::TReadResult read = TReloadList::Read(file.readAll());
    file.close();
    if (!read.ok) {
        result.damagedCopy = TXmlDocumentFile::KeepDamagedCopy(m_fileName);
        result.read = TOperationResult::failure(
            QStringLiteral("Die Datei \"%1\" ist beschädigt; die Dokumente des letzten Laufs werden nicht wieder "
                           "geöffnet. %2")
                .arg(m_fileName, read.errorText));
        return result;
    }
    QString activeFile;
    TVYRAProjectGroupItems *activeGroup = nullptr;
    for (const TReloadList::TProjectEntry &project : read.projects) {
        TVYRAProjectGroupItems *target = nullptr;
        if (project.isDefault()) {
            if (project.files.isEmpty())
                continue;
            target = container.GetDefaultGroup();
        } else {
            if (!QFileInfo(project.fileName).isFile())
                continue;
            if (container.FindProject(project.fileName) < 0)
                commands.OpenFiles({project.fileName});
            const int index = container.FindProject(project.fileName);
            if (index < 0)
                continue;
            target = container.ProjectGroups()->Items(index);
        }
        if (!target)
            continue;
        QStringList files;
        for (const TReloadList::TDocumentEntry &entry : project.files) {
            if (QFileInfo(entry.fileName).isFile() && container.FindFile(entry.fileName, target) < 0
                && !files.contains(entry.fileName))
                files.append(entry.fileName);
            if (entry.active) {
                activeFile = entry.fileName;
                activeGroup = target;
            }
        }
        commands.OpenFiles(files, target);
    }
    if (activeGroup && container.ProjectGroups()->IndexOf(activeGroup) >= 0) {
        const int index = container.FindFile(activeFile, activeGroup);
        if (index >= 0) {
            if (selectGroup)
                selectGroup(activeGroup);
            container.ActivateDocument(index);
            result.activated = container.GetDocument(index);
        }
    }
    return result;
}
