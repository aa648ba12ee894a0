// Reads arbitrary bytes as "recent.xml". Must never crash or hang; a
// malformed document may only raise the framework's format error; at most
// ten names are read, and they save and read back unchanged.
#include "snippets/TVYRAMRUList.h"
#include "utils/VYRAExceptions.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("recent.xml"));
    QFile::remove(file);
    TVYRAMRUList list(file);
    try {
        list.LoadFromData(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const EInvalidVYRAFormat &) {
        return 0;
    }
    if (list.GetCount() > list.MaxCount() || !list.SaveToXML())
        std::abort();
    if (TVYRAMRUList(file).Items() != list.Items())
        std::abort();
    return 0;
}
