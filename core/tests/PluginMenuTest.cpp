#include "PluginTestHost.h"
#include "plugins/PluginStrings.h"
#include "plugins/TDefaultNotificationHandler.h"
#include "plugins/TIMainMenu.h"
#include "plugins/TIMenuItem.h"
#include "plugins/TIMenuItems.h"
#include "plugins/TPluginMenuItem.h"
#include "plugins/TPluginMenuItems.h"
#include "plugins/TVYRAInterfaceCounter.h"
#include "plugins/TVYRAMenuItemExtensionList.h"
#include "plugins/TVYRAPluginMenuExtensions.h"
#include "utils/VYRAExceptions.h"

#include <gtest/gtest.h>

namespace {

using PluginStrings::In;

// A listener of host code that notes its tag.
INotifyEvent *noting(QStringList &log, const QString &tag)
{
    return new TDefaultNotificationHandler([&log, tag](IVYRAUnknown *sender) {
        log << tag + (TIMenuItem::ActionOf(sender) ? QString() : QStringLiteral("?"));
    });
}

TVYRAMenuItemInfo info(const QString &caption, const QString &name, bool subMenu = false,
                       INotifyEvent *onClick = nullptr, int index = -1)
{
    return {index, In(caption), In(caption), In(name), 0, 0, -1, subMenu ? VYRA_TRUE : VYRA_FALSE, onClick, nullptr};
}

} // namespace

TEST(PluginMenus, PluginItemsAppearAndListenersRunAfterTheHostInRegistrationOrder)
{
    PluginTestHost host;
    const QString file = host.install(QStringLiteral("FixturePlugin"));
    host.loadAll();
    FixtureModule module(file);

    QAction *submenu = host.menuItem("mnuFixture");
    ASSERT_TRUE(submenu && submenu->menu());
    QAction *item = host.menuItem("FixtureItem");
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), "Ausführen");
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    EXPECT_EQ(item->property("vyraTag").toInt(), 7);
    EXPECT_EQ(host.created, (QList<QAction *>{submenu, item})) << "the host hears of every item made";

    QString seenByHost;
    host.hostHook = [&] { seenByHost = module.Log(); };
    host.hostAction->trigger();
    EXPECT_EQ(host.hostLog, QStringList{"host"});
    EXPECT_FALSE(seenByHost.contains("A")) << "the host's own handler runs first";
    EXPECT_TRUE(module.Log().endsWith("load|A|B")) << module.Log().toStdString();

    item->trigger();
    EXPECT_TRUE(module.Log().endsWith("|C"));
    emit submenu->menu()->aboutToShow();
    EXPECT_TRUE(module.Log().endsWith("|C|U")) << "update listeners run when their menu opens";
}

TEST(PluginMenus, WrappersMapTheMenuAndRefuseItemsUnderPlainItems)
{
    PluginTestHost host;
    const int liveBefore = TVYRAInterfaceCounter::Live();
    {
        auto *menu = new TIMainMenu(host.core.get(), &host.menuBar);
        IMenuItems *items = menu->GetMenuItems();
        EXPECT_EQ(items->GetCount(), 1);
        IMenuItem *file = items->FindItem(In(QStringLiteral("MNUHOST")));
        ASSERT_TRUE(file);
        EXPECT_EQ(file->Get_IsSubMenu(), VYRA_TRUE);
        EXPECT_EQ(file->GetIndex(), 0);
        IMenuItem *plain = file->FindItem(In(QStringLiteral("HostAction")));
        ASSERT_TRUE(plain);
        EXPECT_EQ(plain->Get_IsSubMenu(), VYRA_FALSE);
        EXPECT_EQ(plain->InsertMenuItem(info("X", "mnuX")), nullptr) << "a plain item takes no items";
        EXPECT_EQ(host.created.size(), 0);
        plain->Set_Enabled(VYRA_FALSE);
        EXPECT_FALSE(host.hostAction->isEnabled());
        EXPECT_EQ(plain->Get_Enabled(), VYRA_FALSE);

        IMenuItem *first = file->InsertMenuItem(info("Erster", "mnuFirst", false, nullptr, 0));
        ASSERT_TRUE(first);
        EXPECT_EQ(first->GetIndex(), 0) << "index 0 goes before the host's item";
        EXPECT_EQ(plain->GetIndex(), 1);
        for (IVYRAUnknown *object : std::initializer_list<IVYRAUnknown *>{menu, items, file, plain, first})
            object->release();
    }
    EXPECT_EQ(TVYRAInterfaceCounter::Live(), liveBefore);
}

// Two plug-ins may give their items the same name (or none): removing one
// finds it by identity and takes its listeners with it.
TEST(PluginMenus, RemoveItemMatchesByIdentityAndDropsItsListeners)
{
    PluginTestHost host;
    QStringList log;
    auto *menu = new TIMainMenu(host.core.get(), &host.menuBar);
    INotifyEvent *first = noting(log, "first");
    INotifyEvent *second = noting(log, "second");
    IMenuItem *a = menu->InsertMenuItem(info("A", "Same", false, first));
    IMenuItem *b = menu->InsertMenuItem(info("B", "Same", false, second));
    ASSERT_TRUE(a && b);
    QAction *actionA = TIMenuItem::ActionOf(a);
    INotifyEvent *extra = noting(log, "extra");
    b->RegisterOnClick(extra);

    IMenuItems *items = menu->GetMenuItems();
    EXPECT_EQ(items->RemoveItem(b), -1);
    EXPECT_EQ(items->RemoveItem(b), 0) << "already gone";
    EXPECT_EQ(items->RemoveItem(items->FindItem(In(QStringLiteral("mnuHost")))), 0) << "not a plug-in's item";
    EXPECT_EQ(host.core->PluginObjects().Count(), 1);
    EXPECT_EQ(host.core->PluginMenuExtensions().Click.ListenerCount(), 1) << "b's listeners went with it";
    ASSERT_EQ(host.menuItem("Same"), actionA);
    actionA->trigger();
    EXPECT_EQ(log, QStringList{"first"});
    for (IVYRAUnknown *object : std::initializer_list<IVYRAUnknown *>{first, second, extra, a, b, items, menu})
        object->release();
}

// A new click handler replaces the old one instead of firing beside it.
TEST(PluginMenus, SettingANewClickHandlerReplacesTheOld)
{
    PluginTestHost host;
    QStringList log;
    auto *menu = new TIMainMenu(host.core.get(), &host.menuBar);
    INotifyEvent *given = noting(log, "given");
    IMenuItem *item = menu->InsertMenuItem(info("A", "mnuA", false, given));
    given->release();
    QAction *action = TIMenuItem::ActionOf(item);
    TPluginMenuItem *record = host.core->PluginObjects().Find(action);
    ASSERT_TRUE(record);
    record->SetOnMenuClick([&log](IVYRAUnknown *) { log << "old"; });
    record->SetOnMenuClick([&log](IVYRAUnknown *) { log << "new"; });
    action->trigger();
    EXPECT_EQ(log, QStringList{"new"});
    INotifyEvent *listener = noting(log, "plugin");
    record->ISetOnMenuClick(listener);
    action->trigger();
    EXPECT_EQ(log, (QStringList{"new", "plugin"}));
    listener->release();
    item->release();
    menu->release();
}

TEST(PluginMenus, ListenersAreKeptOnceAndThrowingOnesAreDropped)
{
    PluginTestHost host;
    QStringList log;
    TVYRAMenuItemExtensionList &clicks = host.core->PluginMenuExtensions().Click;
    INotifyEvent *listener = noting(log, "one");
    auto *thrower = new TDefaultNotificationHandler([&log](IVYRAUnknown *) {
        log << "throws";
        throw std::runtime_error("listener failed");
    });
    clicks.AddHandler(host.hostAction, listener);
    clicks.AddHandler(host.hostAction, thrower);
    clicks.AddHandler(host.hostAction, listener);
    host.hostAction->trigger();
    host.hostAction->trigger();
    EXPECT_EQ(log, (QStringList{"one", "throws", "one"}));
    clicks.DeleteHandler(host.hostAction, listener);
    EXPECT_EQ(clicks.ListenerCount(), 0);
    listener->release();
    thrower->release();

    try {
        TVYRAMenuItemExtensionList wrong(host.core.get(), QStringLiteral("OnDoubleClick"));
        wrong.AddHandler(host.hostAction, nullptr);
        FAIL() << "an event the item does not have is refused";
    } catch (const EVYRAInvalidOperation &error) {
        EXPECT_EQ(error.message(), "Method property \"OnDoubleClick\" was not found in class \"QAction\".");
    }
}
