#pragma once

#include "analysis/TBackgroundRun.h"

#include <memory>

class TPHPSource;

// Parses the PHP model of a document off the main thread. The caller hands
// over a copy of the text taken on the main thread; each run parses into a
// model of its own, so nothing a document owns is touched by the worker,
// and the model reaches finished() on the main thread only when its
// document still exists and no newer run was started (see TBackgroundRun).
class TPHPSourceTreeThread : public TBackgroundRun
{
    Q_OBJECT
public:
    using TModel = std::shared_ptr<const TPHPSource>;

    using TBackgroundRun::TBackgroundRun;
    void Start(TVYRADocument *document, const QString &text);

signals:
    void finished(TVYRADocument *document, TPHPSourceTreeThread::TModel model);
};
