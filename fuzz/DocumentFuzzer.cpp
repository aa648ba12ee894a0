// Reads arbitrary bytes as an enciphered document (".qcd") with only the
// pass-through cipher installed: damaged input must end in the documented
// exceptions, never a crash, a hang or an allocation beyond the input.
#include "ciphers/TCipherList.h"
#include "documents/TVYRADocument.h"
#include "utils/VYRAExceptions.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TCipherList ciphers;
    QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer stream(&input);
    stream.open(QIODevice::ReadOnly);
    TVYRADocument document(QStringLiteral("fuzz.qcd"), QString(), nullptr, &ciphers, nullptr, true);
    try {
        QString checksum;
        document.LoadFromStream(stream, checksum);
    } catch (const EVYRAException &) {
        return 0;
    }
    if (document.EncryptedText().size() > qsizetype(size))
        std::abort();
    // Without a stored password the pass-through opens it; a stored slow
    // verifier is not tried here (its cost is the point of it).
    if (!document.NeedsPassword())
        document.OpenStored({}, [](TVYRADocument &) { return true; });
    return 0;
}
