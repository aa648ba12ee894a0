#include "completion/TCompletionComponent.h"

#include "completion/TCompletionIndex.h"

#include <QRegularExpression>

TCompletionComponent::TCompletionComponent(TSynCompletionType kind) : DefaultKind(kind), DisplayKind(kind) {}

TCompletionComponent::~TCompletionComponent() = default;

void TCompletionComponent::SetItemList(const QStringList &items)
{
    m_items = items;
    m_index.reset();
}

void TCompletionComponent::SetInsertList(const QStringList &inserts)
{
    m_inserts = inserts;
    m_index.reset();
}

void TCompletionComponent::AddItem(const QString &item, const QString &insert)
{
    m_items.append(item);
    if (!insert.isNull())
        m_inserts.append(insert);
    m_index.reset();
}

void TCompletionComponent::ClearLists()
{
    m_items.clear();
    m_inserts.clear();
    m_index.reset();
}

QString TCompletionComponent::CompletionText(int i) const
{
    if (i < 0 || i >= m_items.size())
        return {};
    if (i < m_inserts.size() && !m_inserts[i].isEmpty())
        return m_inserts[i];
    return StripMarkup(m_items[i]);
}

QString TCompletionComponent::DisplayText(int i) const
{
    const QString shown = StripMarkup(m_items.value(i)).simplified();
    const QString insert = CompletionText(i);
    // The inserted word where it starts a word of the shown text ("unc" is
    // not found inside "function").
    qsizetype at = insert.isEmpty() ? -1 : shown.indexOf(insert, 0, Qt::CaseInsensitive);
    while (at > 0 && (shown[at - 1].isLetterOrNumber() || shown[at - 1] == u'_'))
        at = shown.indexOf(insert, at + 1, Qt::CaseInsensitive);
    if (insert.isEmpty() || at < 0)
        return insert.isEmpty() ? shown : insert;
    return shown.mid(at);
}

const TCompletionIndex &TCompletionComponent::Index() const
{
    if (!m_index) {
        QStringList texts;
        texts.reserve(m_items.size());
        for (int i = 0; i < m_items.size(); ++i)
            texts.append(CompletionText(i));
        m_index = std::make_shared<TCompletionIndex>(texts);
    }
    return *m_index;
}

QList<int> TCompletionComponent::Matching(const QString &prefix, int limit) const
{
    return Index().Matching(prefix, limit);
}

bool TCompletionComponent::Execute()
{
    bool canExecute = true;
    if (OnExecute)
        OnExecute(*this, canExecute);
    return canExecute;
}

void TCompletionComponent::AssignSettings(const TCompletionComponent &source)
{
    DefaultKind = source.DefaultKind;
    DisplayKind = source.DisplayKind;
    m_items = source.m_items;
    m_inserts = source.m_inserts;
    // The lists are shared copies: so is their index, built once per catalogue.
    (void)source.Index();
    m_index = source.m_index;
    TriggerChars = source.TriggerChars;
    EndOfTokenChr = source.EndOfTokenChr;
    Options = source.Options;
    TimerInterval = source.TimerInterval;
    LastFunction.clear();
    CurrentIndex = 0;
}

QString TCompletionComponent::StripMarkup(const QString &item)
{
    if (!item.contains(u'\\'))
        return item;
    static const QRegularExpression marks(QStringLiteral("\\\\(?:color|column|style|image|hspace)\\{[^}]*\\}"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString plain = item;
    plain.remove(marks);
    return plain;
}
