#include "settings/ESettingsLoadErr.h"
#include "settings/TCommaText.h"
#include "settings/TVYRAOwnedCollection.h"
#include "settings/TXmlSerializer.h"
#include "settings/VYRASettingsTypes.h"
#include "TestSupport.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

class TTestItem : public TVYRACollectionItem
{
    Q_OBJECT
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(int Value MEMBER Value)

public:
    QString Name;
    int Value = 0;
};

class TTestItems : public TVYRAOwnedCollection<TTestItem>
{
};

class TTestChild : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(QString Text MEMBER Text)
    Q_PROPERTY(bool Hidden MEMBER Hidden)

public:
    bool IsPropertyStored(const char *name) const override { return qstrcmp(name, "Hidden") != 0 || Hidden; }
    QString Text;
    bool Hidden = false;
};

class TTestObject : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(bool Flag MEMBER Flag)
    Q_PROPERTY(int Color MEMBER Color)
    Q_PROPERTY(quint16 Shortcut MEMBER Shortcut)
    Q_PROPERTY(double Ratio MEMBER Ratio)
    Q_PROPERTY(qlonglong Big MEMBER Big)
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(QStringList List MEMBER List)
    Q_PROPERTY(VYRASettingsTypes::TAutoSaveType Kind MEMBER Kind)
    Q_PROPERTY(VYRASettingsTypes::TAutoSaveOptions Options MEMBER Options)
    Q_PROPERTY(TTestChild *Child READ Child)
    Q_PROPERTY(TTestChild *Missing READ Missing)
    Q_PROPERTY(TTestItems *Items READ Items)
    Q_PROPERTY(QString Secret MEMBER Secret STORED false)

public:
    TTestObject() { m_items.setParent(this); }
    TTestChild *Child() { return &m_child; }
    TTestChild *Missing() { return nullptr; }
    TTestItems *Items() { return &m_items; }

    bool Flag = false;
    int Color = 0;
    quint16 Shortcut = 0;
    double Ratio = 0;
    qlonglong Big = 0;
    QString Name;
    QStringList List;
    TAutoSaveType Kind = asAll;
    TAutoSaveOptions Options;
    QString Secret;

private:
    TTestChild m_child;
    TTestItems m_items;
};

// Adds a property to its base without any code for storing it.
class TTestDerived : public TTestObject
{
    Q_OBJECT
    Q_PROPERTY(QString Extra MEMBER Extra)

public:
    QString Extra;
};

class XmlSerializerTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString file() const { return path(QStringLiteral("settings.xml")); }

    void fill(TTestObject &object)
    {
        object.Flag = true;
        object.Color = qint32(0xFF00000E);
        object.Shortcut = 0x4000 + 'S';
        object.Ratio = 0.1;
        object.Big = 1;
        object.Name = QStringLiteral("a<b>&c");
        object.List = {QStringLiteral("x y"), QStringLiteral("z")};
        object.Kind = asOnlyNewDocs;
        object.Options = asoConfirmAutoSave | asoChangedOnly;
        object.Child()->Text = QStringLiteral("kind");
        for (int i = 0; i < 2; ++i) {
            TTestItem *item = object.Items()->Add();
            item->Name = QStringLiteral("n%1").arg(i);
            item->Value = i;
        }
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(XmlSerializerTest, WritesTheStoredFormExactly)
{
    TTestObject object;
    fill(object);
    TXmlSerializer serializer(file(), QStringLiteral("root"));
    ASSERT_TRUE(serializer.SaveToFile(&object));
    // Sorted by name, 64-bit integers and unstored properties left out, each
    // collection item an element of its own, nil objects not written.
    EXPECT_EQ(readFile(file()), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                           "<root>\n"
                                           "  <Child>\n"
                                           "    <Text>kind</Text>\n"
                                           "  </Child>\n"
                                           "  <Color>-16777202</Color>\n"
                                           "  <Flag>True</Flag>\n"
                                           "  <Items>\n"
                                           "    <item>\n"
                                           "      <Name>n0</Name>\n"
                                           "      <Value>0</Value>\n"
                                           "    </item>\n"
                                           "    <item>\n"
                                           "      <Name>n1</Name>\n"
                                           "      <Value>1</Value>\n"
                                           "    </item>\n"
                                           "  </Items>\n"
                                           "  <Kind>asOnlyNewDocs</Kind>\n"
                                           "  <List>\"x y\",z</List>\n"
                                           "  <Name>a&lt;b&gt;&amp;c</Name>\n"
                                           "  <Options>[asoConfirmAutoSave,asoChangedOnly]</Options>\n"
                                           "  <Ratio>0.1</Ratio>\n"
                                           "  <Shortcut>16467</Shortcut>\n"
                                           "</root>\n"));
}

TEST_F(XmlSerializerTest, RoundTripsEveryKindAndSavesIdenticalBytes)
{
    TTestDerived written;
    fill(written);
    written.Extra = QStringLiteral("from the descendant");
    written.Child()->Hidden = true;
    TXmlSerializer serializer(file(), QStringLiteral("root"));
    ASSERT_TRUE(serializer.SaveToFile(&written));
    const QByteArray first = readFile(file());
    EXPECT_TRUE(first.contains("<Extra>from the descendant</Extra>"));
    EXPECT_TRUE(first.contains("<Hidden>True</Hidden>"));

    TTestDerived read;
    serializer.LoadFromFile(&read);
    EXPECT_EQ(serializer.SkippedValueCount(), 0);
    EXPECT_TRUE(read.Flag);
    EXPECT_EQ(read.Color, qint32(0xFF00000E));
    EXPECT_EQ(read.Shortcut, 0x4000 + 'S');
    EXPECT_EQ(read.Ratio, 0.1);
    EXPECT_EQ(read.Big, 0);
    EXPECT_EQ(read.Name, written.Name);
    EXPECT_EQ(read.List, written.List);
    EXPECT_EQ(read.Kind, asOnlyNewDocs);
    EXPECT_EQ(read.Options, asoConfirmAutoSave | asoChangedOnly);
    EXPECT_EQ(read.Child()->Text, QStringLiteral("kind"));
    EXPECT_TRUE(read.Child()->Hidden);
    ASSERT_EQ(read.Items()->Count(), 2);
    EXPECT_EQ(read.Items()->Items(1)->Name, QStringLiteral("n1"));
    EXPECT_EQ(read.Items()->Items(1)->Value, 1);
    EXPECT_EQ(read.Extra, written.Extra);

    ASSERT_TRUE(serializer.SaveToFile(&read));
    EXPECT_EQ(readFile(file()), first);
}

TEST_F(XmlSerializerTest, AnUnchangedFileIsNotRewritten)
{
    TTestObject object;
    TXmlSerializer serializer(file(), QStringLiteral("root"));
    ASSERT_TRUE(serializer.SaveToFile(&object));
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    {
        QFile stored(file());
        ASSERT_TRUE(stored.open(QIODevice::ReadWrite));
        ASSERT_TRUE(stored.setFileTime(past, QFileDevice::FileModificationTime));
    }
    int saved = 0;
    serializer.OnSaved = [&](TXmlSerializer *) { ++saved; };
    ASSERT_TRUE(serializer.SaveToFile(&object));
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(QFileInfo(file()).lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());
    object.Name = QStringLiteral("changed");
    ASSERT_TRUE(serializer.SaveToFile(&object));
    EXPECT_NE(QFileInfo(file()).lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());
}

TEST_F(XmlSerializerTest, AwkwardTextsReadBackExactly)
{
    const QStringList texts = {
        QStringLiteral("<tag attr=\"1\">&amp;</tag>"),
        QStringLiteral("  leading and trailing  "),
        QStringLiteral("   "),
        QStringLiteral("line one\r\nline two\r\n"),
        QStringLiteral("\n"),
        QStringLiteral("Umlaute äöüß € and \t tab"),
        QStringLiteral("]]> inside"),
        QString(),
    };
    TXmlSerializer serializer(file(), QStringLiteral("root"));
    for (const QString &text : texts) {
        TTestObject written;
        written.Name = text;
        written.List = {text, QStringLiteral("\"quoted\""), QString(), QStringLiteral("a,b")};
        ASSERT_TRUE(serializer.SaveToFile(&written));
        TTestObject read;
        read.Name = QStringLiteral("not read");
        serializer.LoadFromFile(&read);
        EXPECT_EQ(read.Name, text) << text.toStdString();
        EXPECT_EQ(read.List, written.List) << text.toStdString();
    }
}

TEST_F(XmlSerializerTest, ValuesThatDoNotFitKeepTheirDefaultAndTheRestIsRead)
{
    writeFile(file(), "<root><Flag>yes</Flag><Color>red</Color><Shortcut>70000</Shortcut>"
                      "<Ratio>x</Ratio><Kind>asNothing</Kind><Options>[asoConfirmAutoSave,asoBogus]</Options>"
                      "<Unknown><Deeper>1</Deeper></Unknown><Child><Text>ok</Text><Nope/></Child>"
                      "<Name>read</Name><Secret>never read</Secret></root>");
    TTestObject object;
    object.Flag = true;
    object.Color = 7;
    object.Shortcut = 5;
    object.Ratio = 1.5;
    object.Kind = asOnlyExistingFiles;
    object.Options = asoShowSuccessMessage;
    TXmlSerializer serializer(file(), QStringLiteral("root"));
    serializer.LoadFromFile(&object);
    EXPECT_EQ(serializer.SkippedValueCount(), 6);
    EXPECT_TRUE(object.Flag);
    EXPECT_EQ(object.Color, 7);
    EXPECT_EQ(object.Shortcut, 5);
    EXPECT_EQ(object.Ratio, 1.5);
    EXPECT_EQ(object.Kind, asOnlyExistingFiles);
    EXPECT_EQ(object.Options, TAutoSaveOptions(asoShowSuccessMessage));
    EXPECT_EQ(object.Child()->Text, QStringLiteral("ok"));
    EXPECT_EQ(object.Name, QStringLiteral("read"));
    EXPECT_TRUE(object.Secret.isEmpty());
}

TEST_F(XmlSerializerTest, ReadsNamesIgnoringCaseAndTheFormsOfEarlierFiles)
{
    writeFile(file(), "<root><flag>true</flag><Color>$FF</Color><Kind>ASONLYNEWDOCS</Kind>"
                      "<Options> asoChangedOnly , asoConfirmAutoSave </Options><Ratio>2,5</Ratio></root>");
    TTestObject object;
    TXmlSerializer serializer(file(), QStringLiteral("root"));
    serializer.LoadFromFile(&object);
    EXPECT_TRUE(object.Flag);
    EXPECT_EQ(object.Color, 255);
    EXPECT_EQ(object.Kind, asOnlyNewDocs);
    EXPECT_EQ(object.Options, asoConfirmAutoSave | asoChangedOnly);
    EXPECT_EQ(object.Ratio, 2.5);
}

TEST_F(XmlSerializerTest, ACollectionReadIntoAFilledOneAppends)
{
    writeFile(file(), "<root><Items><item><Name>b</Name></item><other><Name>c</Name></other></Items></root>");
    TTestObject object;
    object.Items()->Add()->Name = QStringLiteral("a");
    TXmlSerializer serializer(file(), QStringLiteral("root"));
    serializer.LoadFromFile(&object);
    ASSERT_EQ(object.Items()->Count(), 3);
    EXPECT_EQ(object.Items()->Items(0)->Name, QStringLiteral("a"));
    EXPECT_EQ(object.Items()->Items(2)->Name, QStringLiteral("c"));
}

TEST_F(XmlSerializerTest, WritingIntoAnElementReusesChildrenButKeepsItemsApart)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("root");
    root.append_child("Name").text().set("old");
    pugi::xml_node items = root.append_child("Items");
    items.append_child("item").append_child("Name").text().set("stale");
    TTestObject object;
    fill(object);
    TXmlSerializer serializer(file(), QStringLiteral("root"));
    serializer.WriteClass(&object, root);
    serializer.WriteClass(&object, root);
    EXPECT_EQ(std::distance(root.children("Name").begin(), root.children("Name").end()), 1);
    EXPECT_STREQ(root.child("Name").text().get(), "a<b>&c");
    EXPECT_EQ(std::distance(items.children("item").begin(), items.children("item").end()), 2);
    EXPECT_STREQ(items.first_child().child("Name").text().get(), "n0");
    EXPECT_STREQ(items.last_child().child("Name").text().get(), "n1");

    EXPECT_TRUE(serializer.WriteProperty(&object, root, "Kind"));
    EXPECT_FALSE(serializer.WriteProperty(&object, root, "objectName"));
    EXPECT_FALSE(serializer.WriteProperty(&object, root, "NoSuchProperty"));
    TTestObject read;
    EXPECT_TRUE(serializer.ReadProperty(&read, root.child("Kind"), "Kind"));
    EXPECT_FALSE(serializer.ReadProperty(&read, root.child("Name"), "Kind"));
    EXPECT_EQ(read.Kind, asOnlyNewDocs);
}

TEST_F(XmlSerializerTest, AFileOfAnotherRootIsLeftAloneUnlessForced)
{
    const QByteArray foreign = "<other><Name>keep</Name></other>";
    writeFile(file(), foreign);
    TTestObject object;
    object.Name = QStringLiteral("default");
    TXmlSerializer serializer(file(), QStringLiteral("root"));
    serializer.LoadFromFile(&object);
    EXPECT_EQ(object.Name, QStringLiteral("default"));
    EXPECT_FALSE(serializer.SaveToFile(&object));
    EXPECT_FALSE(serializer.LastError().isEmpty());
    EXPECT_EQ(readFile(file()), foreign);

    ASSERT_TRUE(serializer.SaveToFile(&object, true));
    EXPECT_TRUE(readFile(file()).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<other>\n  <Child>"));
    EXPECT_TRUE(readFile(file()).contains("<Name>default</Name>"));
}

TEST_F(XmlSerializerTest, MissingAndEmptyFilesLoadNothingAndSaveCreatesFolders)
{
    TTestObject object;
    object.Name = QStringLiteral("default");
    int loaded = 0;
    TXmlSerializer serializer(path(QStringLiteral("a/b/settings.xml")), QStringLiteral("root"));
    serializer.OnLoaded = [&](TXmlSerializer *sender) { loaded += sender == &serializer; };
    serializer.LoadFromFile(&object);
    EXPECT_EQ(loaded, 0);
    ASSERT_TRUE(serializer.SaveToFile(&object));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("a/b/settings.xml"))));

    writeFile(file(), "");
    serializer.SetFileName(file());
    serializer.LoadFromFile(&object);
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(object.Name, QStringLiteral("default"));
    ASSERT_TRUE(serializer.SaveToFile(&object));
    EXPECT_TRUE(serializer.TakeBackupFileName().isEmpty());
    EXPECT_TRUE(readFile(file()).contains("<Name>default</Name>"));
}

TEST_F(XmlSerializerTest, ADamagedFileRaisesOnLoadAndIsKeptAsACopyBeforeItIsReplaced)
{
    const QByteArray damaged = "<root><Name>half</Na";
    writeFile(file(), damaged);
    writeFile(file() + QStringLiteral(".damaged"), "an earlier copy");
    TTestObject object;
    TXmlSerializer serializer(file(), QStringLiteral("root"));
    EXPECT_THROW(serializer.LoadFromFile(&object), ESettingsLoadErr);

    ASSERT_TRUE(serializer.SaveToFile(&object));
    const QString copy = serializer.TakeBackupFileName();
    EXPECT_EQ(copy, file() + QStringLiteral(".damaged-2"));
    EXPECT_EQ(readFile(copy), damaged);
    EXPECT_EQ(readFile(file() + QStringLiteral(".damaged")), QByteArray("an earlier copy"));
    EXPECT_TRUE(serializer.TakeBackupFileName().isEmpty());
    EXPECT_NO_THROW(serializer.LoadFromFile(&object));
}

TEST_F(XmlSerializerTest, AFailedSaveIsReportedAndWritesNothing)
{
    writeFile(path(QStringLiteral("blocker")), "a file where a folder should be");
    TTestObject object;
    TXmlSerializer serializer(path(QStringLiteral("blocker/settings.xml")), QStringLiteral("root"));
    int saved = 0;
    serializer.OnSaved = [&](TXmlSerializer *) { ++saved; };
    EXPECT_FALSE(serializer.SaveToFile(&object));
    EXPECT_FALSE(serializer.LastError().isEmpty());
    EXPECT_EQ(saved, 0);

    // A settings file that cannot be read is neither read nor replaced.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("settings.xml")));
    serializer.SetFileName(file());
    EXPECT_THROW(serializer.LoadFromFile(&object), ESettingsLoadErr);
    EXPECT_FALSE(serializer.SaveToFile(&object));
    EXPECT_TRUE(QFileInfo(file()).isDir());
}

TEST(CommaText, FollowsTheStoredForm)
{
    EXPECT_EQ(TCommaText::Join({}), QString());
    EXPECT_EQ(TCommaText::Join({QString()}), QStringLiteral("\"\""));
    EXPECT_EQ(TCommaText::Join({QStringLiteral("a"), QString(), QStringLiteral("say \"hi\"")}),
              QStringLiteral("a,,\"say \"\"hi\"\"\""));
    EXPECT_EQ(TCommaText::Split(QString()), QStringList());
    EXPECT_EQ(TCommaText::Split(QStringLiteral("\"\"")), QStringList{QString()});
    EXPECT_EQ(TCommaText::Split(QStringLiteral(" a b ,c,")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QString()}));
    EXPECT_EQ(TCommaText::Split(QStringLiteral("\"open")), QStringList{QStringLiteral("open")});
    EXPECT_EQ(TCommaText::Split(QStringLiteral("\"a\"b")), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

#include "XmlSerializerTest.moc"
