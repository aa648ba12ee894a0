// Reads arbitrary bytes as "taglist.xml". Must never crash or hang; a
// malformed document may only raise the framework's format error. No tag may
// end up with two attributes of one name, and every lookup must find what
// the list holds.
#include "completion/TVYRAHTMLTagList.h"
#include "utils/VYRAExceptions.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TVYRAHTMLTagList list;
    try {
        list.LoadFromData(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const EInvalidVYRAFormat &) {
        return 0;
    }
    for (int t = 0; t < list.GetCount(); ++t) {
        const TVYRAHTMLTag &tag = list.GetTags(t);
        const int found = list.IndexOf(tag.Name);
        if (found < 0 || found > t || list.GetTags(found).Name != tag.Name)
            std::abort();
        for (int a = 0; a < tag.GetCount(); ++a) {
            const TVYRAHTMLTagAttribute &attribute = tag.GetAttributes(a);
            if (tag.IndexOf(attribute.Name) != a)
                std::abort();
            if (attribute.AttributeType != atSelect && !attribute.Values.isEmpty())
                std::abort();
        }
    }
    return 0;
}
