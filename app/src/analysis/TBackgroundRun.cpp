#include "analysis/TBackgroundRun.h"

#include "documents/TVYRADocument.h"

#include <QMetaObject>

TBackgroundRun::TBackgroundRun(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

TBackgroundRun::~TBackgroundRun()
{
    Cancel();
    m_pool.waitForDone();
}

void TBackgroundRun::Start(TVYRADocument *document, TWork work)
{
    m_document = document;
    TRun run{document, std::move(work), ++m_generation};
    if (m_running) {
        m_pending = std::move(run);
        return;
    }
    launch(std::move(run));
}

void TBackgroundRun::Cancel()
{
    ++m_generation;
    m_pending.reset();
    m_document = nullptr;
}

void TBackgroundRun::WaitForDone()
{
    m_pool.waitForDone();
}

void TBackgroundRun::launch(TRun run)
{
    m_running = true;
    m_pool.start([this, run = std::move(run)]() mutable {
        TDelivery delivery;
        try {
            delivery = run.Work();
        } catch (...) {
            // Work that fails delivers nothing; the view keeps what it shows.
        }
        run.Work = nullptr; // the copies go on the worker
        // Queued to this object's (the main) thread; dropped with the object.
        QMetaObject::invokeMethod(
            this, [this, run = std::move(run), delivery = std::move(delivery)] { completed(run, delivery); },
            Qt::QueuedConnection);
    });
}

void TBackgroundRun::completed(const TRun &run, const TDelivery &delivery)
{
    m_running = false;
    if (m_pending) {
        TRun next = std::move(*m_pending);
        m_pending.reset();
        launch(std::move(next));
    }
    if (run.Generation != m_generation || !run.Document || !delivery)
        return;
    delivery(run.Document.data());
}
