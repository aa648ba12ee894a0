#pragma once

#include "documents/TVYRADocument.h"
#include "orvane_export.h"

#include <functional>
#include <memory>

class TPHPSource;

// A document of the studio: a core document that carries the PHP model of its
// text for the structure view and the procedure list. A copy made from a
// studio document shares that model; whichever of them goes last frees it.
class ORVANE_EXPORT TTalvexStudioDocument : public TVYRADocument
{
    Q_OBJECT
public:
    // Creates a document object; the form the document list creates documents through.
    using TDocumentFactory = std::function<std::unique_ptr<TVYRADocument>(
        const QString &fileName, const QString &fileVersion, TVYRASettings *settings, TCipherList *ciphers,
        QWidget *parent, bool fileExists)>;

    // A document with a new model of an empty text.
    TTalvexStudioDocument(const QString &fileName, const QString &fileVersion, TVYRASettings *settings,
                          TCipherList *ciphers, QWidget *parent, bool fileExists);
    // A copy of source: its references and state, and the model of source when
    // that is a studio document (else a new model of an empty text). A null
    // source raises EVYRAInvalidOperation.
    explicit TTalvexStudioDocument(const TVYRADocument *source);
    ~TTalvexStudioDocument() override;

    TTalvexStudioDocument(const TTalvexStudioDocument &) = delete;
    TTalvexStudioDocument &operator=(const TTalvexStudioDocument &) = delete;

    TPHPSource *PHPSource() const { return m_phpSource.get(); }
    // The model for a holder that must keep it alive on its own.
    std::shared_ptr<TPHPSource> SharedPHPSource() const { return m_phpSource; }
    // Made as a copy of a studio document, sharing its model.
    bool SharesPHPSource() const { return m_sharesPHPSource; }

    static TDocumentFactory factory();

private:
    struct TCopyOf {};
    TTalvexStudioDocument(const TVYRADocument &source, TCopyOf);

    std::shared_ptr<TPHPSource> m_phpSource;
    bool m_sharesPHPSource = false;
};
