#pragma once

#include <QHash>
#include <QString>
#include <optional>

// The texts the generic insert commands put into the document, by action
// name: a start text and, for commands that enclose the selection, an end
// text. Texts may hold "%cursor%" where the caret goes.
class TTagInsertList
{
public:
    struct TEntry {
        QString start;
        std::optional<QString> end; // none: the start text is inserted as a block
    };

    void Add(const QString &action, const QString &start, std::optional<QString> end = std::nullopt);
    // A tag name T stands for "<T>" and "</T>".
    void AddTag(const QString &action, const QString &tag);
    const TEntry *Find(const QString &action) const;
    int Count() const { return int(m_entries.size()); }

    // The built-in HTML commands (bold, lists, form fields, headings ...).
    static TTagInsertList Standard();

private:
    QHash<QString, TEntry> m_entries;
};
