#include "analysis/TBackgroundRun.h"
#include "analysis/TPHPSourceTreeThread.h"
#include "analysis/TTagInspectorThread.h"
#include "completion/TVYRAHTMLTagList.h"
#include "documents/TVYRADocument.h"
#include "php/TPHPSource.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSemaphore>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<TVYRADocument> newDocument(const QString &name = QStringLiteral("a.php"))
{
    return std::make_unique<TVYRADocument>(name, QStringLiteral("1.0"), nullptr, nullptr, nullptr, false);
}

// Turns the event loop until done() or two seconds passed.
bool waitFor(const std::function<bool()> &done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return done();
}

// Lets queued deliveries that should not come a fair chance to arrive.
void settle(TBackgroundRun &run)
{
    run.WaitForDone();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    run.WaitForDone();
    QCoreApplication::processEvents();
}

// Work that blocks until released, delivering its label.
TBackgroundRun::TWork gated(QSemaphore &gate, const QString &label, QStringList &delivered)
{
    return [&gate, label, &delivered]() -> TBackgroundRun::TDelivery {
        gate.acquire();
        return [label, &delivered](TVYRADocument *) { delivered << label; };
    };
}

} // namespace

TEST(BackgroundRunTest, OnlyTheNewestStartIsDelivered)
{
    auto document = newDocument();
    TBackgroundRun run;
    QSemaphore gate;
    QStringList delivered;
    run.Start(document.get(), gated(gate, "first", delivered));
    run.Start(document.get(), gated(gate, "second", delivered));
    run.Start(document.get(), gated(gate, "third", delivered));
    EXPECT_TRUE(run.IsRunning());
    gate.release(3);
    ASSERT_TRUE(waitFor([&] { return !delivered.isEmpty(); }));
    settle(run);
    // The second start was superseded before it ran; the first ran but is stale.
    EXPECT_EQ(delivered, QStringList({"third"}));
    EXPECT_FALSE(run.IsRunning());
}

TEST(BackgroundRunTest, ResultsForAClosedDocumentOrAfterCancelNeverArrive)
{
    QSemaphore gate;
    QStringList delivered;
    TBackgroundRun run;
    auto closed = newDocument();
    run.Start(closed.get(), gated(gate, "closed", delivered));
    closed.reset(); // the document goes while its analysis runs
    gate.release();
    settle(run);
    EXPECT_TRUE(delivered.isEmpty());
    EXPECT_EQ(run.Document(), nullptr);

    auto document = newDocument();
    run.Start(document.get(), gated(gate, "cancelled", delivered));
    run.Cancel();
    gate.release();
    settle(run);
    EXPECT_TRUE(delivered.isEmpty());

    // A failing work delivers nothing and leaves the run usable.
    run.Start(document.get(), []() -> TBackgroundRun::TDelivery { throw std::runtime_error("broken"); });
    settle(run);
    run.Start(document.get(), gated(gate, "after", delivered));
    gate.release();
    ASSERT_TRUE(waitFor([&] { return !delivered.isEmpty(); }));
    EXPECT_EQ(delivered, QStringList({"after"}));
}

TEST(BackgroundRunTest, DestructionWaitsForRunningWork)
{
    auto document = newDocument();
    std::atomic<bool> finished = false;
    QStringList delivered;
    {
        TBackgroundRun run;
        run.Start(document.get(), [&]() -> TBackgroundRun::TDelivery {
            QThread::msleep(100);
            finished = true;
            return [&](TVYRADocument *) { delivered << "late"; };
        });
    }
    EXPECT_TRUE(finished);
    QCoreApplication::processEvents();
    EXPECT_TRUE(delivered.isEmpty());
}

TEST(BackgroundRunTest, SourceTreeThreadParsesIntoAModelOfItsOwn)
{
    auto document = newDocument();
    TPHPSourceTreeThread thread;
    QList<TPHPSourceTreeThread::TModel> models;
    QObject::connect(&thread, &TPHPSourceTreeThread::finished, [&](TVYRADocument *owner, auto model) {
        EXPECT_EQ(owner, document.get());
        models << model;
    });
    QString text = QStringLiteral("<?php class First {}");
    thread.Start(document.get(), text);
    text.append(QStringLiteral(" class Second {}")); // the caller's text changes on; the run has its copy
    ASSERT_TRUE(waitFor([&] { return models.size() == 1; }));
    ASSERT_EQ(models[0]->Classes.size(), 1u);
    thread.Start(document.get(), text);
    ASSERT_TRUE(waitFor([&] { return models.size() == 2; }));
    EXPECT_EQ(models[1]->Classes.size(), 2u);
    EXPECT_NE(models[0].get(), models[1].get());
    EXPECT_EQ(models[0]->Classes[0]->Name, "First"); // the first model stays whole
}

TEST(BackgroundRunTest, TagInspectorThreadFindsTheTagOfItsCopy)
{
    auto document = newDocument(QStringLiteral("a.html"));
    auto tags = std::make_shared<TVYRAHTMLTagList>();
    tags->LoadFromData(R"(<taglist><tag name="a"><attribute>href</attribute></tag></taglist>)");
    TTagInspectorThread thread;
    TTagInspection found;
    int calls = 0;
    QObject::connect(&thread, &TTagInspectorThread::finished,
                     [&](TVYRADocument *, const TTagInspection &inspection, int) { found = inspection, ++calls; });
    thread.Start(document.get(), QStringLiteral("<a href=x>"), 2); // without catalogue: no tag
    ASSERT_TRUE(waitFor([&] { return calls == 1; }));
    EXPECT_FALSE(found.Found());
    thread.SetTagList(tags);
    thread.Start(document.get(), QStringLiteral("x <a href=x>"), 4);
    ASSERT_TRUE(waitFor([&] { return calls == 2; }));
    EXPECT_TRUE(found.Found());
    EXPECT_EQ(found.TagStart, 2);
    EXPECT_EQ(found.Attributes, QStringList({"href=x"}));
}
