// Decodes arbitrary bytes as a user's text file and writes them back: they
// must encode to the very same bytes.
#include "documents/TTextFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const TTextFile file = TTextFile::Decode(input);
    QByteArray back;
    if (!file.Encode(back))
        return 0;
    // Bytes a BOM's encoding cannot hold are read as Windows-1252, so every
    // input comes back unchanged.
    if (back != input)
        std::abort();
    return 0;
}
