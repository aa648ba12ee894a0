// Reads arbitrary bytes as "multihighlighter.xml". Must never crash or hang;
// every scheme must point at a highlighter of the registry, and short names
// must be unique and never empty.
#include "HighlighterRegistryChecks.h"
#include "utils/XmlStore.h"
#include "utils/VYRAExceptions.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighters.h"

#include <cstddef>
#include <cstdint>

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
    CheckRegistryInvariants(registry);
    return 0;
}
