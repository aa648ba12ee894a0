// Any text as a PHP file: the model must neither crash nor hang, and every
// entity must lie inside the text.

#include "php/TPHPOutline.h"
#include "php/TPHPSource.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    TPHPSource source(text);
    for (const TPHPOutline::TEntry &e : TPHPOutline::Build(source))
        if (e.Offset < 0 || e.Offset > text.size())
            std::abort();
    for (int32_t i = 0; i < source.GetClassCount(); ++i) {
        const TPHPClass &c = *source.GetClasses(i);
        if (c.BodyStart < c.Offset || c.BodyEnd > text.size())
            std::abort();
    }
    source.FindEntityAt(int32_t(text.size() / 2));
    source.CommentMap->CheckIsCommented(int32_t(text.size() / 3), 2);
    return 0;
}
