#include "dialogs/TSnippetGroupChoice.h"

#include "snippets/TSnippets.h"
#include "ui/TPrompter.h"


TSnippetGroupChoice::TSnippetGroupChoice(TSnippets &store) : m_store(store)
{
    collect(*store.RootGroup(), QString());
    if (m_entries.isEmpty())
        m_entries.append({QStringLiteral("Snippets"), nullptr});
}

void TSnippetGroupChoice::collect(TSnippetGroup &group, const QString &prefix)
{
    for (int i = 0; i < group.GetGroupCount(); ++i) {
        TSnippetGroup *child = group.GetGroup(i);
        const QString caption = prefix.isEmpty() ? child->Name : prefix + QStringLiteral(" -> ") + child->Name;
        m_entries.append({caption, child});
        collect(*child, caption);
    }
}

int TSnippetGroupChoice::IndexOf(const TSnippetGroup *group) const
{
    for (int i = 0; i < m_entries.size(); ++i)
        if (group && m_entries[i].group == group)
            return i;
    return 0;
}

bool TSnippetGroupChoice::AddSnippet(int entry, const QString &name, const QString &text, const QString &shortText)
{
    if (entry < 0 || entry >= m_entries.size())
        return false;
    TSnippetGroup *root = m_store.RootGroup();
    TSnippetGroup *group = m_entries[entry].group;
    const bool created = !group;
    if (created)
        group = root->AddGroup(QStringLiteral("Snippets"));
    const int index = group->AddSnippet(std::make_unique<TSnippet>(name, text, shortText));
    const TOperationResult saved = m_store.SaveToXML();
    if (saved) {
        m_entries[entry].group = group;
        return true;
    }
    TPrompter::instance().error(QStringLiteral("Das Code-Snippet \"%1\" wurde nicht hinzugefügt.\n%2")
                                    .arg(name, saved.errorText));
    group->DeleteSnippet(index);
    if (created)
        root->DeleteGroup(group);
    return false;
}
