// Reads arbitrary bytes as "multihighlighter.xml". Must never crash or hang;
// every scheme must point at a highlighter of the registry, and short names
// must be unique and never empty.
#include "editor/TSynMultiSyn.h"
#include "filetypes/XmlStore.h"
#include "framework/VYRAExceptions.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"

#include <QSet>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    pugi::xml_document doc;
    try {
        if (!ParseXmlStore(doc, QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)),
                           "multihighlighter"))
            return 0;
    } catch (const EInvalidVYRAFormat &) {
        return 0;
    }
    TIHighlighters registry;
    AddDefaultHighlighter(registry, QStringLiteral("Kein"));
    AddStandardHighlighters(registry);
    registry.ReadMultiHighlighters(doc.document_element());
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
    // Deleting entries must leave every scheme pointing into the registry.
    while (registry.GetHighlighterCount() > 1)
        registry.DelHighlighter(1);
    return 0;
}
