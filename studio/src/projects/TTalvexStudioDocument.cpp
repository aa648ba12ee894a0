#include "projects/TTalvexStudioDocument.h"

#include "php/TPHPSource.h"
#include "utils/VYRAExceptions.h"

namespace {

const TVYRADocument &checkedSource(const TVYRADocument *source)
{
    if (!source)
        throw EVYRAInvalidOperation(QStringLiteral("Ein Dokument kann nur von einem vorhandenen Dokument kopiert werden."));
    return *source;
}

} // namespace

TTalvexStudioDocument::TTalvexStudioDocument(const QString &fileName, const QString &fileVersion,
                                             TVYRASettings *settings, TCipherList *ciphers, QWidget *parent,
                                             bool fileExists)
    : TVYRADocument(fileName, fileVersion, settings, ciphers, parent, fileExists)
    , m_phpSource(std::make_shared<TPHPSource>())
{
}

TTalvexStudioDocument::TTalvexStudioDocument(const TVYRADocument *source)
    : TTalvexStudioDocument(checkedSource(source), TCopyOf{})
{
}

TTalvexStudioDocument::TTalvexStudioDocument(const TVYRADocument &source, TCopyOf)
    : TVYRADocument(source.GetFileName(), source.GetFileVersion(), source.Settings(), source.Ciphers(),
                    source.Parent(), source.GetFileExists())
{
    TVYRADocument::Assign(source);
    if (const auto *studio = qobject_cast<const TTalvexStudioDocument *>(&source)) {
        m_phpSource = studio->m_phpSource;
        m_sharesPHPSource = true;
    } else {
        m_phpSource = std::make_shared<TPHPSource>();
    }
}

TTalvexStudioDocument::~TTalvexStudioDocument() = default;

TTalvexStudioDocument::TDocumentFactory TTalvexStudioDocument::factory()
{
    return [](const QString &fileName, const QString &fileVersion, TVYRASettings *settings, TCipherList *ciphers,
              QWidget *parent, bool fileExists) -> std::unique_ptr<TVYRADocument> {
        return std::make_unique<TTalvexStudioDocument>(fileName, fileVersion, settings, ciphers, parent,
                                                       fileExists);
    };
}
