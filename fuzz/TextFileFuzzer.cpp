// Decodes arbitrary bytes as a user's text file and writes them back: what
// could be decoded must encode to the very same bytes.
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
    // UTF-16 input of odd length or with lone surrogates cannot round-trip;
    // every other decoding must.
    if (file.format.encoding != TTextEncoding::teUtf16LE && file.format.encoding != TTextEncoding::teUtf16BE
        && back != input)
        std::abort();
    return 0;
}
