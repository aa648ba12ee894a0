// Reads arbitrary bytes as a journal entry: damaged input is refused, never
// a crash or a huge allocation; an entry that reads writes back the same bytes.
#include "recovery/TJournalEntry.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<TJournalEntry> entry = TJournalEntry::Decode(input);
    if (entry && entry->Encode() != input)
        std::abort();
    return 0;
}
