// Reads arbitrary bytes as the older registry form of the multi-highlighters
// (an INI file on this system). Must never crash or hang, and leaves the
// registry as sound as the XML form does.
#include "HighlighterRegistryChecks.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighters.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    QSettings settings(path, QSettings::IniFormat);
    TIHighlighters registry;
    AddDefaultHighlighter(registry, QStringLiteral("Kein"));
    AddStandardHighlighters(registry);
    registry.InitialiseMultiHighlighters(settings, QStringLiteral("Multi"));
    CheckRegistryInvariants(registry);
    return 0;
}
