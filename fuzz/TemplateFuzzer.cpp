// Reads arbitrary bytes as a template (".qtf") and expands its placeholders
// (includes are answered from memory, so no file is read).
#include "documents/TVYRATemplate.h"
#include "utils/VYRAExceptions.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer stream(&input);
    stream.open(QIODevice::ReadOnly);
    TVYRATemplate object(QStringLiteral("fuzz.qtf"), QString(), nullptr, nullptr, nullptr, true);
    try {
        QString version;
        object.LoadFromStream(stream, version);
    } catch (const EVYRAException &) {
        return 0;
    }
    TTemplateValues values;
    values.readFile = [](const QString &name) { return name.left(64); };
    const QString processed = TTemplatePlaceholders::Process(object.TemplateText(), values);
    // Each placeholder is at least 8 characters and yields at most 64 + a date:
    // the result cannot grow without bound, and nothing is expanded twice.
    if (processed.size() > object.TemplateText().size() * 16 + 64)
        std::abort();
    return 0;
}
