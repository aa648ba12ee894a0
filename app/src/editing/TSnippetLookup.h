#pragma once

#include <QString>

class TSnippet;
class TSnippetGroup;

// Finds the snippet a short text typed in the editor stands for.
class TSnippetLookup
{
public:
    // Walks the group tree in order (a group's snippets, then its subgroups);
    // in each group the first snippet whose short text equals word exactly
    // (case-sensitive) counts, and of several groups the last one wins.
    // nullptr for an empty word or when no snippet has that short text.
    static TSnippet *Find(const TSnippetGroup *root, const QString &word);
    // The word around offset: the run of letters, digits and "_" that holds
    // it or ends at it; start receives its offset.
    static QString WordAt(const QString &line, int offset, int &start);
};
