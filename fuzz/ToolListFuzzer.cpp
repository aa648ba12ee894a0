// Reads arbitrary bytes as "tools.xml". Must never crash or hang; a malformed
// document may only raise the framework's format error, and the tools read
// must save into a new file and read back unchanged.
#include "tools/TVYRAToolList.h"
#include "utils/VYRAExceptions.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tools.xml"));
    QFile::remove(file);
    TVYRAToolList tools(file);
    try {
        tools.LoadFromData(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const EInvalidVYRAFormat &) {
        return 0;
    }
    (void)tools.SearchTool(QStringLiteral("php"), tsoName);
    if (!tools.Save())
        std::abort();
    const TVYRAToolList again(file);
    if (again.GetCount() != tools.GetCount())
        std::abort();
    for (int i = 0; i < tools.GetCount(); ++i) {
        const TVYRATool &a = *tools.GetTool(i);
        const TVYRATool &b = *again.GetTool(i);
        if (a.FileName != b.FileName || a.Params != b.Params || a.Name != b.Name)
            std::abort();
    }
    return 0;
}
