#include "utils/TEventList.h"

#include <QObject>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Listener {
    QStringList *log = nullptr;
    QString name;
    TEventList *list = nullptr;
    void onEvent(QObject *sender) { log->append(name + QLatin1Char(':') + sender->objectName()); }
    void onOther(QObject *) { log->append(name + QStringLiteral(":other")); }
    void removeSelf(QObject *)
    {
        log->append(name + QStringLiteral(":removing"));
        list->DeleteHandler(this, &Listener::removeSelf);
    }
};

class QtListener : public QObject
{
public:
    int calls = 0;
    void onEvent(QObject *) { ++calls; }
};

} // namespace

TEST(EventList, AddsOnceAndCallsInOrder)
{
    QStringList log;
    QObject sender;
    sender.setObjectName(QStringLiteral("s"));
    Listener a{&log, QStringLiteral("a")};
    Listener b{&log, QStringLiteral("b")};
    TEventList list(&sender);
    EXPECT_EQ(list.Owner(), &sender);
    EXPECT_EQ(list.AddHandler(&a, &Listener::onEvent), 0);
    EXPECT_EQ(list.AddHandler(&b, &Listener::onEvent), 1);
    EXPECT_EQ(list.AddHandler(&a, &Listener::onEvent), 0); // already there
    EXPECT_EQ(list.AddHandler(&a, &Listener::onOther), 2); // same object, other method
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.IndexOf(&b, &Listener::onEvent), 1);
    EXPECT_EQ(list.IndexOf(&b, &Listener::onOther), -1);
    EXPECT_TRUE(list.GetItems(1) == TEventHandler::Method(&b, &Listener::onEvent));
    EXPECT_THROW(list.GetItems(3), std::out_of_range);
    list.CallAllHandlers(&sender);
    EXPECT_EQ(log, QStringList({"a:s", "b:s", "a:other"}));
    list.DeleteHandler(&a, &Listener::onEvent);
    list.DeleteHandler(&a, &Listener::onEvent); // not there any more: no effect
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.IndexOf(&a, &Listener::onOther), 1);
}

TEST(EventList, HandlersMayRemoveThemselvesAndOthersWhileCalled)
{
    QStringList log;
    QObject sender;
    TEventList list;
    Listener first{&log, QStringLiteral("first"), &list};
    Listener second{&log, QStringLiteral("second"), &list};
    Listener third{&log, QStringLiteral("third")};
    list.AddHandler(&first, &Listener::removeSelf);
    list.AddHandler(&second, &Listener::removeSelf);
    // Removes the third before it is reached.
    list.AddHandler(TEventHandler::Function(&log, "remover", [&](QObject *) {
        list.DeleteHandler(&third, &Listener::onOther);
    }));
    list.AddHandler(&third, &Listener::onOther);
    list.CallAllHandlers(&sender);
    EXPECT_EQ(log, QStringList({"first:removing", "second:removing"}));
    EXPECT_EQ(list.GetCount(), 1);
}

TEST(EventList, HandlerMayDestroyTheList)
{
    auto list = std::make_unique<TEventList>();
    int calls = 0;
    list->AddHandler(TEventHandler::Function(&calls, "a", [&](QObject *) {
        ++calls;
        list.reset();
    }));
    list->AddHandler(TEventHandler::Function(&calls, "b", [&](QObject *) { ++calls; }));
    list->CallAllHandlers(nullptr);
    EXPECT_EQ(calls, 1);
}

TEST(EventList, DestroyedQObjectIsSkipped)
{
    TEventList list;
    auto *listener = new QtListener;
    list.AddHandler(listener, &QtListener::onEvent);
    list.CallAllHandlers(nullptr);
    EXPECT_EQ(listener->calls, 1);
    delete listener;
    list.CallAllHandlers(nullptr); // would crash if called
    EXPECT_EQ(list.GetCount(), 1);
}
