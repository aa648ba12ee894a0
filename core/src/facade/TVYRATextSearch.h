#pragma once

#include "facade/ITextRegex.h"
#include "settings/VYRASettingsTypes.h"
#include "vyra_export.h"

#include <QList>
#include <QString>
#include <memory>

class IEditorDocument;
class TEditorControl;

// Finding and replacing in one document, in whichever editor shows it. Every
// step searches the control's current text again, so edits in between are
// never missed.
class VYRA_EXPORT TVYRATextSearch
{
public:
    TVYRATextSearch(IEditorDocument *document, std::shared_ptr<const ITextRegex> regex);

    // The first match in search direction: in the code editor of the whole
    // text (or of the selection it searches), in the rich editor from the
    // caret with xsoFromCursor.
    bool FindFirst(const QString &Text);
    bool FindFirst();
    bool FindNext();
    // Replaces the first match, or with xsoReplaceAll every match; asks
    // through the document's replace question when xsoReplacePrompt is set.
    bool Replace(const QString &Text, const QString &ReplaceBy);

    QString SearchText;
    QString ReplaceText;
    TVYRASearchOptions Options;
    int FoundPos = -1;
    int FoundLen = 0;
    int MatchIndex = -1;

private:
    // codeFromCaret: the code editor honours xsoFromCursor (a replace does).
    bool findFirst(const QString &Text, bool codeFromCaret);
    QList<TTextMatch> matches(const TEditorControl &control) const;
    // The first match at or after from (or before it, searching backwards).
    int pickFrom(const QList<TTextMatch> &list, int from) const;
    bool take(TEditorControl &control, const QList<TTextMatch> &list, int index);
    void clearFound();
    int replaceEach(TEditorControl &control, const QList<TTextMatch> &original, const QString &ReplaceBy, bool prompt,
                    int &textLength);
    int replaceAllAtOnce(TEditorControl &control, const QList<TTextMatch> &original, const QString &ReplaceBy,
                         int &textLength);
    // Every match of the whole text, front to back.
    QList<TTextMatch> forwardMatches(const TEditorControl &control);
    // Selects the first of the original matches that, moved by shift, starts at or after from.
    bool takeShifted(TEditorControl &control, const QList<TTextMatch> &original, int shift, int from);

    IEditorDocument *m_document;
    std::shared_ptr<const ITextRegex> m_regex;
};
