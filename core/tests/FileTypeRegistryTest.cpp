#include "editor/TSynMultiSyn.h"
#include "filetypes/DialogFilters.h"
#include "filetypes/TVYRAExtensions.h"
#include "utils/VYRAExceptions.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {
const QByteArray Official = R"(<?xml version="1.0" encoding="UTF-8"?>
<filetypes>
  <filetype name="PHP" type="egtOfficial">
    <iconpath>:appdir:/icons/php.png</iconpath>
    <defaulthighlighter>php</defaulthighlighter>
    <editormode>True</editormode>
    <isbinary>False</isbinary>
    <extension identifier="*.php" registermode="etBoth" description="PHP-Skript"/>
    <extension identifier="*.php3" registermode="etOpen"/>
    <extension identifier="*.broken"/>
  </filetype>
  <filetype name="Webseiten" type="egtOfficial">
    <defaulthighlighter>Gibt es nicht</defaulthighlighter>
    <extension identifier="*.PHP" registermode="etWrong" iconpath=":appdir:/x.png"/>
    <extension identifier="*.htm" registermode="etEdit"/>
  </filetype>
  <filetype name="Leer" type="egtCustom"/>
  <filetype name="Binär" type="egtOfficial"><isbinary>True</isbinary>
    <extension identifier="*.qcd" registermode="etNone"/></filetype>
  <other name="nicht gelesen"/>
  <filetype><defaulthighlighter>php</defaulthighlighter></filetype>
</filetypes>
)";

class FileTypeRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
        AddStandardHighlighters(highlighters);
        writeFile(path("filetypes.xml"), Official);
        extensions.LoadFromFile(path("filetypes.xml"), true);
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    TIHighlighters highlighters;
    TVYRAExtensions extensions{QStringLiteral("/opt/talvex/"), &highlighters};
};
} // namespace

TEST_F(FileTypeRegistryTest, LoadsGroupsPatternsAndFallbacks)
{
    ASSERT_EQ(extensions.GetCount(), 4);
    const TVYRAExtensionGroup *php = extensions.GetGroup(0);
    EXPECT_EQ(php->Name, "PHP");
    EXPECT_EQ(php->IconPath, "/opt/talvex/icons/php.png");
    EXPECT_EQ(php->Directory, "/opt/talvex");
    EXPECT_EQ(php->DefaultHighlighter->ShortName(), "php");
    EXPECT_TRUE(php->EditorMode);
    EXPECT_EQ(php->GroupType, egtOfficial);
    ASSERT_EQ(php->GetCount(), 2) << "a pattern without registermode is skipped";
    EXPECT_EQ(php->GetItem(0)->Description, "PHP-Skript");
    EXPECT_EQ(php->GetItem(1)->Description, "");
    EXPECT_EQ(php->GetItem(1)->RegisterMode, etOpen);
    EXPECT_EQ(php->GetItem(0)->Group, php);

    const TVYRAExtensionGroup *web = extensions.GetGroup(1);
    EXPECT_EQ(web->DefaultHighlighter, highlighters.DefaultHighlighter()) << "unknown highlighter: entry 0";
    EXPECT_EQ(web->GroupType, egtOfficial);
    EXPECT_FALSE(web->EditorMode);
    EXPECT_EQ(web->GetItem(0)->RegisterMode, etNone) << "unknown mode name";
    EXPECT_EQ(web->GetItem(0)->IconPath, "/opt/talvex/x.png");
    EXPECT_EQ(extensions.GetGroup(2)->GroupType, egtCustom);
    EXPECT_TRUE(extensions.GetGroup(3)->IsBinary);
}

TEST_F(FileTypeRegistryTest, LookupIsCaseInsensitiveAndFirstGroupWins)
{
    EXPECT_EQ(extensions.FindExtension("*.PHP"), extensions.GetGroup(0)->GetItem(0));
    EXPECT_EQ(extensions.FindExtension("*.php"), extensions.GetGroup(0)->GetItem(0));
    EXPECT_EQ(extensions.FindExtension("*.htm")->Group, extensions.GetGroup(1));
    EXPECT_EQ(extensions.FindExtension("*.nix"), nullptr);
    EXPECT_EQ(extensions.FindExtensionForFile("/srv/www/Index.PHP")->Group, extensions.GetGroup(0));
    EXPECT_EQ(extensions.FindExtensionForFile("/srv/www/README"), nullptr);
}

TEST_F(FileTypeRegistryTest, FilterStrings)
{
    EXPECT_EQ(extensions.GetGroup(0)->GetName(), "PHP (*.php;*.php3)");
    EXPECT_EQ(extensions.GetGroup(2)->GetName(), "Leer");
    EXPECT_EQ(extensions.GetGroup(2)->AsFilterString(), "Leer||");
    EXPECT_EQ(extensions.GetFilterExtensions(),
              "PHP (*.php;*.php3)|*.php;*.php3|Webseiten (*.PHP;*.htm)|*.PHP;*.htm|Leer||Binär (*.qcd)|*.qcd|");
    EXPECT_EQ(extensions.GetExtensions(false), "*.php;*.php3;*.PHP;*.htm;;*.qcd;");
    EXPECT_EQ(extensions.GetExtensions(true), "PHP (*.php;*.php3)Webseiten (*.PHP;*.htm)LeerBinär (*.qcd)");
    EXPECT_EQ(extensions.GetFilterExtensionsEx("Alle|%s|%sAlle Dateien (*.*)|*.*"),
              "Alle|*.php;*.php3;*.PHP;*.htm;;*.qcd;|" + extensions.GetFilterExtensions() + "Alle Dateien (*.*)|*.*");
    EXPECT_EQ(extensions.GetFilterExtensionsEx("%s %d"), extensions.GetFilterExtensions()) << "bad format";
    EXPECT_EQ(extensions.GetFilterExtensionsEx("%s%s%s"), extensions.GetFilterExtensions()) << "too few arguments";

    QStringList lines;
    extensions.ApplyExtensions(lines, false, false);
    EXPECT_EQ(lines, QStringList({"Alle unterstützten Formate (*.php;*.php3;*.PHP;*.htm)", "PHP (*.php;*.php3)",
                                  "Webseiten (*.PHP;*.htm)", "Leer", "Alle Dateien (*.*)"}));
    lines.clear();
    extensions.ApplyExtensions(lines, true, true);
    EXPECT_EQ(lines.size(), 4);

    EXPECT_EQ(FilterStringToQtFilters(extensions.GetGroup(0)->AsFilterString() + "Alle Dateien (*.*)|*.*"),
              QStringList({"PHP (*.php *.php3)", "Alle Dateien (*.*)"}));
}

TEST_F(FileTypeRegistryTest, CustomFileIsAppendedAndSavedGroupsComeBackCustom)
{
    extensions.AddGroup(std::make_unique<TVYRAExtensionGroup>("Eigene", "/opt/talvex/icons/own.png",
                                                             highlighters.FindHighlighter("css"), true, false,
                                                             egtCustom))
        ->AddItem(std::make_unique<TVYRAFileExtension>("*.less", "/opt/talvex/icons/less.png", "Less",
                                                       QString(), nullptr, etEdit));
    ASSERT_TRUE(extensions.SaveToFile(path("customfiletypes.xml"), true, egtCustom));
    const QString saved = QString::fromUtf8(readFile(path("customfiletypes.xml")));
    EXPECT_TRUE(saved.contains(":appdir:/icons/less.png")) << "the pattern's own icon is written";
    EXPECT_FALSE(saved.contains("PHP"));

    extensions.LoadFromFile(path("filetypes.xml"), true);
    extensions.LoadFromFile(path("customfiletypes.xml"), false);
    ASSERT_EQ(extensions.GetCount(), 6);
    const TVYRAExtensionGroup *own = extensions.GetGroup(5);
    EXPECT_EQ(own->Name, "Eigene");
    EXPECT_EQ(own->IconPath, "/opt/talvex/icons/own.png");
    EXPECT_EQ(own->DefaultHighlighter->ShortName(), "css");
    EXPECT_EQ(own->GetItem(0)->IconPath, "/opt/talvex/icons/less.png");
    EXPECT_EQ(own->GetItem(0)->RegisterMode, etEdit);
    EXPECT_EQ(own->GroupType, egtCustom);

    // Saving everything drops the type attribute: official groups come back custom.
    ASSERT_TRUE(extensions.SaveToFile(path("all.xml"), false, egtCustom));
    TVYRAExtensions reread(QStringLiteral("/opt/talvex"), &highlighters);
    reread.LoadFromFile(path("all.xml"), true);
    ASSERT_EQ(reread.GetCount(), 6);
    EXPECT_EQ(reread.GetGroup(0)->GroupType, egtCustom);
    EXPECT_EQ(reread.GetGroup(0)->GetExtensions(), "*.php;*.php3");
}

TEST_F(FileTypeRegistryTest, RemovingOnlyCustomGroupsAndPatterns)
{
    EXPECT_FALSE(extensions.RemoveGroup(0)) << "official";
    EXPECT_FALSE(extensions.RemoveGroup(-1));
    EXPECT_FALSE(extensions.RemoveGroup(extensions.GetCount()));
    EXPECT_FALSE(extensions.GetGroup(0)->RemoveItem(0));
    EXPECT_TRUE(extensions.RemoveGroup(2));
    EXPECT_EQ(extensions.GetCount(), 3);
    TVYRAExtensionGroup *custom = extensions.AddGroup(
        std::make_unique<TVYRAExtensionGroup>("C", QString(), nullptr, false, false, egtCustom));
    custom->AddItem(std::make_unique<TVYRAFileExtension>("*.c"));
    EXPECT_FALSE(custom->RemoveItem(1));
    EXPECT_TRUE(custom->RemoveItem(0));
    EXPECT_EQ(custom->GetCount(), 0);
}

TEST_F(FileTypeRegistryTest, MissingWrongRootAndDamagedFiles)
{
    extensions.LoadFromFile(path("missing.xml"), true);
    EXPECT_EQ(extensions.GetCount(), 4) << "a missing file changes nothing";

    writeFile(path("wrong.xml"), "<snippets><filetype name=\"X\"/></snippets>");
    extensions.LoadFromFile(path("wrong.xml"), true);
    EXPECT_EQ(extensions.GetCount(), 4);
    EXPECT_FALSE(extensions.SaveToFile(path("wrong.xml"), false, egtCustom));
    EXPECT_EQ(readFile(path("wrong.xml")), "<snippets><filetype name=\"X\"/></snippets>") << "left alone";

    writeFile(path("damaged.xml"), "<filetypes><filetype name=");
    EXPECT_THROW(extensions.LoadFromFile(path("damaged.xml"), true), EInvalidVYRAFormat);
    EXPECT_EQ(extensions.GetCount(), 4);
    EXPECT_THROW(extensions.SaveToFile(path("damaged.xml"), false, egtCustom), EInvalidVYRAFormat);
}

TEST_F(FileTypeRegistryTest, DeletedHighlighterIsReplacedByEntryZero)
{
    TVYRAExtensionGroup *php = extensions.GetGroup(0);
    ASSERT_EQ(php->DefaultHighlighter->ShortName(), "php");
    ASSERT_TRUE(highlighters.DelHighlighter(highlighters.IndexOf(QStringLiteral("php"))));
    EXPECT_EQ(php->DefaultHighlighter, highlighters.DefaultHighlighter());
    ASSERT_TRUE(extensions.SaveToFile(path("after.xml"), false, egtCustom));
    EXPECT_TRUE(QString::fromUtf8(readFile(path("after.xml"))).contains("<defaulthighlighter>none</defaulthighlighter>"));
}

TEST(ShippedFileTypes, LoadAgainstTheStandardHighlighters)
{
    TIHighlighters highlighters;
    AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
    AddStandardHighlighters(highlighters);
    highlighters.InitialiseMultiHighlighters(sourceDir() + "/data/shipped/Highlighters/multihighlighter.xml");
    TVYRAExtensions extensions(sourceDir(), &highlighters);
    extensions.LoadFromFile(sourceDir() + "/data/shipped/filetypes.xml", true);
    ASSERT_GT(extensions.GetCount(), 8);
    for (const char *name : {"*.php", "*.html", "*.css", "*.js", "*.xml", "*.sql", "*.txt", "*.json", "*.md",
                             "*.htaccess", "*.ini", "*.sh", "*.qpg", "*.qtf"})
        EXPECT_NE(extensions.FindExtension(name), nullptr) << name;
    for (const char *name : {"*.php", "*.phtml", "*.html", "*.htm"})
        EXPECT_EQ(extensions.FindExtension(name)->Group->DefaultHighlighter->ShortName(), "multi_htmlphpcssjavascript")
            << name;
    EXPECT_TRUE(extensions.FindExtension("*.php")->Group->DefaultHighlighter->IsMultiHighlighter());
    EXPECT_EQ(extensions.FindExtension("*.css")->Group->DefaultHighlighter->ShortName(), "css");
    EXPECT_EQ(extensions.FindExtension("*.php")->Group->GroupType, egtOfficial);
}

// HTML by default, PHP anywhere, CSS in <style> and JavaScript in <script>:
// the multi-highlighter the studio's settings name for new documents.
TEST(ShippedFileTypes, OfferTheHtmlPhpCssJavaScriptMultiHighlighter)
{
    TIHighlighters highlighters;
    AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
    AddStandardHighlighters(highlighters);
    highlighters.InitialiseMultiHighlighters(sourceDir() + "/data/shipped/Highlighters/multihighlighter.xml");
    QStringList names;
    highlighters.ListHighlighters(names, false);
    EXPECT_TRUE(names.contains("HTML/PHP/CSS/JavaScript")) << names.join(", ").toStdString();
    const TIHighlighter *entry = highlighters.FindHighlighter("multi_htmlphpcssjavascript");
    ASSERT_NE(entry, nullptr);
    const TSynMultiSyn *multi = entry->MultiHighlighter();
    ASSERT_TRUE(multi && entry->IsMultiHighlighter());
    EXPECT_EQ(multi->defaultHighlighter(), highlighters.FindHighlighter("html")->GetHighlighter());
    const QList<std::pair<QString, QString>> expected = {
        {"phpstartexpr", "php"}, {"<(?i:style)\\b[^>]*>", "css"}, {"<(?i:script)\\b[^>]*>", "javascript"}};
    ASSERT_EQ(multi->schemeCount(), expected.size());
    for (int i = 0; i < multi->schemeCount(); ++i) {
        EXPECT_EQ(multi->scheme(i).startExpr(), expected[i].first);
        EXPECT_EQ(multi->scheme(i).highlighter(), highlighters.FindHighlighter(expected[i].second)->GetHighlighter());
    }
    EXPECT_NE(highlighters.FindHighlighter("multi_phphtml"), nullptr) << "stored file types may still name it";
}
