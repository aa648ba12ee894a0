// Reads arbitrary bytes as an enciphered data file (".qdf") with only the
// pass-through cipher installed.
#include "ciphers/TCipherList.h"
#include "documents/TVYRAFile.h"
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
    TVYRAFile file(QStringLiteral("fuzz.qdf"), QString(), nullptr, &ciphers, nullptr, true);
    try {
        QString version;
        file.LoadFromStream(stream, version);
    } catch (const EVYRAException &) {
        return 0;
    }
    if (file.CipherData().size() > qsizetype(size))
        std::abort();
    if (!file.StoredPasswordHash().startsWith(QLatin1String("PBKDF2$")) && file.Unlock(QString()))
        file.DeCrypt();
    return 0;
}
