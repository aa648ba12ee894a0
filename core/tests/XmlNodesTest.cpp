#include "TestSupport.h"
#include "utils/VYRAExceptions.h"
#include "utils/XmlNodes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

pugi::xml_document parse(const char *text)
{
    pugi::xml_document doc;
    EXPECT_TRUE(LoadXmlDocumentFromBytes(doc, QByteArray(text)));
    return doc;
}

} // namespace

TEST(XmlNodes, ReadsTextsAttributesNumbersAndBooleans)
{
    const auto doc = parse("<r a=\"x &amp; y\"><t>Grüße</t><e/><n> 42 </n><h>$1F</h><bad>4x</bad>"
                           "<b1>True</b1><b2>false</b2><b3>0</b3><b4>-7</b4><b5>ja</b5><mix>a<i>b</i>c</mix></r>");
    const pugi::xml_node root = doc.child("r");
    EXPECT_EQ(GetNodeText(root, "t", "d"), QStringLiteral("Grüße"));
    EXPECT_EQ(GetNodeText(root, "e", "d"), QString());
    EXPECT_EQ(GetNodeText(root, "missing", "d"), QStringLiteral("d"));
    EXPECT_EQ(GetNodeText(pugi::xml_node(), "t", "d"), QStringLiteral("d"));
    EXPECT_EQ(GetNodeText(root, "mix"), QStringLiteral("abc"));
    EXPECT_EQ(GetNodeAttributeText(root, "a", "d"), QStringLiteral("x & y"));
    EXPECT_EQ(GetNodeAttributeText(root, "b", "d"), QStringLiteral("d"));
    EXPECT_EQ(GetNodeInt(root, "n"), 42);
    EXPECT_EQ(GetNodeInt(root, "h"), 31);
    EXPECT_EQ(GetNodeInt(root, "bad", 5), 5);
    EXPECT_EQ(GetNodeInt(root, "missing", 5), 5);
    EXPECT_EQ(GetNodeInt(root, "missing"), 0);
    try {
        GetNodeInt(root, "bad");
        FAIL() << "no exception";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("'4x' ist kein gültiger Integerwert"));
    }
    EXPECT_TRUE(GetNodeBool(root, "b1"));
    EXPECT_FALSE(GetNodeBool(root, "b2", true));
    EXPECT_FALSE(GetNodeBool(root, "b3", true));
    EXPECT_TRUE(GetNodeBool(root, "b4"));
    EXPECT_TRUE(GetNodeBool(root, "b5", true));
    EXPECT_FALSE(GetNodeBool(root, "b5"));
}

TEST(XmlNodes, EveryTextReadsBackUnchangedAfterSaveAndLoad)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("store.xml");
    const QStringList values = {QStringLiteral("<a href=\"x\">&amp;</a>"), QStringLiteral("x]]>y<"),
                                QStringLiteral("line1\r\nline2\nline3\r"), QStringLiteral("  padded  "),
                                QStringLiteral(" "), QStringLiteral("€ Ж 😀"), QString()};
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("Store");
    for (int i = 0; i < values.size(); ++i) {
        SetNodeText(root, QStringLiteral("e%1").arg(i), values.at(i), true);
        SetNodeText(root, QStringLiteral("r%1").arg(i), values.at(i), false);
    }
    SetNodeText(root, "e0", "replaced");
    SetNodeBool(root, "flag", true);
    SetNodeInt(root, "count", -12);
    QString error;
    ASSERT_TRUE(SaveXmlDocument(doc, path, &error)) << error.toStdString();

    pugi::xml_document loaded;
    ASSERT_TRUE(LoadXmlDocument(loaded, path, &error)) << error.toStdString();
    const pugi::xml_node store = loaded.child("Store");
    EXPECT_EQ(GetNodeText(store, "e0"), QStringLiteral("replaced"));
    for (int i = 1; i < values.size(); ++i)
        EXPECT_EQ(GetNodeText(store, QStringLiteral("e%1").arg(i), "d"), values.at(i)) << i;
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(GetNodeText(store, QStringLiteral("r%1").arg(i), "d"), values.at(i)) << i;
    EXPECT_EQ(GetNodeText(store, "flag"), QStringLiteral("True"));
    EXPECT_EQ(GetNodeInt(store, "count"), -12);
    EXPECT_EQ(std::distance(store.children("e0").begin(), store.children("e0").end()), 1);

    const QByteArray bytes = TestSupport::readFile(path);
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Store>\n  <e0>replaced</e0>\n"));
    EXPECT_TRUE(bytes.contains("<r0><![CDATA[<a href=\"x\">&amp;</a>]]></r0>")) << bytes.constData();
}

TEST(XmlNodes, ReadsWindows1252Files)
{
    pugi::xml_document doc;
    ASSERT_TRUE(LoadXmlDocumentFromBytes(doc, "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r><t>\x80 \xE4</t></r>"));
    EXPECT_EQ(GetNodeText(doc.child("r"), "t"), QStringLiteral("€ ä"));
    QString error;
    EXPECT_FALSE(LoadXmlDocumentFromBytes(doc, "<r><t></r>", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(XmlNodes, CreateXmlFileWritesRootAndChildren)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("new/sub/list.xml");
    ASSERT_TRUE(CreateXMLFile(path, "Snippets", {"Items", "Groups"}));
    pugi::xml_document doc;
    ASSERT_TRUE(LoadXmlDocument(doc, path));
    const pugi::xml_node root = doc.document_element();
    EXPECT_STREQ(root.name(), "Snippets");
    EXPECT_TRUE(root.child("Items"));
    EXPECT_TRUE(root.child("Groups"));

    // An invalid name leaves an existing file as it was.
    const QByteArray before = TestSupport::readFile(path);
    EXPECT_FALSE(CreateXMLFile(path, "bad name", {}));
    EXPECT_FALSE(CreateXMLFile(path, "Root", {"<x>"}));
    EXPECT_EQ(TestSupport::readFile(path), before);
}

TEST(XmlNodes, SaveFailureIsReportedAndKeepsOldFile)
{
    QTemporaryDir dir;
    pugi::xml_document doc;
    doc.append_child("r");
    QString error;
    // The target's folder is a file: nothing can be written there.
    TestSupport::writeFile(dir.filePath("blocker"), "x");
    EXPECT_FALSE(SaveXmlDocument(doc, dir.filePath("blocker/store.xml"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("blocker/store.xml"))) << error.toStdString();
}
