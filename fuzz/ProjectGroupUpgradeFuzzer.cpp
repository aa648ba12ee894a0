// Reads arbitrary bytes as a project-group file of the older format and
// converts it. Must never crash or hang; a refusal carries a reason; a
// converted file is a studio project that is not converted a second time.
#include "framework/TVYRACore.h"
#include "projects/TProjectGroupUpgrade.h"
#include "projects/TTalvexStudioProject.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The program makes its projects studio projects at start.
    static const bool recognised = (TVYRACore::SetFileTypeRecognizer(ftProject, _TVS_PROJECT), true);
    (void)recognised;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString fileName = QStringLiteral("/nonexistent/fuzz/Projekt.qpg");
    QByteArray converted;
    const TOperationResult result = TProjectGroupUpgrade::ConvertBytes(bytes, fileName, converted);
    if (!result) {
        if (result.errorText.isEmpty())
            std::abort();
        return 0;
    }
    if (converted.isEmpty())
        std::abort();
    QByteArray again;
    if (TProjectGroupUpgrade::ConvertBytes(converted, fileName, again))
        std::abort();
    return 0;
}
