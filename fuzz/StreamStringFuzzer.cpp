// Reads length-prefixed strings from arbitrary bytes until the input ends or
// is found damaged. Must never crash, hang or allocate beyond the input.
#include "utils/VYRAExceptions.h"
#include "utils/StreamStrings.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    // The first byte chooses the reader, so both the raw and the text form get explored.
    const bool asText = size > 0 && (data[0] & 1);
    TMemoryStreamExt stream;
    stream.setData(input.mid(1));
    stream.open(QIODevice::ReadOnly);
    qint64 total = 0;
    try {
        while (!stream.atEnd()) {
            const qint64 before = stream.pos();
            total += asText ? stream.ReadText().size() : stream.ReadString().size();
            // Every string read consumes its 4-byte count at least: no endless loop.
            if (stream.pos() < before + 4)
                std::abort();
        }
    } catch (const EStreamReadError &) {
        // damaged input is answered with the read error
    }
    if (total > qint64(size))
        std::abort();
    return 0;
}
