// Reads arbitrary bytes as "filetypes.xml". Must never crash or hang; a
// malformed document may only raise the framework's format error, and what
// was read must save and read back with the same number of groups.
#include "filetypes/TVYRAExtensions.h"
#include "utils/VYRAExceptions.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighters.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>


extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TIHighlighters highlighters;
    if (highlighters.GetHighlighterCount() == 0) {
        AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
        AddStandardHighlighters(highlighters);
    }
    static QTemporaryDir dir;
    TVYRAExtensions extensions(QStringLiteral("/opt/talvex"), &highlighters);
    try {
        extensions.LoadFromData(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), true);
    } catch (const EInvalidVYRAFormat &) {
        return 0;
    }
    (void)extensions.GetFilterExtensionsEx(QStringLiteral("%s|%s"));
    const QString file = dir.filePath(QStringLiteral("roundtrip.xml"));
    QFile::remove(file);
    extensions.SaveToFile(file, false, egtCustom);
    TVYRAExtensions again(QStringLiteral("/opt/talvex"), &highlighters);
    again.LoadFromFile(file, true);
    if (again.GetCount() != extensions.GetCount())
        std::abort();
    return 0;
}
