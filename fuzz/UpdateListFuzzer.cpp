// Reads arbitrary bytes as the update list. Must never crash or hang; a list
// is either refused with a message and no entries, or every entry it gives
// has a plain file name that cannot lead out of its folder.
#include "../updater/src/core/TUpdateListParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TUpdateList list =
        TUpdateListParser::Parse(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!list.ok()) {
        if (!list.entries.empty())
            std::abort();
        return 0;
    }
    for (const TUpdateFile &file : list.entries) {
        if (!TUpdateListParser::IsPlainFileName(file.FileName) || file.Size < 0)
            std::abort();
    }
    return 0;
}
