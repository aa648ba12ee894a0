#include "documents/TCloseDialogModel.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"

#include <QFileInfo>

namespace {

// "%s (Datei nicht gefunden!)" for a document without a file on disk (never stored, or gone) and for a
// group whose stored file has gone (a group without a file, like the default one, keeps its name);
// then "%s *" when modified.
QString nodeText(const QString &name, bool fileMissing, bool modified)
{
    QString text = fileMissing ? QStringLiteral("%1 (Datei nicht gefunden!)").arg(name) : name;
    return modified ? QStringLiteral("%1 *").arg(text) : text;
}

} // namespace

TCloseDialogModel::TCloseDialogModel(TVYRADocumentContainer &container, QList<TVYRAProjectGroupItems *> groups,
                                     TSaveDocument saveDocument, TSaveGroup saveGroup)
    : m_container(container), m_groups(std::move(groups)), m_saveDocument(std::move(saveDocument)),
      m_saveGroup(std::move(saveGroup))
{
    Rebuild();
}

QString TCloseDialogModel::Caption(TCloseDialogMode mode)
{
    return QStringLiteral("Talvex Studio - %1")
        .arg(mode == TCloseDialogMode::cdmExit ? QStringLiteral("Beenden") : QStringLiteral("Dokumente schließen"));
}

QString TCloseDialogModel::LeaveButtonText(TCloseDialogMode mode)
{
    return mode == TCloseDialogMode::cdmExit ? QStringLiteral("Beenden ohne Speichern")
                                             : QStringLiteral("Weiter ohne Speichern");
}

QString TCloseDialogModel::HeaderText()
{
    return QStringLiteral("Hinweis: Es sind noch ungespeicherte Dokumente / Projekte vorhanden!");
}

QString TCloseDialogModel::HintText()
{
    return QStringLiteral("Sie können diese Dokumente / Projekte, die mit einem * markiert sind, nun speichern, in "
                          "dem Sie sie auswählen und auf \"Speichern\" klicken. Oder klicken Sie auf \"Alle "
                          "Speichern\", um alle Projekte und Dokumente zu speichern.");
}

QString TCloseDialogModel::NeverStoredWarning()
{
    return QStringLiteral("Achtung: Es sind Dokumente und / oder Projekte vorhanden, welche noch nicht auf einen "
                          "Datenträger gespeichert worden sind. Bei diesen muss der Dateiname zum Speichern manuell "
                          "angegeben werden. Zu einem Projekt zugehörige Dokumente müssen gespeichert werden, damit "
                          "sie wieder geladen werden können.");
}

QList<TVYRADocument *> TCloseDialogModel::documentsOf(const TVYRAProjectGroupItems *group) const
{
    QList<TVYRADocument *> documents;
    for (int i = 0; i < m_container.GetDocumentCount(); ++i) {
        TVYRADocument *document = m_container.GetDocument(i);
        if (m_container.ProjectOf(document) == group)
            documents.append(document);
    }
    return documents;
}

bool TCloseDialogModel::documentNeedsAttention(const TVYRADocument *document) const
{
    return document->GetModified() || !document->GetFileExists();
}

bool TCloseDialogModel::isDefaultGroup(const TVYRAProjectGroupItems *group) const
{
    return m_container.IsDefaultGroupCreated() && m_container.GetDefaultGroup() == group;
}

bool TCloseDialogModel::groupNeedsAttention(const TNode &node) const
{
    if (node.group->Modified())
        return true;
    // A group without a file of its own loses its list of documents when it
    // closes unsaved. The default group is the exception: it has no file by
    // design, and its unchanged list is not worth a question.
    return node.neverStored && !isDefaultGroup(node.group) && !documentsOf(node.group).isEmpty();
}

int TCloseDialogModel::AttentionCount() const
{
    int count = 0;
    for (const TNode &node : m_nodes)
        count += int(groupNeedsAttention(node)) + int(node.children.size());
    return count;
}

TCloseDialogModel::TNode TCloseDialogModel::groupNode(TVYRAProjectGroupItems *group) const
{
    TNode node;
    node.group = group;
    node.neverStored = !group->FileExists() || group->FileName().isEmpty();
    node.fileName = node.neverStored ? QString() : group->FileName();
    node.text = nodeText(group->ProjectName(), !node.neverStored && !QFileInfo::exists(group->FileName()),
                         group->Modified());
    for (TVYRADocument *document : documentsOf(group)) {
        if (!documentNeedsAttention(document))
            continue;
        TNode child;
        child.group = group;
        child.document = document;
        child.neverStored = !document->GetFileExists();
        child.fileName = child.neverStored ? QString() : document->GetFileName();
        child.text = nodeText(QFileInfo(document->GetFileName()).fileName(),
                              child.neverStored || !QFileInfo::exists(document->GetFileName()),
                              document->GetModified());
        node.children.append(child);
    }
    return node;
}

void TCloseDialogModel::Rebuild()
{
    m_nodes.clear();
    const TVYRAProjectGroupList *list = m_container.ProjectGroups();
    for (TVYRAProjectGroupItems *group : m_groups) {
        if (!list || list->IndexOf(group) < 0)
            continue;
        TNode node = groupNode(group);
        if (groupNeedsAttention(node) || !node.children.isEmpty())
            m_nodes.append(node);
    }
}

bool TCloseDialogModel::HasNeverStored() const
{
    for (const TNode &node : m_nodes) {
        if (node.neverStored)
            return true;
        for (const TNode &child : node.children) {
            if (child.neverStored)
                return true;
        }
    }
    return false;
}

bool TCloseDialogModel::SaveSelected(const QList<TSelection> &selection)
{
    QList<TVYRADocument *> documents;
    QList<TVYRAProjectGroupItems *> groups;
    for (const TSelection &selected : selection) {
        if (selected.group < 0 || selected.group >= m_nodes.size())
            continue;
        const TNode &node = m_nodes[selected.group];
        if (selected.child < 0)
            groups.append(node.group);
        else if (selected.child < node.children.size())
            documents.append(node.children[selected.child].document);
    }
    // Only documents the container still holds are saved.
    for (TVYRADocument *document : documents)
        if (m_container.Documents().IndexOf(document) >= 0)
            m_saveDocument(document);
    for (TVYRAProjectGroupItems *group : groups)
        m_saveGroup(group);
    Rebuild();
    return m_nodes.isEmpty();
}

bool TCloseDialogModel::SaveAll()
{
    Rebuild();
    // Documents first, so that a group is written with its documents' new names.
    const QList<TNode> nodes = m_nodes;
    for (const TNode &node : nodes)
        for (const TNode &child : node.children)
            if (m_container.Documents().IndexOf(child.document) >= 0)
                m_saveDocument(child.document);
    for (const TNode &node : nodes)
        if (m_container.ProjectGroups() && m_container.ProjectGroups()->IndexOf(node.group) >= 0)
            m_saveGroup(node.group);
    // A save that failed or was cancelled leaves its entry in the tree, and
    // the dialog open with it.
    Rebuild();
    return m_nodes.isEmpty();
}
