#pragma once

#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <functional>
#include <optional>

#include "documents/TVYRADocument.h"

// One-at-a-time background work for a document, with a generation counter.
// The work runs on a worker thread with what the caller copied for it on
// the main thread and returns the delivery, which runs on the main thread
// only when the document still exists and no newer start or cancel came
// meanwhile. A start during a run waits for it and then runs the newest
// work; starts in between are skipped. The destructor waits for the worker.
class TBackgroundRun : public QObject
{
    Q_OBJECT
public:
    using TDelivery = std::function<void(TVYRADocument *document)>;
    using TWork = std::function<TDelivery()>;

    explicit TBackgroundRun(QObject *parent = nullptr);
    ~TBackgroundRun() override;

    void Start(TVYRADocument *document, TWork work);
    // Drops every result not delivered yet.
    void Cancel();
    bool IsRunning() const { return m_running; }
    // The document of the newest start, nullptr after Cancel or once it is gone.
    TVYRADocument *Document() const { return m_document; }
    // Waits for the running work; its result is delivered later as usual.
    void WaitForDone();

private:
    struct TRun
    {
        QPointer<TVYRADocument> Document;
        TWork Work;
        quint64 Generation = 0;
    };
    void launch(TRun run);
    void completed(const TRun &run, const TDelivery &delivery);

    QThreadPool m_pool;
    quint64 m_generation = 0;
    bool m_running = false;
    std::optional<TRun> m_pending;
    QPointer<TVYRADocument> m_document;
};
