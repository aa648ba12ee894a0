// Reads arbitrary bytes as a project group file (".qpg"). Must never crash or
// hang; what was read must store and read back to the same bytes.
#include "projects/TVYRAProjectGroupItems.h"
#include "utils/VYRAExceptions.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Never saved to disk: the name only stands in for the project's folder.
const QString kFileName = QStringLiteral("/nonexistent/fuzz.qpg");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    TVYRAProjectGroupItems group(nullptr, QString(), false);
    try {
        group.LoadFromBytes(input, kFileName);
    } catch (const EInvalidVYRAFormat &) {
        return 0;
    }
    if (group.Root() == nullptr || group.Root()->ItemType() != pitFolder || group.Modified())
        std::abort();
    // Walks that every caller relies on.
    int walked = 0;
    for (TVYRAProjectGroupItem *node = group.Root()->FirstItem(); node; node = node->NextItem())
        ++walked;
    if (walked != group.Root()->GetTotalCount())
        std::abort();
    group.AlphaSort();
    // The first store fills in what the file left out (folders fall back to
    // the project's); from then on storing and reading must be a fixed point.
    const QByteArray first = group.SaveToBytes();
    TVYRAProjectGroupItems second(nullptr, QString(), false);
    second.LoadFromBytes(first, kFileName);
    const QByteArray stored = second.SaveToBytes();
    TVYRAProjectGroupItems third(nullptr, QString(), false);
    third.LoadFromBytes(stored, kFileName);
    if (third.SaveToBytes() != stored)
        std::abort();
    return 0;
}
