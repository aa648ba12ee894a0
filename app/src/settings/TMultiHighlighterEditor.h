#pragma once

#include <QColor>
#include <QList>
#include <QString>

class TIHighlighter;
class TIHighlighters;
class TPrompter;
class TScheme;

// The rules of the multi-highlighter editor, on the highlighter registry:
// new and removed multi-highlighters, which single highlighters take part
// (the default one and one scheme per embedded highlighter), the embedding
// of a scheme and storing "multihighlighter.xml". Refusals are told through
// the prompter and change nothing.
class TMultiHighlighterEditor
{
public:
    // How a scheme's start and end markers look and are found.
    struct TEmbedding {
        QString startExpr;
        QString endExpr;
        unsigned style = 0; // TSynFontStyle flags
        QColor foreground;
        QColor background;
    };

    TMultiHighlighterEditor(TIHighlighters &highlighters, const QString &fileName, TPrompter &prompter);

    QList<TIHighlighter *> MultiHighlighters() const;
    // The single highlighters a scheme may embed (not the plain-text entry).
    QList<TIHighlighter *> SingleHighlighters() const;

    static bool IsDefault(const TIHighlighter &multi, const TIHighlighter &single);
    // The scheme embedding single, or nullptr.
    static TScheme *SchemeOf(const TIHighlighter &multi, const TIHighlighter &single);
    // Default or embedded.
    static bool IsTicked(const TIHighlighter &multi, const TIHighlighter &single);

    // "Neu...": "Multihighlighter" over the registry's second entry, with a
    // scheme for the third. nullptr (and told) with fewer than three entries.
    TIHighlighter *New();
    // "Entfernen" after the question; the file is written.
    bool Remove(TIHighlighter *multi);

    // Ticking embeds single in a scheme with empty expressions.
    bool Tick(TIHighlighter &multi, const TIHighlighter &single);
    // Unticking removes single's scheme; unticking the default makes the
    // first scheme's highlighter the default and removes that scheme.
    bool Untick(TIHighlighter &multi, const TIHighlighter &single);
    // "Als Standardehervorhebung": single's scheme goes, single becomes the default.
    bool MakeDefault(TIHighlighter &multi, const TIHighlighter &single);

    static TEmbedding EmbeddingOf(const TScheme &scheme);
    // Writes the embedding into single's scheme; an expression the
    // multi-highlighter refuses is told and leaves the scheme as it was.
    bool ApplyEmbedding(TIHighlighter &multi, const TIHighlighter &single, const TEmbedding &embedding);

    // "Schema speichern": a changed name becomes the long name with a new
    // short name; then the file is written.
    bool SaveScheme(TIHighlighter &multi, const QString &name);
    bool Save();

private:
    // A multi-highlighter needs at least one scheme: without one it is a
    // plain entry and would drop out of the file.
    bool keepsAScheme(const TIHighlighter &multi, const TIHighlighter &single, bool isDefault);

    TIHighlighters &m_highlighters;
    QString m_fileName;
    TPrompter &m_prompter;
};
