#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <functional>

class TVYRADocument;
class TVYRADocumentContainer;
class TVYRAProjectGroupItems;

// What the close dialog is opened for.
enum class TCloseDialogMode { cdmCloseDocuments = 0, cdmExit = 1 };
// How it ended: everything saved (or nothing to save), leave without saving, cancel.
enum class TCloseAnswer { caOk, caLeaveWithoutSaving, caCancel };

// The save-before-closing question without its window: the unsaved project
// groups with their unsaved documents, their texts, and saving the chosen
// entries through the document commands. The dialog shows it; tests drive it.
class TCloseDialogModel
{
public:
    struct TNode {
        QString text;
        QString fileName; // for the icon; empty for a never-stored entry
        TVYRAProjectGroupItems *group = nullptr;
        TVYRADocument *document = nullptr; // nullptr for a group node
        bool neverStored = false;
        QList<TNode> children;
    };
    // One selected node: the group's row and the child's row (-1: the group itself).
    struct TSelection {
        int group = -1;
        int child = -1;
    };
    using TSaveDocument = std::function<bool(TVYRADocument *document)>;
    using TSaveGroup = std::function<bool(TVYRAProjectGroupItems *group)>;

    // groups: the groups offered, in list order.
    TCloseDialogModel(TVYRADocumentContainer &container, QList<TVYRAProjectGroupItems *> groups,
                      TSaveDocument saveDocument, TSaveGroup saveGroup);

    static QString Caption(TCloseDialogMode mode);
    static QString LeaveButtonText(TCloseDialogMode mode);
    static QString HeaderText();
    static QString HintText();
    static QString NeverStoredWarning();

    // The entries that need attention: documents that are modified or were
    // never stored, and groups that are modified, hold such documents, or
    // hold documents without having a file of their own (the default group
    // aside). A group listed only for its documents does not count.
    int AttentionCount() const;
    // Builds the tree again from the current state.
    void Rebuild();
    const QList<TNode> &Nodes() const { return m_nodes; }
    bool HasNeverStored() const;

    // "Speichern": saves the selected groups and documents (documents
    // first, so that a group is written with its documents' new names),
    // then rebuilds. True when the tree has become empty.
    bool SaveSelected(const QList<TSelection> &selection);
    // "Alle speichern": every listed document, then every listed group; true
    // when the tree has become empty. A cancelled or failed save keeps its
    // entry, so the dialog stays open over it.
    bool SaveAll();

private:
    bool documentNeedsAttention(const TVYRADocument *document) const;
    bool groupNeedsAttention(const TNode &node) const;
    bool isDefaultGroup(const TVYRAProjectGroupItems *group) const;
    TNode groupNode(TVYRAProjectGroupItems *group) const;
    QList<TVYRADocument *> documentsOf(const TVYRAProjectGroupItems *group) const;

    TVYRADocumentContainer &m_container;
    QList<TVYRAProjectGroupItems *> m_groups;
    TSaveDocument m_saveDocument;
    TSaveGroup m_saveGroup;
    QList<TNode> m_nodes;
};
