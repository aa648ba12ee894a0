// Reads arbitrary bytes as "snippets.xml". Must never crash or hang; a
// malformed or too deeply nested document may only raise the framework's
// format error, and what was read must save and read back unchanged: every
// name, shortcut and code, "]]>" and line breaks included.
#include "snippets/TSnippets.h"
#include "utils/VYRAExceptions.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool sameTree(const TSnippetGroup &a, const TSnippetGroup &b)
{
    if (a.Name != b.Name || a.GetSnippetCount() != b.GetSnippetCount() || a.GetGroupCount() != b.GetGroupCount())
        return false;
    for (int i = 0; i < a.GetSnippetCount(); ++i) {
        const TSnippet &x = *a.GetSnippet(i);
        const TSnippet &y = *b.GetSnippet(i);
        if (x.Name != y.Name || x.Code != y.Code || x.Shortcut != y.Shortcut)
            return false;
    }
    for (int i = 0; i < a.GetGroupCount(); ++i) {
        if (!sameTree(*a.GetGroup(i), *b.GetGroup(i)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("snippets.xml"));
    QFile::remove(file);
    TSnippets snippets(file);
    try {
        snippets.LoadFromData(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const EInvalidVYRAFormat &) {
        return 0;
    }
    if (!snippets.SaveToXML())
        std::abort();
    const TSnippets again(file);
    if (!sameTree(*snippets.RootGroup(), *again.RootGroup()))
        std::abort();
    return 0;
}
