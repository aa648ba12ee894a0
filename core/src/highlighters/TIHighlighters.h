#pragma once

#include "vyra_export.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace pugi {
class xml_node;
}
class QSettings;
class TCodeEditor;
class TIHighlighter;
class TSynCustomHighlighter;
class TSynMultiSyn;
struct TStoredMultiHighlighter;

// Makes the multi-highlighter object of an entry; the program supplies its
// regular-expression multi-highlighter, the core's own finds markers as plain text.
using TMultiHighlighterFactory =
    std::function<std::unique_ptr<TSynMultiSyn>(const QString &name, const QString &longName)>;

// The highlighter registry: entry 0 is the plain-text entry, then the
// program's single-language highlighters, then the multi-highlighters of
// "multihighlighter.xml".
class VYRA_EXPORT TIHighlighters : public QObject
{
    Q_OBJECT
public:
    // An empty factory stands for the core's own multi-highlighter class.
    explicit TIHighlighters(TMultiHighlighterFactory factory = {}, QObject *parent = nullptr);
    ~TIHighlighters() override;

    std::unique_ptr<TSynMultiSyn> CreateMultiSyn(const QString &name, const QString &longName) const;

    TIHighlighter *GetHighlighter(int i) const;
    int GetHighlighterCount() const { return int(m_entries.size()); }
    // Entry 0, the plain-text entry; nullptr while the registry is empty.
    TIHighlighter *DefaultHighlighter() const { return GetHighlighter(0); }
    void Clear();
    TIHighlighter *AddHighlighter(std::unique_ptr<TIHighlighter> entry);
    TIHighlighter *AddHighlighter(const QString &shortName, const QString &longName,
                                  std::shared_ptr<TSynCustomHighlighter> highlighter);
    // Removes entry i (never entry 0). Everything that used it - file types,
    // schemes of other multi-highlighters, editors shown through
    // TrackEditor - is pointed at entry 0 first.
    bool DelHighlighter(int i);
    // Puts entry in place of entry i; what used the old entry uses the new one.
    bool SetHighlighter(int i, std::unique_ptr<TIHighlighter> entry);

    // First entry whose short or long name is name (case-sensitive); -1 if none.
    int IndexOf(const QString &name) const;
    // First entry whose plain highlighter (or multi-highlighter) is highlighter.
    int IndexOf(const TSynCustomHighlighter *highlighter) const;
    int IndexOf(const QObject *component) const;
    // By the entry's short name (the plug-in interface's look-up).
    int IndexOfEntry(const TIHighlighter &entry) const;
    TIHighlighter *FindHighlighter(const QString &name) const;
    QString ShortNameToLongName(const QString &name) const;
    // Long names; PlainOnly leaves out multi-highlighters and the default entry.
    void ListHighlighters(QStringList &strings, bool PlainOnly, QList<TIHighlighter *> *objects = nullptr) const;
    // An empty name is always taken: it would make an empty key and a
    // nameless attribute file.
    bool IsShortNameTaken(const QString &name, const TIHighlighter *except = nullptr) const;
    // The short name of the entry owning a plain highlighter; empty if none.
    QString ShortNameOf(const TSynCustomHighlighter *highlighter) const;

    // "multihighlighter.xml": a missing file is created (where possible), a
    // wrong root ends the load, a damaged file raises EInvalidVYRAFormat.
    void InitialiseMultiHighlighters(const QString &FileName);
    // Reads the multi-highlighters below an already loaded root.
    void ReadMultiHighlighters(const pugi::xml_node &root);
    // The older storage: each subkey (settings group) of KeyPath is one
    // multi-highlighter; its short name is always made anew. A missing key
    // reads nothing.
    void InitialiseMultiHighlighters(QSettings &settings, const QString &KeyPath);
    // False when the file has another root; raises when it cannot be written.
    bool SaveMultihighlighters(const QString &FileName) const;

    // Loads the attributes of an entry (and of its schemes' highlighters)
    // from userDir/<short name>.dat, else commonDir/<short name>.dat.
    void LoadAttributes(const TIHighlighter &entry, const QString &userDir, const QString &commonDir) const;

    // Editors to re-point when the entry they show is deleted.
    void TrackEditor(TCodeEditor *editor);

    // The plug-in view.
    int GetCount() const { return GetHighlighterCount(); }
    TIHighlighter *GetItem(int i) const { return GetHighlighter(i); }
    TIHighlighter *FindItem(const QString &name) const { return FindHighlighter(name); }

signals:
    // Sent before removed is freed; holders of it switch to replacement.
    void highlighterRemoved(TIHighlighter *removed, TIHighlighter *replacement);

private:
    bool addStoredMultiHighlighter(const TStoredMultiHighlighter &stored);
    bool isRegisteredPlain(const TSynCustomHighlighter *highlighter) const;
    void repointOrphans(const TIHighlighter &gone, const TIHighlighter &replacement);
    void loadAttributesOf(TSynCustomHighlighter *highlighter, const QString &userDir, const QString &commonDir) const;

    TMultiHighlighterFactory m_factory;
    std::vector<std::unique_ptr<TIHighlighter>> m_entries;
    QList<QPointer<TCodeEditor>> m_editors;
};
