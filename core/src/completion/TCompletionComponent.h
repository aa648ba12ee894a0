#pragma once

#include "completion/TSynCompletionType.h"
#include "vyra_export.h"

#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class ICompletionEditor;
class TCompletionIndex;
class TCompletionComponent;

// Asked before a component opens; clears canExecute to keep it closed.
using TCompletionExecuteHandler = std::function<void(TCompletionComponent &sender, bool &canExecute)>;

// The state of one completion pop-up without its window: what it lists, what
// it inserts, what opens it and, in hint form, which parameter it marks. The
// catalogues fill components of their own; every editor has its own pair,
// which the completion service sets up from a catalogue.
class VYRA_EXPORT TCompletionComponent
{
public:
    explicit TCompletionComponent(TSynCompletionType kind = ctCode);
    ~TCompletionComponent();
    TCompletionComponent(const TCompletionComponent &) = delete;
    TCompletionComponent &operator=(const TCompletionComponent &) = delete;

    TSynCompletionType DefaultKind = ctCode;
    TSynCompletionType DisplayKind = ctCode;
    QString TriggerChars;
    QString EndOfTokenChr;
    unsigned Options = 0;
    int TimerInterval = 100; // ms between a trigger character and opening
    QKeySequence ShortCut;
    // Hint form: the parameter to mark (0-based).
    int CurrentIndex = 0;
    // Hint form: the function whose parameters the item list holds, so an
    // unchanged call does not rebuild the list. Kept here, per editor.
    QString LastFunction;
    TCompletionExecuteHandler OnExecute;

    const QStringList &ItemList() const { return m_items; }
    void SetItemList(const QStringList &items);
    const QStringList &InsertList() const { return m_inserts; }
    void SetInsertList(const QStringList &inserts);
    void AddItem(const QString &item, const QString &insert);
    void ClearLists();

    // The editor the component is attached to; not owned.
    ICompletionEditor *Editor() const { return m_editor; }
    void SetEditor(ICompletionEditor *editor) { m_editor = editor; }

    // What item i inserts: its insert entry, or the item text when there is none.
    QString CompletionText(int i) const;
    // Item i as a list line: the item without its mark-up, starting at the
    // text it inserts, so that typing on narrows the list.
    QString DisplayText(int i) const;
    // Items whose completion text starts with prefix, any case; at most
    // limit of them when limit is not negative.
    QList<int> Matching(const QString &prefix, int limit = -1) const;
    // Asks the execute handler; true when the component may open.
    bool Execute();

    // Takes over what a catalogue decides (kinds, lists, trigger and
    // end-of-token characters, options, timer interval) and forgets the last
    // function shown, since the lists now are the catalogue's.
    void AssignSettings(const TCompletionComponent &source);

    // An item text without the "\color{..}", "\column{}" and "\style{..}" marks.
    static QString StripMarkup(const QString &item);

private:
    const TCompletionIndex &Index() const;

    QStringList m_items;
    QStringList m_inserts;
    ICompletionEditor *m_editor = nullptr;
    mutable std::shared_ptr<const TCompletionIndex> m_index;
};
