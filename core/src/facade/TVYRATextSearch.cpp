#include "facade/TVYRATextSearch.h"

#include "facade/IEditorDocument.h"
#include "facade/TEditorControl.h"
#include "facade/TTextFinder.h"

#include <algorithm>
#include <cstdlib>

TVYRATextSearch::TVYRATextSearch(IEditorDocument *document, std::shared_ptr<const ITextRegex> regex)
    : m_document(document)
    , m_regex(std::move(regex))
{
}

void TVYRATextSearch::clearFound()
{
    FoundPos = -1;
    FoundLen = 0;
    MatchIndex = -1;
}

QList<TTextMatch> TVYRATextSearch::matches(const TEditorControl &control) const
{
    QList<TTextMatch> list = TTextFinder(m_regex.get(), Options).FindAll(control.Text(), SearchText);
    // The code editor searches only the selection unless the whole text or
    // a continued search is asked for.
    if (control.IsCode() && !Options.testFlag(xsoWholeText) && !Options.testFlag(xsoFindNext)
        && control.SelLength() > 0) {
        const int start = control.SelStart();
        const int end = start + control.SelLength();
        list.removeIf([start, end](const TTextMatch &m) { return m.pos < start || m.pos + m.len > end; });
    }
    return list;
}

int TVYRATextSearch::pickFrom(const QList<TTextMatch> &list, int from) const
{
    if (Options.testFlag(xsoBackwards)) {
        for (int i = int(list.size()) - 1; i >= 0; --i) {
            if (list[i].pos + list[i].len <= from)
                return i;
        }
        return -1;
    }
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].pos >= from)
            return i;
    }
    return -1;
}

bool TVYRATextSearch::take(TEditorControl &control, const QList<TTextMatch> &list, int index)
{
    if (index < 0 || index >= list.size()) {
        clearFound();
        return false;
    }
    MatchIndex = index;
    FoundPos = list[index].pos;
    FoundLen = list[index].len;
    control.SetSelection(FoundPos, FoundLen);
    return true;
}

bool TVYRATextSearch::FindFirst(const QString &Text)
{
    return findFirst(Text, false);
}

bool TVYRATextSearch::findFirst(const QString &Text, bool codeFromCaret)
{
    if (Text.isEmpty())
        return false;
    SearchText = Text;
    if (m_document)
        m_document->SearchStarted();
    TEditorControl control(m_document);
    if (!control.IsValid()) {
        clearFound();
        return false;
    }
    const QList<TTextMatch> list = matches(control);
    // Finding first, the code editor takes the first match of the whole
    // text (or of the selection it searches) in search direction, wherever
    // the caret is; the caret counts from FindNext on, and for a replace.
    // The rich editor starts from the caret when asked, behind the
    // selection's last character.
    int from = Options.testFlag(xsoBackwards) ? int(control.Text().size()) : 0;
    if (Options.testFlag(xsoFromCursor)) {
        if (!control.IsCode())
            from = std::abs(control.SelStart() + control.SelLength() - 1);
        else if (codeFromCaret)
            from = Options.testFlag(xsoBackwards) ? control.SelStart() : control.SelStart() + control.SelLength();
    }
    return take(control, list, pickFrom(list, from));
}

bool TVYRATextSearch::FindFirst()
{
    return FindFirst(SearchText);
}

bool TVYRATextSearch::FindNext()
{
    if (SearchText.isEmpty())
        return false;
    TEditorControl control(m_document);
    if (!control.IsValid())
        return false;
    const QList<TTextMatch> list = matches(control);
    const int selStart = control.SelStart();
    const int selEnd = selStart + control.SelLength();
    if (Options.testFlag(xsoBackwards))
        return take(control, list, pickFrom(list, selStart));
    // A match inside the selection is the current one.
    int index = -1;
    for (int i = 0; i < list.size() && index < 0; ++i) {
        const bool current = list[i].pos >= selStart && list[i].pos + list[i].len <= selEnd && selEnd > selStart;
        if (list[i].pos >= selStart && !current)
            index = i;
    }
    return take(control, list, index);
}

QList<TTextMatch> TVYRATextSearch::forwardMatches(const TEditorControl &control)
{
    const TVYRASearchOptions saved = Options;
    Options |= xsoWholeText;
    Options &= ~TVYRASearchOptions(xsoBackwards);
    QList<TTextMatch> list = matches(control);
    Options = saved;
    return list;
}

bool TVYRATextSearch::Replace(const QString &Text, const QString &ReplaceBy)
{
    if (Text.isEmpty())
        return false;
    ReplaceText = ReplaceBy;
    TEditorControl control(m_document);
    const int caret = control.SelStart();
    if (!findFirst(Text, true))
        return false;
    // The matches are searched once; a match behind the replaced ones sits
    // where it was, moved by what the replacements before it added or took.
    // Searching the whole text again after every replacement made
    // replace-all quadratic in the size of the document.
    const QList<TTextMatch> original = forwardMatches(control);
    const bool prompt = Options.testFlag(xsoReplacePrompt);
    int textLength = int(control.Text().size());
    control.BeginUpdate();
    // Plain text has no formats to keep: every replacement goes in as one edit.
    const int replaced = !prompt && Options.testFlag(xsoReplaceAll) && control.IsCode()
        ? replaceAllAtOnce(control, original, ReplaceBy, textLength)
        : replaceEach(control, original, ReplaceBy, prompt, textLength);
    control.EndUpdate();
    control.SetSelection(qMin(caret, textLength), 0);
    if (replaced > 0)
        m_document->Changed();
    return control.IsCode() ? replaced > 0 : true;
}

int TVYRATextSearch::replaceEach(TEditorControl &control, const QList<TTextMatch> &original, const QString &ReplaceBy,
                                 bool prompt, int &textLength)
{
    TReplaceAction action = prompt ? m_document->AskReplace(control.SelText(), ReplaceBy) : raReplace;
    int replaced = 0;
    int shift = 0;
    while (action != raCancel) {
        int next = FoundPos + FoundLen;
        if (action == raReplace || action == raReplaceAll) {
            control.SetSelection(FoundPos, FoundLen);
            control.ReplaceSelection(ReplaceBy);
            ++replaced;
            shift += int(ReplaceBy.size()) - FoundLen;
            textLength += int(ReplaceBy.size()) - FoundLen;
            // Go on behind the inserted text: a replacement that holds the
            // search text must not be found again. An empty match moves on.
            next = FoundPos + int(ReplaceBy.size()) + (FoundLen == 0 ? 1 : 0);
        } else if (FoundLen == 0) {
            ++next;
        }
        if (!Options.testFlag(xsoReplaceAll) || next > textLength || !takeShifted(control, original, shift, next))
            break;
        if (prompt && action != raReplaceAll)
            action = m_document->AskReplace(control.SelText(), ReplaceBy);
    }
    return replaced;
}

int TVYRATextSearch::replaceAllAtOnce(TEditorControl &control, const QList<TTextMatch> &original,
                                      const QString &ReplaceBy, int &textLength)
{
    const QString text = control.Text();
    const int spanStart = FoundPos;
    int done = FoundPos;
    QString result;
    int replaced = 0;
    for (TTextMatch match{FoundPos, FoundLen};;) {
        result += QStringView(text).mid(done, match.pos - done);
        result += ReplaceBy;
        ++replaced;
        done = match.pos + match.len;
        const int next = done + (match.len == 0 ? 1 : 0);
        const auto found = std::lower_bound(original.begin(), original.end(), next,
                                            [](const TTextMatch &m, int pos) { return m.pos < pos; });
        if (next > text.size() || found == original.end())
            break;
        match = *found;
    }
    control.SetSelection(spanStart, done - spanStart);
    control.ReplaceSelection(result);
    textLength = int(text.size()) + int(result.size()) - (done - spanStart);
    clearFound();
    return replaced;
}

bool TVYRATextSearch::takeShifted(TEditorControl &control, const QList<TTextMatch> &original, int shift, int from)
{
    const auto found = std::lower_bound(original.begin(), original.end(), from - shift,
                                        [](const TTextMatch &m, int pos) { return m.pos < pos; });
    if (found == original.end()) {
        clearFound();
        return false;
    }
    MatchIndex = int(found - original.begin());
    FoundPos = found->pos + shift;
    FoundLen = found->len;
    control.SetSelection(FoundPos, FoundLen);
    return true;
}
