// Reads arbitrary bytes as the document-type catalogue and as the character
// table. Must never crash or hang; the character table must hold each code
// once, findable under its own index.
#include "catalogues/TDocTypeList.h"
#include "catalogues/TSpecialCharacterList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    TDocTypeList docTypes(nullptr);
    const bool docTypesRead = docTypes.LoadFromBytes(input);
    if (docTypesRead != docTypes.ErrorText().isEmpty() || (!docTypesRead && docTypes.GetCount() != 0))
        std::abort();
    for (int i = 0; i < docTypes.GetCount(); ++i) {
        if (!docTypes.GetItems(i))
            std::abort();
    }

    TSpecialCharacterList characters(nullptr);
    const bool charactersRead = characters.LoadFromBytes(input);
    if (charactersRead != characters.ErrorText().isEmpty() || (!charactersRead && characters.GetCount() != 0))
        std::abort();
    for (int i = 0; i < characters.GetCount(); ++i) {
        const TSpecialCharacter *character = characters.GetItems(i);
        if (!character || character->Code > 0x10FFFF || characters.IndexOf(character->Code) != i)
            std::abort();
        if (character->Character().isEmpty())
            std::abort();
    }
    return 0;
}
