#pragma once

#include "analysis/TBackgroundRun.h"
#include "analysis/TTagInspection.h"

#include <memory>

class TVYRAHTMLTagList;

enum TTagInspectorThreadFlag { titfNoGUIUpdate = 1 };

// Finds the HTML tag at the caret off the main thread, from a copy of the
// text and caret taken on the main thread, and looks it up in the tag
// catalogue (shared, read-only). The result reaches finished() on the main
// thread under the rules of TBackgroundRun.
class TTagInspectorThread : public TBackgroundRun
{
    Q_OBJECT
public:
    using TTags = std::shared_ptr<const TVYRAHTMLTagList>;

    using TBackgroundRun::TBackgroundRun;
    void SetTagList(TTags tags) { m_tags = std::move(tags); }
    const TTags &TagList() const { return m_tags; }
    // Without a tag list the inspection finds no tag.
    void Start(TVYRADocument *document, const QString &text, int caret, int flags = 0);

signals:
    void finished(TVYRADocument *document, const TTagInspection &inspection, int flags);

private:
    TTags m_tags;
};
