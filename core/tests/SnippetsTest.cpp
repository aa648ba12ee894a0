#include "snippets/TSnippets.h"
#include "utils/VYRAExceptions.h"

#include "TestSupport.h"

#include <QSettings>
#include <functional>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SnippetsTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

// Codes that a CDATA section, the XML parser or line-break handling could change.
const QString kAwkwardCode = QStringLiteral("<?php if ($a < $b && $c > 0) { echo \"]]>\"; }\r\n"
                                            "\t$x = '<![CDATA[' . ']]]]>' . \"&amp;\";\r\n\t\t%cursor%\r\n"
                                            "]]>]]>\n  trailing blanks  \r");

} // namespace

TEST_F(SnippetsTest, CodesKeepEveryCharacterThroughSaveAndLoad)
{
    TSnippets snippets(path("snippets.xml"));
    TSnippetGroup *root = snippets.RootGroup();
    root->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("Vergleich <&> \"x\""), kAwkwardCode,
                                                QStringLiteral("if&<")));
    root->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("leer"), QString()));
    root->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("Ende"), QStringLiteral("abc]]")));
    root->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("nur Leerraum"), QStringLiteral(" \t\r\n ")));
    ASSERT_TRUE(snippets.SaveToXML());

    // Every "]]>" was split, so the file is well-formed for any XML reader.
    const QByteArray file = TestSupport::readFile(path("snippets.xml"));
    EXPECT_TRUE(file.contains("]]]]><![CDATA[>")) << file.constData();

    TSnippets again(path("snippets.xml"));
    TSnippetGroup *read = again.RootGroup();
    ASSERT_EQ(read->GetSnippetCount(), 4);
    EXPECT_EQ(read->GetSnippet(0)->Name, QStringLiteral("Vergleich <&> \"x\""));
    EXPECT_EQ(read->GetSnippet(0)->Code, kAwkwardCode);
    EXPECT_EQ(read->GetSnippet(0)->Shortcut, QStringLiteral("if&<"));
    EXPECT_EQ(read->GetSnippet(1)->Code, QString());
    EXPECT_EQ(read->GetSnippet(1)->Shortcut, QString());
    EXPECT_EQ(read->GetSnippet(2)->Code, QStringLiteral("abc]]"));
    EXPECT_EQ(read->GetSnippet(3)->Code, QStringLiteral(" \t\r\n "));
    EXPECT_EQ(read->GetSnippet(0)->Group(), read);
}

TEST_F(SnippetsTest, NestedGroupsKeepTheirOrderAndSnippets)
{
    TSnippets snippets(path("snippets.xml"));
    TSnippetGroup *root = snippets.RootGroup();
    root->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("oben"), QStringLiteral("1")));
    TSnippetGroup *php = root->AddGroup(QStringLiteral("PHP"));
    TSnippetGroup *html = root->AddGroup(QStringLiteral("HTML & CSS"));
    TSnippetGroup *loops = php->AddGroup(QStringLiteral("Schleifen"));
    php->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("echo"), QStringLiteral("echo %cursor%;")));
    loops->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("for"), QStringLiteral("for (;;) {\n}")));
    loops->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("while"), QStringLiteral("while (true) {}")));
    html->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("div"), QStringLiteral("<div></div>")));
    ASSERT_TRUE(snippets.SaveToXML());

    TSnippets again(path("snippets.xml"));
    TSnippetGroup *read = again.RootGroup();
    EXPECT_EQ(read->Name, QStringLiteral("maingroup"));
    ASSERT_EQ(read->GetGroupCount(), 2);
    EXPECT_EQ(read->GetSnippetCount(), 1);
    TSnippetGroup *readPhp = read->GetGroup(0);
    EXPECT_EQ(readPhp->Name, QStringLiteral("PHP"));
    EXPECT_EQ(readPhp->Parent(), read);
    EXPECT_EQ(read->GetGroup(1)->Name, QStringLiteral("HTML & CSS"));
    ASSERT_EQ(readPhp->GetGroupCount(), 1);
    TSnippetGroup *readLoops = readPhp->GetGroup(0);
    ASSERT_EQ(readLoops->GetSnippetCount(), 2);
    EXPECT_EQ(readLoops->GetSnippet(1)->Name, QStringLiteral("while"));
    EXPECT_EQ(readLoops->Parent(), readPhp);
    EXPECT_EQ(readPhp->GetSnippet(0)->Code, QStringLiteral("echo %cursor%;"));
}

TEST_F(SnippetsTest, ReadsTheStoredFormWithGroupAttributeTextAndSurroundingBlanks)
{
    // Older files: the group attribute may have another name; a code may be
    // plain escaped text or a CDATA section between indenting blanks.
    TestSupport::writeFile(path("snippets.xml"),
                           "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"
                           "<snippets>\r\n"
                           "  <snippet name=\"Gr\xfc\xdf""e\">echo 'Hallo &amp; &lt;b&gt;';</snippet>\r\n"
                           "  <group name=\"Alt\">\r\n"
                           "    <snippet name=\"x\" shortcut=\"xx\">\r\n      <![CDATA[a\r\nb]]>\r\n    </snippet>\r\n"
                           "    <unknown>wird ignoriert</unknown>\r\n"
                           "  </group>\r\n"
                           "  <group/>\r\n"
                           "</snippets>\r\n");
    TSnippets snippets(path("snippets.xml"));
    TSnippetGroup *root = snippets.RootGroup();
    ASSERT_EQ(root->GetSnippetCount(), 1);
    EXPECT_EQ(root->GetSnippet(0)->Name, QStringLiteral("Grüße"));
    EXPECT_EQ(root->GetSnippet(0)->Code, QStringLiteral("echo 'Hallo & <b>';"));
    ASSERT_EQ(root->GetGroupCount(), 2);
    EXPECT_EQ(root->GetGroup(0)->Name, QStringLiteral("Alt"));
    ASSERT_EQ(root->GetGroup(0)->GetSnippetCount(), 1);
    EXPECT_EQ(root->GetGroup(0)->GetSnippet(0)->Code, QStringLiteral("a\r\nb"));
    EXPECT_EQ(root->GetGroup(0)->GetSnippet(0)->Shortcut, QStringLiteral("xx"));
    EXPECT_EQ(root->GetGroup(1)->Name, QString());
}

TEST_F(SnippetsTest, MissingFileGivesEmptyTreeAndIsCreatedOnSave)
{
    TSnippets snippets(path("sub/snippets.xml"));
    EXPECT_EQ(snippets.RootGroup()->GetSnippetCount(), 0);
    EXPECT_EQ(snippets.RootGroup()->Name, QStringLiteral("maingroup"));
    snippets.RootGroup()->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("a"), QStringLiteral("b")));
    ASSERT_TRUE(snippets.SaveToXML());
    EXPECT_TRUE(TestSupport::readFile(path("sub/snippets.xml")).contains("<snippets>"));
}

TEST_F(SnippetsTest, WrongRootIsNeitherReadNorOverwrittenAndTheSaveSaysSo)
{
    const QByteArray foreign = "<tools><snippet name=\"a\">b</snippet></tools>";
    TestSupport::writeFile(path("snippets.xml"), foreign);
    TSnippets snippets(path("snippets.xml"));
    EXPECT_EQ(snippets.RootGroup()->GetSnippetCount(), 0);

    snippets.RootGroup()->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("neu"), QStringLiteral("x")));
    const TOperationResult saved = snippets.SaveToXML();
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.errorText.contains(path("snippets.xml"))) << saved.errorText.toStdString();
    EXPECT_TRUE(saved.errorText.contains(QStringLiteral("Wurzelelement"))) << saved.errorText.toStdString();
    EXPECT_EQ(TestSupport::readFile(path("snippets.xml")), foreign);
}

TEST_F(SnippetsTest, DamagedFileRaisesAndIsNeverWrittenOver)
{
    const QByteArray damaged = "<snippets><snippet name=\"a\"><![CDATA[x]]></snippet>";
    TestSupport::writeFile(path("snippets.xml"), damaged);
    try {
        TSnippets snippets(path("snippets.xml"));
        FAIL() << "no exception";
    } catch (const EInvalidVYRAFormat &error) {
        EXPECT_TRUE(error.message().contains(path("snippets.xml"))) << error.what();
    }

    TestSupport::writeFile(path("good.xml"), "<snippets/>");
    TSnippets snippets(path("good.xml"));
    snippets.SetFileName(path("snippets.xml"));
    const TOperationResult saved = snippets.SaveToXML();
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.errorText.contains(path("snippets.xml")));
    EXPECT_EQ(TestSupport::readFile(path("snippets.xml")), damaged);
}

TEST_F(SnippetsTest, GroupsNestedBeyondTheLimitAreRefused)
{
    QByteArray deep = "<snippets>";
    for (int i = 0; i <= TSnippets::MaxGroupDepth + 1; ++i)
        deep += "<group groupname=\"g\">";
    for (int i = 0; i <= TSnippets::MaxGroupDepth + 1; ++i)
        deep += "</group>";
    deep += "</snippets>";
    TestSupport::writeFile(path("deep.xml"), deep);
    EXPECT_THROW(TSnippets snippets(path("deep.xml")), EInvalidVYRAFormat);

    TSnippets fromData(path("none.xml"));
    EXPECT_THROW(fromData.LoadFromData(deep), EInvalidVYRAFormat);
    EXPECT_EQ(fromData.RootGroup()->GetGroupCount(), 0);
}

TEST_F(SnippetsTest, SnippetsMoveBetweenGroupsWithoutBeingFreed)
{
    TSnippetGroup root(QStringLiteral("maingroup"));
    TSnippetGroup *a = root.AddGroup(QStringLiteral("a"));
    TSnippetGroup *b = root.AddGroup(QStringLiteral("b"));
    a->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("eins"), QStringLiteral("1")));
    a->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("zwei"), QStringLiteral("2")));
    TSnippet *one = a->GetSnippet(0);

    EXPECT_EQ(a->AddSnipetAutoMove(one), 0);
    EXPECT_EQ(b->AddSnipetAutoMove(one), 0);
    EXPECT_EQ(one->Group(), b);
    EXPECT_EQ(b->GetSnippet(0), one);
    ASSERT_EQ(a->GetSnippetCount(), 1);
    EXPECT_EQ(a->GetSnippet(0)->Name, QStringLiteral("zwei"));
    EXPECT_EQ(b->AddSnipetAutoMove(nullptr), -1);
    TSnippet loose(QStringLiteral("lose"), QStringLiteral("x"));
    EXPECT_EQ(b->AddSnipetAutoMove(&loose), -1);
    EXPECT_EQ(b->GetSnippetCount(), 1);

    b->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("drei"), QStringLiteral("3")));
    b->ExchangeSnippets(0, 1);
    EXPECT_EQ(b->GetSnippet(0)->Name, QStringLiteral("drei"));
    b->ExchangeSnippets(0, 7);
    EXPECT_EQ(b->GetSnippet(0)->Name, QStringLiteral("drei"));
    b->DeleteSnippet(one);
    EXPECT_EQ(b->GetSnippetCount(), 1);
    b->DeleteSnippet(5);
    EXPECT_EQ(b->GetSnippetCount(), 1);

    // The object form ignores a group that is not a child.
    TSnippetGroup *inner = a->AddGroup(QStringLiteral("innen"));
    root.DeleteGroup(inner);
    EXPECT_EQ(a->GetGroupCount(), 1);
    root.DeleteGroup(a);
    EXPECT_EQ(root.GetGroupCount(), 1);
    EXPECT_EQ(root.GetGroup(0), b);
    EXPECT_EQ(root.GetGroup(3), nullptr);
}

TEST_F(SnippetsTest, HintShowsCursorTabsAndShortcut)
{
    TSnippet plain(QStringLiteral("p"), QStringLiteral("if (x) {\n\t%cursor%\n}"));
    EXPECT_EQ(plain.HintText(), QStringLiteral("Snippet-Text: \nif (x) {\n     |\n}"));
    TSnippet withShortcut(QStringLiteral("s"), QStringLiteral("a"), QStringLiteral("ifx"));
    EXPECT_EQ(withShortcut.HintText(), QStringLiteral("Kurztext für Templatesystem: ifx\n\nSnippet-Text: \na"));
}

TEST_F(SnippetsTest, ReadsTheRegistryForm)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path("config"));
    {
        QSettings settings(QSettings::UserScope, QStringLiteral("Halvorn"), QStringLiteral("Talvex"));
        settings.setValue(QStringLiteral("Snippets/echo"), QStringLiteral("echo %cursor%;"));
        settings.setValue(QStringLiteral("Snippets/Schleifen/for"), QStringLiteral("for (;;) {}"));
        settings.setValue(QStringLiteral("Snippets/Schleifen/Tief/while"), QStringLiteral("while (1) {}"));
    }
    TSnippets snippets(0x80000001u, QStringLiteral("Software\\Halvorn\\Talvex\\Snippets"));
    TSnippetGroup *root = snippets.RootGroup();
    ASSERT_EQ(root->GetSnippetCount(), 1);
    EXPECT_EQ(root->GetSnippet(0)->Name, QStringLiteral("echo"));
    EXPECT_EQ(root->GetSnippet(0)->Code, QStringLiteral("echo %cursor%;"));
    ASSERT_EQ(root->GetGroupCount(), 1);
    EXPECT_EQ(root->GetGroup(0)->Name, QStringLiteral("Schleifen"));
    ASSERT_EQ(root->GetGroup(0)->GetGroupCount(), 1);
    EXPECT_EQ(root->GetGroup(0)->GetGroup(0)->GetSnippet(0)->Code, QStringLiteral("while (1) {}"));
    EXPECT_TRUE(snippets.FileName().isEmpty());
}

TEST_F(SnippetsTest, ShippedSnippetsLoadWithOneCaretMarkEachAndDistinctShortcuts)
{
    TSnippets shipped(TestSupport::sourceDir() + QStringLiteral("/data/shipped/snippets.xml"));
    TSnippetGroup *root = shipped.RootGroup();
    ASSERT_EQ(root->GetGroupCount(), 2);
    EXPECT_EQ(root->GetGroup(0)->Name, QStringLiteral("PHP"));
    EXPECT_EQ(root->GetGroup(1)->Name, QStringLiteral("HTML"));
    QStringList shortcuts;
    int count = 0;
    std::function<void(const TSnippetGroup &)> visit = [&](const TSnippetGroup &group) {
        for (int i = 0; i < group.GetSnippetCount(); ++i) {
            const TSnippet &snippet = *group.GetSnippet(i);
            ++count;
            EXPECT_FALSE(snippet.Name.isEmpty());
            EXPECT_EQ(snippet.Code.count(QStringLiteral("%cursor%")), 1) << snippet.Name.toStdString();
            EXPECT_FALSE(shortcuts.contains(snippet.Shortcut)) << snippet.Shortcut.toStdString();
            shortcuts << snippet.Shortcut;
        }
        for (int i = 0; i < group.GetGroupCount(); ++i)
            visit(*group.GetGroup(i));
    };
    visit(*root);
    EXPECT_GE(count, 15);
}
