#include "documents/TCloseDialogModel.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"

#include <QFileInfo>

namespace {

// "%s (Datei nicht gefunden!)" for an entry whose stored file has gone, then "%s *" when modified.
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

int TCloseDialogModel::AttentionCount() const
{
    int count = 0;
    const TVYRAProjectGroupList *list = m_container.ProjectGroups();
    for (TVYRAProjectGroupItems *group : m_groups) {
        if (!list || list->IndexOf(group) < 0)
            continue;
        count += group->Modified();
        for (const TVYRADocument *document : documentsOf(group))
            count += document->GetModified();
    }
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
                              !child.neverStored && !QFileInfo::exists(document->GetFileName()),
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
        if (group->Modified() || node.neverStored || !node.children.isEmpty())
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
    for (TVYRADocument *document : documents) {
        for (int i = 0; i < m_container.GetDocumentCount(); ++i) {
            if (m_container.GetDocument(i) == document) {
                m_saveDocument(document);
                break;
            }
        }
    }
    for (TVYRAProjectGroupItems *group : groups)
        m_saveGroup(group);
    Rebuild();
    return m_nodes.isEmpty() || AttentionCount() == 0;
}

bool TCloseDialogModel::SaveAll()
{
    for (TVYRAProjectGroupItems *group : m_groups) {
        for (TVYRADocument *document : documentsOf(group)) {
            if (document->GetModified())
                m_saveDocument(document);
        }
    }
    const TVYRAProjectGroupList *list = m_container.ProjectGroups();
    for (TVYRAProjectGroupItems *group : m_groups) {
        if (list && list->IndexOf(group) >= 0 && group->Modified())
            m_saveGroup(group);
    }
    Rebuild();
    return AttentionCount() == 0;
}
