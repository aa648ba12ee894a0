#include "analysis/TTagInspectorThread.h"

#include "completion/TVYRAHTMLTagList.h"

void TTagInspectorThread::Start(TVYRADocument *document, const QString &text, int caret, int flags)
{
    TBackgroundRun::Start(document, [this, tags = m_tags, text, caret, flags]() -> TDelivery {
        TTagInspection inspection;
        if (tags)
            inspection = TTagInspection::Inspect(text, caret, *tags);
        return [this, inspection, flags](TVYRADocument *owner) { emit finished(owner, inspection, flags); };
    });
}
