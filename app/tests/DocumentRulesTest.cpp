#include "documents/TDocumentFilters.h"
#include "documents/TRecentMenuEntries.h"
#include "documents/TSaveNameRule.h"
#include "documents/TTargetProjectRule.h"
#include "filetypes/TVYRAExtensionGroup.h"
#include "filetypes/TVYRAExtensions.h"
#include "highlighters/TIHighlighters.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"

#include <gtest/gtest.h>

namespace {

void addType(TVYRAExtensions &extensions, const QString &name, const QStringList &patterns)
{
    auto group = std::make_unique<TVYRAExtensionGroup>(name, QString(), nullptr, true, false, egtCustom);
    for (const QString &pattern : patterns)
        group->AddItem(std::make_unique<TVYRAFileExtension>(pattern));
    extensions.AddGroup(std::move(group));
}

struct Types {
    TVYRAExtensions extensions{QString(), nullptr};
    Types()
    {
        addType(extensions, "PHP", {"*.php", "*.php3"});
        addType(extensions, "Projektgruppen", {"*.qpg"});
        addType(extensions, "Bilder", {"*.bmp", "*.jpg"});
        addType(extensions, "Vorlagen", {"*.qtf"});
    }
};

} // namespace

TEST(DocumentFilters, TheOpenFilterListsEverythingFirstThenEachTypeThenAllFiles)
{
    Types types;
    EXPECT_EQ(TDocumentFilters::OpenFilter(&types.extensions),
              "Alle unterstützten Formate|*.php;*.php3;*.qpg;*.bmp;*.jpg;*.qtf;|PHP (*.php;*.php3)|*.php;*.php3|"
              "Projektgruppen (*.qpg)|*.qpg|Bilder (*.bmp;*.jpg)|*.bmp;*.jpg|Vorlagen (*.qtf)|*.qtf|"
              "Alle Dateien (*.*)|*.*");
}

TEST(DocumentFilters, TheSaveFilterLeavesOutProjectGroupsAndPictures)
{
    Types types;
    const QString filter = TDocumentFilters::SaveFilter(&types.extensions, "*.qpg");
    EXPECT_EQ(filter, "PHP (*.php;*.php3)|*.php;*.php3|Vorlagen (*.qtf)|*.qtf|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(TDocumentFilters::FilterIndex(filter, "seite.PHP3"), 1) << "masks are case-insensitive";
    EXPECT_EQ(TDocumentFilters::FilterIndex(filter, "/pfad/vorlage.qtf"), 2);
    EXPECT_EQ(TDocumentFilters::FilterIndex(filter, "stil.css"), 3);
    EXPECT_EQ(TDocumentFilters::FilterIndex("PHP|*.php", "stil.css"), -1);
    EXPECT_EQ(TDocumentFilters::FilterFor(&types.extensions, "*.qtf", "X"), "Vorlagen (*.qtf)|*.qtf");
    EXPECT_EQ(TDocumentFilters::FilterFor(nullptr, "*.qtf", "Vorlagen"), "Vorlagen (*.qtf)|*.qtf");
}

TEST(SaveNameRule, ProposesThePrescribedOrTheDefaultExtension)
{
    EXPECT_EQ(TSaveNameRule::SuggestedName("Dokument1", {}, true, false), "Dokument1.php");
    EXPECT_EQ(TSaveNameRule::SuggestedName("/a/seite.html", {}, false, true), "/a/seite.html");
    EXPECT_EQ(TSaveNameRule::SuggestedName("/a/seite", {}, false, true), "/a/seite.php");
    EXPECT_EQ(TSaveNameRule::SuggestedName("/a/vorlage.txt", ".qtf", false, false), "/a/vorlage.qtf");
    EXPECT_EQ(TSaveNameRule::SuggestedName("/a/vorlage.QTF", ".qtf", false, true), "/a/vorlage.QTF");
    EXPECT_EQ(TSaveNameRule::SuggestedName("/a.b/geheim", ".qcd", false, false), "/a.b/geheim.qcd");
}

TEST(TargetProjectRule, TheActiveGroupDependsOnHowManyAreOpen)
{
    TVYRAProjectGroupList list;
    TVYRAProjectGroupItems outside(nullptr, QString(), false);
    EXPECT_EQ(TTargetProjectRule::ActiveGroup(&list, &outside), nullptr);
    TVYRAProjectGroupItems *first = list.Items(list.Add(std::make_unique<TVYRAProjectGroupItems>(&list, "", false)));
    EXPECT_EQ(TTargetProjectRule::ActiveGroup(&list, nullptr), first) << "the only group";
    TVYRAProjectGroupItems *second = list.Items(list.Add(std::make_unique<TVYRAProjectGroupItems>(&list, "", false)));
    EXPECT_EQ(TTargetProjectRule::ActiveGroup(&list, nullptr), nullptr);
    EXPECT_EQ(TTargetProjectRule::ActiveGroup(&list, second), second);
    EXPECT_EQ(TTargetProjectRule::ActiveGroup(&list, &outside), nullptr) << "a group not in the list";
    EXPECT_EQ(TTargetProjectRule::Target(VYRASettingsTypes::fooAddToActive, second), second);
    EXPECT_EQ(TTargetProjectRule::Target(VYRASettingsTypes::fooAddToDefault, second), nullptr);
}

TEST(RecentMenuEntries, NumbersTheEntriesAndSeparatesAfterTheThird)
{
    const QList<TRecentMenuEntry> entries =
        RecentMenuEntries({"/a/1.php", "/a/2.php", "/a/3.php", "/a/4.php", "/a/5.php"});
    ASSERT_EQ(entries.size(), 5);
    EXPECT_EQ(entries[0].caption, "&1  /a/1.php");
    EXPECT_EQ(entries[4].caption, "&5  /a/5.php");
    EXPECT_EQ(entries[4].fileName, "/a/5.php");
    QList<bool> separators;
    for (const TRecentMenuEntry &entry : entries)
        separators << entry.separatorBefore;
    EXPECT_EQ(separators, QList<bool>({false, false, false, true, false}));
    EXPECT_TRUE(RecentMenuEntries({}).isEmpty());
    EXPECT_FALSE(RecentMenuEntries({"/a", "/b", "/c"}).last().separatorBefore);
}
