#pragma once

#include "vyra_export.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <memory>

namespace pugi {
class xml_node;
}
class QObject;
class TIHighlighters;
class TSynCustomHighlighter;
class TSynMultiSyn;
struct TStoredMultiHighlighter;

// One entry of the highlighter registry: a plain highlighter under a short
// name (the key in files) and a long name (shown to the user), and a
// multi-highlighter whose schemes make it a multi-highlighter entry. The
// plain highlighter is shared with the entries copied from this one, so a
// copy never refers to a freed highlighter.
class VYRA_EXPORT TIHighlighter
{
public:
    TIHighlighter(TIHighlighters *owner, QString shortName, QString longName,
                  std::shared_ptr<TSynCustomHighlighter> highlighter);
    // A copy with its own multi-highlighter and the same schemes.
    TIHighlighter(const TIHighlighter &source);
    ~TIHighlighter();
    TIHighlighter &operator=(const TIHighlighter &) = delete;

    TIHighlighters *Owner() const { return m_owner; }
    const QString &ShortName() const { return m_shortName; }
    void SetShortName(const QString &name) { m_shortName = name; }
    const QString &LongName() const { return m_longName; }
    void SetLongName(const QString &name) { m_longName = name; }
    bool IsCopy() const { return m_isCopy; }

    // The plain highlighter (the multi-highlighter's default highlighter).
    TSynCustomHighlighter *GetHighlighter() const;
    const std::shared_ptr<TSynCustomHighlighter> &SharedHighlighter() const { return m_highlighter; }
    // Makes another plain highlighter the entry's and its multi-highlighter's default.
    void SetPlainHighlighter(std::shared_ptr<TSynCustomHighlighter> highlighter);
    TSynMultiSyn *MultiHighlighter() const { return m_multi.get(); }
    bool IsMultiHighlighter() const;
    // What an editor shows for this entry.
    TSynCustomHighlighter *EditorHighlighter() const;

    // Components that belong to this highlighter, looked up by object name.
    QObject *GetComponent(int i) const;
    void SetComponent(int i, QObject *component);
    int GetCompCount() const { return int(m_components.size()); }
    void AddComponent(QObject *component);
    void DeleteAllComponents() { m_components.clear(); }
    void DeleteComponent(int i);
    int FindComponent(const QString &name) const;

    // Reads one element of "multihighlighter.xml".
    void InitialiseMultiHighlighting(const pugi::xml_node &node);
    void InitialiseMultiHighlighting(const TStoredMultiHighlighter &stored);
    // Turns a plain entry into a multi-highlighter with one scheme for other.
    void CreateMultihighlighter(const TIHighlighter &other);
    // A free short name for an entry whose own is taken or empty: two
    // entries under one key could not be told apart in any stored file.
    void CreateShortName();

    // The plug-in view.
    QString GetLongName() const { return m_longName; }
    QString GetShortName() const { return m_shortName; }
    int Get_PresentHighlighterCount() const;
    std::unique_ptr<TIHighlighter> Get_PresentHighlighters(int i) const;
    bool IsHighlighterPresent(const TIHighlighter &highlighter) const;

private:
    bool matches(const TIHighlighter &other) const;

    TIHighlighters *m_owner = nullptr;
    QString m_shortName;
    QString m_longName;
    std::shared_ptr<TSynCustomHighlighter> m_highlighter;
    std::unique_ptr<TSynMultiSyn> m_multi;
    QList<QPointer<QObject>> m_components;
    bool m_isCopy = false;
};
