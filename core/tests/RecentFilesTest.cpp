#include "snippets/TTextStatistics.h"
#include "snippets/TVYRAMRUList.h"
#include "utils/VYRAExceptions.h"

#include "TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RecentFilesTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    TVYRAMRUList listOf(const QStringList &namesOldestFirst) const
    {
        TVYRAMRUList list(path("recent.xml"));
        for (const QString &name : namesOldestFirst)
            EXPECT_TRUE(list.ExpandList(name));
        return list;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(RecentFilesTest, KnownNameChangesPlacesWithTheFirst)
{
    TVYRAMRUList list = listOf({"/p/D", "/p/C", "/p/B", "/p/A"});
    EXPECT_EQ(list.Items(), (QStringList{"/p/A", "/p/B", "/p/C", "/p/D"}));
    list.ExpandList(QStringLiteral("/p/C"));
    EXPECT_EQ(list.Items(), (QStringList{"/p/C", "/p/B", "/p/A", "/p/D"}));
    list.ExpandList(QStringLiteral("/p/C"));
    EXPECT_EQ(list.Items(), (QStringList{"/p/C", "/p/B", "/p/A", "/p/D"}));
}

TEST_F(RecentFilesTest, TheEleventhNameDropsTheOldestAndTheFileHoldsTen)
{
    QStringList names;
    for (int i = 1; i <= 11; ++i)
        names << QStringLiteral("/home/u/datei%1.php").arg(i);
    TVYRAMRUList list = listOf(names);
    ASSERT_EQ(list.GetCount(), 10);
    EXPECT_EQ(list.Items().first(), QStringLiteral("/home/u/datei11.php"));
    EXPECT_EQ(list.Items().last(), QStringLiteral("/home/u/datei2.php"));

    const QByteArray file = TestSupport::readFile(path("recent.xml"));
    EXPECT_TRUE(file.contains("<item9>/home/u/datei2.php</item9>")) << file.constData();
    EXPECT_FALSE(file.contains("item10"));
    TVYRAMRUList again(path("recent.xml"));
    EXPECT_EQ(again.Items(), list.Items());
}

TEST_F(RecentFilesTest, NamesThatDifferOnlyInCaseAreDifferentFiles)
{
    TVYRAMRUList list = listOf({"/srv/www/Index.php", "/srv/www/index.php"});
    EXPECT_EQ(list.Items(), (QStringList{"/srv/www/index.php", "/srv/www/Index.php"}));
}

TEST_F(RecentFilesTest, ChangeHandlerHearsWhetherTheNameWasNew)
{
    TVYRAMRUList list(path("recent.xml"));
    QStringList heard;
    list.SetOnChange([&](TVYRAMRUList &sender, const QString &name, bool isNew) {
        EXPECT_EQ(&sender, &list);
        EXPECT_EQ(sender.Items().first(), name);
        heard << name + (isNew ? QStringLiteral(" neu") : QStringLiteral(" bekannt"));
    });
    list.ExpandList(QStringLiteral("/a & <b>.php"));
    list.ExpandList(QStringLiteral("/c.php"));
    list.ExpandList(QStringLiteral("/a & <b>.php"));
    list.ExpandList(QString());
    EXPECT_EQ(heard, (QStringList{"/a & <b>.php neu", "/c.php neu", "/a & <b>.php bekannt"}));
    EXPECT_EQ(TVYRAMRUList(path("recent.xml")).Items(), (QStringList{"/a & <b>.php", "/c.php"}));
}

TEST_F(RecentFilesTest, ItemsAreLookedUpByNameAmongTheFirstChildren)
{
    TestSupport::writeFile(path("recent.xml"), "<recent><item0>/a</item0><item2>/c</item2><other/></recent>");
    EXPECT_EQ(TVYRAMRUList(path("recent.xml")).Items(), (QStringList{"/a", "/c"}));
    TestSupport::writeFile(path("recent.xml"), "<recent><item0>/a</item0><item2>/c</item2></recent>");
    EXPECT_EQ(TVYRAMRUList(path("recent.xml")).Items(), (QStringList{"/a"}));

    QByteArray twelve = "<recent>";
    for (int i = 0; i < 12; ++i)
        twelve += QStringLiteral("<item%1>/f%1</item%1>").arg(i).toUtf8();
    twelve += "</recent>";
    TestSupport::writeFile(path("recent.xml"), twelve);
    TVYRAMRUList list(path("recent.xml"));
    EXPECT_EQ(list.GetCount(), 10);
    EXPECT_EQ(list.Items().last(), QStringLiteral("/f9"));
}

TEST_F(RecentFilesTest, ClearListChangesTheFileOnlyAtTheNextSave)
{
    TVYRAMRUList list = listOf({"/a", "/b"});
    list.ClearList();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(TVYRAMRUList(path("recent.xml")).GetCount(), 2);
    ASSERT_TRUE(list.SaveToXML());
    EXPECT_EQ(TVYRAMRUList(path("recent.xml")).GetCount(), 0);
}

TEST_F(RecentFilesTest, ForeignAndDamagedFilesAreLeftAloneAndTheSaveSaysSo)
{
    const QByteArray foreign = "<tools><item0>/etc/passwd</item0></tools>";
    TestSupport::writeFile(path("recent.xml"), foreign);
    TVYRAMRUList list(path("recent.xml"));
    EXPECT_EQ(list.GetCount(), 0);
    const TOperationResult saved = list.ExpandList(QStringLiteral("/neu.php"));
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.errorText.contains(path("recent.xml"))) << saved.errorText.toStdString();
    EXPECT_EQ(list.Items(), QStringList{"/neu.php"});
    EXPECT_EQ(TestSupport::readFile(path("recent.xml")), foreign);

    const QByteArray damaged = "<recent><item0>/a</item0>";
    TestSupport::writeFile(path("recent.xml"), damaged);
    EXPECT_THROW(list.ReLoadFromXML(), EInvalidVYRAFormat);
    EXPECT_FALSE(list.ExpandList(QStringLiteral("/b")));
    EXPECT_EQ(TestSupport::readFile(path("recent.xml")), damaged);
}

TEST(TextStatisticsTest, CountsCharactersAndBlanks)
{
    const TTextStatistics twoBlanks(u"a  b");
    EXPECT_EQ(twoBlanks.CharCount, 4);
    EXPECT_EQ(twoBlanks.WordCount, 3);
    const TTextStatistics empty(u"");
    EXPECT_EQ(empty.CharCount, 0);
    EXPECT_EQ(empty.WordCount, 0);
    const TTextStatistics breaks(u"eins\tzwei\r\ndrei");
    EXPECT_EQ(breaks.WordCount, 1);
    EXPECT_EQ(breaks.CharCount, 15);
    // A character outside the basic plane is one character, not two.
    const TTextStatistics emoji(QStringLiteral("ä 😀"));
    EXPECT_EQ(emoji.CharCount, 3);
    EXPECT_EQ(emoji.WordCount, 2);
}
