#pragma once

// What must hold for the highlighter registry after any stored input was
// read: unique, never empty short names, every scheme on a registered
// highlighter, and the same after entries are deleted.
#include "editor/TSynMultiSyn.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"

#include <QSet>
#include <cstdlib>

inline void CheckRegistryInvariants(TIHighlighters &registry)
{
    QSet<QString> names;
    for (int i = 0; i < registry.GetHighlighterCount(); ++i) {
        const TIHighlighter *entry = registry.GetHighlighter(i);
        if (entry->ShortName().isEmpty() || names.contains(entry->ShortName()))
            std::abort();
        names.insert(entry->ShortName());
        for (int s = 0; s < entry->MultiHighlighter()->schemeCount(); ++s) {
            if (registry.ShortNameOf(entry->MultiHighlighter()->scheme(s).highlighter()).isEmpty())
                std::abort();
        }
    }
    while (registry.GetHighlighterCount() > 1)
        registry.DelHighlighter(1);
}
