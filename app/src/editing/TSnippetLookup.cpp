#include "editing/TSnippetLookup.h"

#include "snippets/TSnippet.h"
#include "snippets/TSnippetGroup.h"

#include <algorithm>

namespace {

void search(const TSnippetGroup &group, const QString &word, TSnippet *&found)
{
    for (int i = 0; i < group.GetSnippetCount(); ++i) {
        TSnippet *snippet = group.GetSnippet(i);
        if (snippet && snippet->Shortcut == word) {
            found = snippet;
            break;
        }
    }
    for (int i = 0; i < group.GetGroupCount(); ++i)
        if (const TSnippetGroup *child = group.GetGroup(i))
            search(*child, word, found);
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

TSnippet *TSnippetLookup::Find(const TSnippetGroup *root, const QString &word)
{
    TSnippet *found = nullptr;
    if (root && !word.isEmpty())
        search(*root, word, found);
    return found;
}

QString TSnippetLookup::WordAt(const QString &line, int offset, int &start)
{
    offset = std::clamp(offset, 0, int(line.size()));
    start = offset;
    while (start > 0 && isWordChar(line.at(start - 1)))
        --start;
    int end = offset;
    while (end < line.size() && isWordChar(line.at(end)))
        ++end;
    return line.mid(start, end - start);
}
