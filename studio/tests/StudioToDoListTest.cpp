#include "projects/ProjectGuids.h"
#include "projects/TTalvexStudioToDoList.h"
#include "utils/XmlNodes.h"

#include <gtest/gtest.h>

namespace {

// A list whose modified notifications are counted, as a project counts them.
struct WatchedList {
    WatchedList()
    {
        list.OnModified = [this](TTalvexStudioToDoEntry *sender, bool state) {
            ++notifications;
            lastSender = sender;
            EXPECT_TRUE(state);
        };
    }
    TTalvexStudioToDoList list;
    int notifications = 0;
    TTalvexStudioToDoEntry *lastSender = nullptr;
};

pugi::xml_node parse(pugi::xml_document &document, const QByteArray &text)
{
    EXPECT_TRUE(LoadXmlDocumentFromBytes(document, text));
    return document.document_element();
}

QByteArray saved(const TTalvexStudioToDoList &list)
{
    pugi::xml_document document;
    list.Save(document.append_child("todolist"));
    return XmlDocumentToBytes(document);
}

const QUuid SomeItem = QUuid::fromString(QStringLiteral("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}"));

} // namespace

TEST(StudioToDoListTest, SavedEntriesReadBackInOrderWithEveryField)
{
    TTalvexStudioToDoList list;
    list.AddItem(tdpHighest, QStringLiteral("Kopfzeile prüfen <b> & \"so\""), false, SomeItem);
    list.AddItem(tdpLowest, QStringLiteral("  zwei\nZeilen  "), true);
    list.AddItem(tdpLow, QString(), false);
    const QByteArray text = saved(list);
    EXPECT_TRUE(text.contains("priority=\"tdpHighest\"")) << text.constData();
    EXPECT_TRUE(text.contains("<associatedfile>{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}</associatedfile>"))
        << text.constData();
    EXPECT_TRUE(text.contains("<associatedfile>{00000000-0000-0000-0000-000000000000}</associatedfile>"));
    EXPECT_TRUE(text.contains("<isdone>True</isdone>"));

    pugi::xml_document document;
    TTalvexStudioToDoList again;
    again.AddItem(tdpHigh, QStringLiteral("wird ersetzt"), false);
    again.Load(parse(document, text));
    ASSERT_EQ(again.GetCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(again.GetItems(i)->Priority(), list.GetItems(i)->Priority()) << i;
        EXPECT_EQ(again.GetItems(i)->Note(), list.GetItems(i)->Note()) << i;
        EXPECT_EQ(again.GetItems(i)->IsDone(), list.GetItems(i)->IsDone()) << i;
        EXPECT_EQ(again.GetItems(i)->AssociatedFile(), list.GetItems(i)->AssociatedFile()) << i;
        EXPECT_EQ(again.GetItems(i)->List(), &again);
    }
    EXPECT_EQ(saved(again), text);
}

TEST(StudioToDoListTest, DoneCountAndRemovalOfDoneEntries)
{
    WatchedList watched;
    TTalvexStudioToDoList &list = watched.list;
    EXPECT_EQ(list.RemoveDoneItems(), 0);
    EXPECT_EQ(watched.notifications, 0);
    list.AddItem(tdpLow, QStringLiteral("a"), true);
    list.AddItem(tdpLow, QStringLiteral("b"), false);
    list.AddItem(tdpLow, QStringLiteral("c"), true);
    list.AddItem(tdpLow, QStringLiteral("d"), true);
    EXPECT_EQ(list.GetDoneItemsCount(), 3);
    watched.notifications = 0;
    EXPECT_EQ(list.RemoveDoneItems(), 3);
    EXPECT_EQ(watched.notifications, 1);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetItems(0)->Note(), QStringLiteral("b"));
    EXPECT_EQ(list.GetDoneItemsCount(), 0);
}

TEST(StudioToDoListTest, UnknownOrMissingPriorityReadsAsMedium)
{
    pugi::xml_document document;
    TTalvexStudioToDoList list;
    list.Load(parse(document, "<todolist><todo priority=\"tdpUrgent\"/><todo/><todo priority=\"4\"/>"
                              "<todo priority=\"tdphigh\"/><todo priority=\"tdpHigher\"/></todolist>"));
    ASSERT_EQ(list.GetCount(), 5);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list.GetItems(i)->Priority(), tdpMedium) << i;
    EXPECT_EQ(list.GetItems(4)->Priority(), tdpHigher);
}

TEST(StudioToDoListTest, ReadingSkipsOtherChildrenAndToleratesDamagedValues)
{
    pugi::xml_document document;
    TTalvexStudioToDoList list;
    list.Load(parse(document, "<todolist><note>kein Eintrag</note>"
                              "<todo><associatedfile>kaputt</associatedfile><isdone>vielleicht</isdone></todo>"
                              "<todo><associatedfile>{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}</associatedfile>"
                              "<isdone>true</isdone></todo></todolist>"));
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_TRUE(list.GetItems(0)->AssociatedFile().isNull());
    EXPECT_FALSE(list.GetItems(0)->IsDone());
    EXPECT_EQ(list.GetItems(0)->Note(), QString());
    EXPECT_EQ(list.GetItems(1)->AssociatedFile(), SomeItem);
    EXPECT_TRUE(list.GetItems(1)->IsDone());
}

TEST(StudioToDoListTest, AddingAndRemovingEntriesMarksTheOwnerModified)
{
    WatchedList watched;
    TTalvexStudioToDoList &list = watched.list;
    TTalvexStudioToDoEntry *first = list.AddItem(tdpHigh, QStringLiteral("eins"), false);
    EXPECT_EQ(watched.notifications, 1);
    EXPECT_EQ(watched.lastSender, first);

    auto adopted = std::make_unique<TTalvexStudioToDoEntry>();
    TTalvexStudioToDoEntry *second = adopted.get();
    EXPECT_TRUE(list.AddItem(std::move(adopted)));
    EXPECT_EQ(watched.notifications, 2);
    EXPECT_EQ(second->List(), &list);
    EXPECT_EQ(list.IndexOf(second), 1);
    EXPECT_FALSE(list.AddItem(std::unique_ptr<TTalvexStudioToDoEntry>()));
    EXPECT_EQ(watched.notifications, 2);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(watched.notifications, 3);
    EXPECT_EQ(list.IndexOf(second), 0);
    EXPECT_FALSE(list.DeleteItem(1));
    EXPECT_FALSE(list.DeleteItem(-1));
    EXPECT_EQ(watched.notifications, 3);
    EXPECT_EQ(list.GetItems(1), nullptr);
    EXPECT_EQ(list.IndexOf(nullptr), -1);
}

TEST(StudioToDoListTest, OnlyRealChangesOfAnEntryMarkModified)
{
    WatchedList watched;
    TTalvexStudioToDoEntry *entry = watched.list.AddItem(tdpLow, QStringLiteral("Notiz"), false, SomeItem);
    watched.notifications = 0;
    entry->SetNote(QStringLiteral("Notiz"));
    entry->SetPriority(tdpLow);
    entry->SetIsDone(false);
    entry->SetAssociatedFile(GuidFromText(QStringLiteral("{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}")));
    EXPECT_EQ(watched.notifications, 0);

    entry->SetNote(QStringLiteral("Notiz!"));
    entry->SetPriority(tdpHighest);
    entry->SetIsDone(true);
    entry->SetAssociatedFile(QUuid());
    EXPECT_EQ(watched.notifications, 4);
    EXPECT_EQ(watched.lastSender, entry);
}

TEST(StudioToDoListTest, PriorityNamesAndGuidTexts)
{
    for (int i = tdpLowest; i <= tdpHighest; ++i) {
        const auto priority = TTalvexStudioToDoPriority(i);
        EXPECT_EQ(ToDoPriorityFromName(ToDoPriorityName(priority)), priority);
    }
    EXPECT_EQ(ToDoPriorityName(tdpMedium), QStringLiteral("tdpMedium"));
    EXPECT_EQ(ToDoPriorityFromName(QString()), std::nullopt);

    EXPECT_EQ(GuidText(QUuid()), QStringLiteral("{00000000-0000-0000-0000-000000000000}"));
    EXPECT_EQ(GuidText(SomeItem), QStringLiteral("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}"));
    EXPECT_EQ(GuidFromText(QStringLiteral(" 0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0 ")), SomeItem);
    EXPECT_TRUE(GuidFromText(QStringLiteral("{0F1E2D3C-4B5A-6978-8796}")).isNull());
    EXPECT_TRUE(GuidFromText(QString()).isNull());
}
