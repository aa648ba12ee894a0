#pragma once

#include <QString>
#include <memory>
#include <vector>

class TSynCustomHighlighter;
class TSynMultiSynPCRE;

// The single-language highlighters and the PHP/HTML multi-highlighter the
// program uses until the file-type registry supplies them: one shared
// definition each, chosen by file extension.
class THighlighterSet
{
public:
    THighlighterSet();
    ~THighlighterSet();

    // nullptr for a name that is not in the set.
    TSynCustomHighlighter *byName(const QString &name) const;
    // The highlighter for a file extension (without dot); the general one
    // for unknown extensions.
    TSynCustomHighlighter *forExtension(const QString &extension) const;
    TSynMultiSynPCRE &phpHtml() const { return *m_phpHtml; }

private:
    std::vector<std::unique_ptr<TSynCustomHighlighter>> m_highlighters;
    TSynMultiSynPCRE *m_phpHtml = nullptr;
};
