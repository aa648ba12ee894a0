// Reads arbitrary bytes as "reload.xml". Must never crash or hang; damaged
// input is refused with an error text and no entries; what was read writes
// and reads back unchanged.
#include "documents/TReloadList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const TReloadList::TReadResult read = TReloadList::Read(bytes);
    if (!read.ok) {
        if (read.errorText.isEmpty() || !read.projects.isEmpty())
            std::abort();
        return 0;
    }
    const TReloadList::TReadResult again = TReloadList::Read(TReloadList::Write(read.projects));
    if (!again.ok || again.projects != read.projects)
        std::abort();
    return 0;
}
