#include "analysis/TPHPSourceTreeThread.h"

#include "php/TPHPSource.h"

void TPHPSourceTreeThread::Start(TVYRADocument *document, const QString &text)
{
    TBackgroundRun::Start(document, [this, text]() -> TDelivery {
        TModel model = std::make_shared<const TPHPSource>(text);
        return [this, model](TVYRADocument *owner) { emit finished(owner, model); };
    });
}
