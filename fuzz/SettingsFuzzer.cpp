// Reads arbitrary bytes as a studio settings file. Must never crash or hang,
// and what was read must store and read back to the same bytes.
#include "settings/TTalvexStudioSettings.h"
#include "utils/TXmlDocumentFile.h"
#include "settings/TXmlSerializer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QByteArray stored(TTalvexStudioSettings &settings)
{
    pugi::xml_document document;
    settings.Serializer().WriteClass(&settings, document.append_child("talvexstudiosettings"));
    return TXmlDocumentFile::ToBytes(document);
}

void read(TTalvexStudioSettings &settings, const pugi::xml_document &document)
{
    settings.ClearCollections();
    settings.Serializer().ReadClass(&settings, document.document_element());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    pugi::xml_document document;
    if (TXmlDocumentFile::Parse(input, document).status != TXmlDocumentFile::TLoadStatus::Loaded)
        return 0;
    // Never saved: the file name only has to exist as a text.
    TTalvexStudioSettings settings(QStringLiteral("/nonexistent/settings.xml"), false);
    read(settings, document);
    const QByteArray first = stored(settings);

    pugi::xml_document again;
    if (TXmlDocumentFile::Parse(first, again).status != TXmlDocumentFile::TLoadStatus::Loaded)
        std::abort();
    TTalvexStudioSettings reread(QStringLiteral("/nonexistent/settings.xml"), false);
    read(reread, again);
    if (stored(reread) != first)
        std::abort();
    return 0;
}
