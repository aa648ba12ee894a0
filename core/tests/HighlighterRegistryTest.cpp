#include "editor/TCodeEditor.h"
#include "editor/TSynCssSyn.h"
#include "editor/TSynMultiSyn.h"
#include "utils/VYRAExceptions.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/THighlighterAttributeFile.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "TestSupport.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {
QByteArray multiFile(const QString &shortName, const QString &schemes = QStringLiteral("php,html"))
{
    QString items;
    for (const QString &s : schemes.split(',')) {
        items += QStringLiteral("<%1><startexpr><![CDATA[<%1>]]></startexpr><endexpr><![CDATA[</%1>]]></endexpr>"
                                "<highlighter>%1</highlighter><markerattributes><background>255</background>"
                                "<foreground>x</foreground><style>3</style></markerattributes></%1>")
                     .arg(s);
    }
    return QStringLiteral("<multihighlighter><highlighter><name>Gemischt</name><shortname>%1</shortname>"
                          "<defaulthighlighter>html</defaulthighlighter><subhighlighters>%2</subhighlighters>"
                          "</highlighter></multihighlighter>")
        .arg(shortName, items)
        .toUtf8();
}

class HighlighterRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        AddDefaultHighlighter(registry, QStringLiteral("Kein"));
        AddStandardHighlighters(registry);
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    TIHighlighter *loadMulti(const QByteArray &content)
    {
        writeFile(path("multihighlighter.xml"), content);
        registry.InitialiseMultiHighlighters(path("multihighlighter.xml"));
        return registry.GetHighlighter(registry.GetHighlighterCount() - 1);
    }

    QTemporaryDir dir;
    TIHighlighters registry;
};
} // namespace

TEST_F(HighlighterRegistryTest, StartUpEntriesAndLookups)
{
    ASSERT_EQ(registry.GetHighlighterCount(), 7);
    const QStringList shortNames = {"none", "html", "php", "javascript", "css", "xml", "sql"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(registry.GetHighlighter(i)->ShortName(), shortNames[i]);
    EXPECT_EQ(registry.IndexOf(QStringLiteral("Java Script")), 3);
    EXPECT_EQ(registry.IndexOf(QStringLiteral("javascript")), 3);
    EXPECT_EQ(registry.IndexOf(QStringLiteral("PHP")), 2);
    EXPECT_EQ(registry.IndexOf(QStringLiteral("Php")), -1) << "case-sensitive";
    EXPECT_EQ(registry.ShortNameToLongName(QStringLiteral("css")), "CSS");
    EXPECT_EQ(registry.ShortNameToLongName(QStringLiteral("unbekannt")), "unbekannt");
    EXPECT_EQ(registry.IndexOf(registry.GetHighlighter(4)->GetHighlighter()), 4);
    EXPECT_FALSE(registry.DelHighlighter(0)) << "entry 0 stays";
}

TEST_F(HighlighterRegistryTest, LoadsMultiHighlighterAndSavesItBack)
{
    TIHighlighter *multi = loadMulti(multiFile(QStringLiteral("gemischt")));
    ASSERT_EQ(registry.GetHighlighterCount(), 8);
    EXPECT_TRUE(multi->IsMultiHighlighter());
    EXPECT_TRUE(multi->IsCopy());
    EXPECT_EQ(multi->ShortName(), "gemischt") << "a free short name is kept";
    EXPECT_EQ(multi->LongName(), "Gemischt");
    EXPECT_EQ(multi->GetHighlighter(), registry.FindHighlighter("html")->GetHighlighter());
    ASSERT_EQ(multi->Get_PresentHighlighterCount(), 2);
    const TScheme &php = multi->MultiHighlighter()->scheme(0);
    EXPECT_EQ(php.schemeName(), "php");
    EXPECT_EQ(php.startExpr(), "<php>");
    EXPECT_EQ(php.highlighter(), registry.FindHighlighter("php")->GetHighlighter());
    EXPECT_EQ(php.markerAttributes().background(), QColor(255, 0, 0));
    EXPECT_EQ(php.markerAttributes().style(), 3u);
    EXPECT_EQ(multi->Get_PresentHighlighters(1)->ShortName(), "html");
    EXPECT_EQ(multi->Get_PresentHighlighters(2), nullptr);
    EXPECT_TRUE(multi->IsHighlighterPresent(*registry.FindHighlighter("php")));
    EXPECT_FALSE(multi->IsHighlighterPresent(*registry.FindHighlighter("sql")));

    QStringList plain;
    registry.ListHighlighters(plain, true);
    EXPECT_EQ(plain, QStringList({"HTML", "PHP", "Java Script", "CSS", "XML", "SQL"}));

    ASSERT_TRUE(registry.SaveMultihighlighters(path("saved.xml")));
    TIHighlighters second;
    AddDefaultHighlighter(second, QStringLiteral("Kein"));
    AddStandardHighlighters(second);
    second.InitialiseMultiHighlighters(path("saved.xml"));
    ASSERT_EQ(second.GetHighlighterCount(), 8);
    const TIHighlighter *back = second.GetHighlighter(7);
    EXPECT_EQ(back->ShortName(), "gemischt");
    ASSERT_EQ(back->Get_PresentHighlighterCount(), 2);
    EXPECT_EQ(back->MultiHighlighter()->scheme(1).endExpr(), "</html>");
    EXPECT_EQ(back->MultiHighlighter()->scheme(0).markerAttributes().background(), QColor(255, 0, 0));
}

TEST_F(HighlighterRegistryTest, ShortNameCollisionsAndEmptyNames)
{
    TIHighlighter *first = loadMulti(multiFile(QStringLiteral("php")));
    EXPECT_EQ(first->ShortName(), "multi_phphtml") << "php is taken";
    TIHighlighter *second = loadMulti(multiFile(QStringLiteral("php")));
    EXPECT_EQ(second->ShortName(), "multi_phphtml_0");
    TIHighlighter *third = loadMulti(multiFile(QStringLiteral("multi_phphtml")));
    EXPECT_EQ(third->ShortName(), "multi_phphtml_1") << "the number replaces, it does not accumulate";
    TIHighlighter *nameless = loadMulti(multiFile(QString(), QStringLiteral("css")));
    EXPECT_EQ(nameless->ShortName(), "multi_css") << "an empty short name is never kept";
    EXPECT_TRUE(registry.IsShortNameTaken(QString()));
    EXPECT_TRUE(THighlighterAttributeFile::FileName(dir.path(), QString()).isEmpty()) << "no <dir>/.dat";
}

TEST_F(HighlighterRegistryTest, UnknownNamesFallBackToEntryZeroAndWrongRootsAreLeftAlone)
{
    TIHighlighter *multi = loadMulti(
        "<multihighlighter><h><name>N</name><shortname>n</shortname><defaulthighlighter>fehlt</defaulthighlighter>"
        "<subhighlighters><a><highlighter>fehlt</highlighter></a></subhighlighters></h></multihighlighter>");
    EXPECT_EQ(multi->GetHighlighter(), registry.DefaultHighlighter()->GetHighlighter());
    EXPECT_EQ(multi->MultiHighlighter()->scheme(0).highlighter(), registry.DefaultHighlighter()->GetHighlighter());

    const int count = registry.GetHighlighterCount();
    writeFile(path("wrong.xml"), "<filetypes/>");
    registry.InitialiseMultiHighlighters(path("wrong.xml"));
    EXPECT_EQ(registry.GetHighlighterCount(), count);
    EXPECT_FALSE(registry.SaveMultihighlighters(path("wrong.xml")));
    EXPECT_EQ(readFile(path("wrong.xml")), "<filetypes/>");

    registry.InitialiseMultiHighlighters(path("new/multihighlighter.xml"));
    EXPECT_EQ(registry.GetHighlighterCount(), count);
    EXPECT_TRUE(QFile::exists(path("new/multihighlighter.xml"))) << "a missing file is created";

    writeFile(path("damaged.xml"), "<multihighlighter><");
    EXPECT_THROW(registry.InitialiseMultiHighlighters(path("damaged.xml")), EInvalidVYRAFormat);
}

TEST_F(HighlighterRegistryTest, CopiesAndCreateMultihighlighter)
{
    TIHighlighter *html = registry.FindHighlighter("html");
    auto copy = std::make_unique<TIHighlighter>(*html);
    EXPECT_TRUE(copy->IsCopy());
    EXPECT_FALSE(copy->IsMultiHighlighter());
    copy->CreateMultihighlighter(*registry.FindHighlighter("css"));
    ASSERT_TRUE(copy->IsMultiHighlighter());
    EXPECT_EQ(copy->MultiHighlighter()->scheme(0).schemeName(), "css");
    copy->CreateMultihighlighter(*registry.FindHighlighter("php"));
    EXPECT_EQ(copy->Get_PresentHighlighterCount(), 1) << "already a multi-highlighter";
    TIHighlighter *added = registry.AddHighlighter(std::move(copy));
    added->CreateShortName();
    EXPECT_EQ(added->ShortName(), "multi_css");
    // A copy outlives the entry it was taken from without dangling.
    auto php = std::make_unique<TIHighlighter>(*registry.FindHighlighter("php"));
    ASSERT_TRUE(registry.DelHighlighter(registry.IndexOf(QStringLiteral("php"))));
    EXPECT_EQ(php->GetHighlighter()->name(), "php");
}

TEST_F(HighlighterRegistryTest, DeletingAnEntryRepointsSchemesAndEditors)
{
    TIHighlighter *multi = loadMulti(multiFile(QStringLiteral("gemischt")));
    TCodeEditor phpEditor;
    TCodeEditor multiEditor;
    phpEditor.setHighlighter(registry.FindHighlighter("php")->EditorHighlighter());
    multiEditor.setHighlighter(multi->EditorHighlighter());
    registry.TrackEditor(&phpEditor);
    registry.TrackEditor(&multiEditor);
    TIHighlighter *removedSeen = nullptr;
    QObject::connect(&registry, &TIHighlighters::highlighterRemoved,
                     [&](TIHighlighter *removed, TIHighlighter *) { removedSeen = removed; });

    TIHighlighter *php = registry.FindHighlighter("php");
    ASSERT_TRUE(registry.DelHighlighter(registry.IndexOf(QStringLiteral("php"))));
    EXPECT_EQ(removedSeen, php);
    const TSynCustomHighlighter *none = registry.DefaultHighlighter()->GetHighlighter();
    EXPECT_EQ(phpEditor.highlighter(), none);
    EXPECT_EQ(multi->MultiHighlighter()->scheme(0).highlighter(), none);
    EXPECT_EQ(multiEditor.highlighter(), multi->EditorHighlighter()) << "still registered";

    // The html entry owns the multi-highlighter's default highlighter.
    ASSERT_TRUE(registry.DelHighlighter(registry.IndexOf(QStringLiteral("html"))));
    EXPECT_EQ(multi->GetHighlighter(), none);
    ASSERT_TRUE(registry.SaveMultihighlighters(path("after.xml")));
    const QString saved = QString::fromUtf8(readFile(path("after.xml")));
    EXPECT_TRUE(saved.contains("<defaulthighlighter>none</defaulthighlighter>"));
    EXPECT_FALSE(saved.contains(">php<"));

    ASSERT_TRUE(registry.DelHighlighter(registry.IndexOf(QStringLiteral("gemischt"))));
    EXPECT_EQ(multiEditor.highlighter(), none);
}

TEST_F(HighlighterRegistryTest, AttributeFilesUserBeforeShipped)
{
    TIHighlighter *css = registry.FindHighlighter("css");
    TSynCustomHighlighter *syn = css->GetHighlighter();
    TSynHighlighterAttributes *first = syn->attributes().front().get();
    const QColor original = first->foreground();
    first->setForeground(QColor(1, 2, 3));
    THighlighterAttributeFile::Save(*syn, THighlighterAttributeFile::FileName(path("common"), "css"));
    first->setForeground(QColor(4, 5, 6));
    THighlighterAttributeFile::Save(*syn, THighlighterAttributeFile::FileName(path("user"), "css"));
    first->setForeground(original);

    registry.LoadAttributes(*css, path("user"), path("common"));
    EXPECT_EQ(first->foreground(), QColor(4, 5, 6));
    QFile::remove(THighlighterAttributeFile::FileName(path("user"), "css"));
    registry.LoadAttributes(*css, path("user"), path("common"));
    EXPECT_EQ(first->foreground(), QColor(1, 2, 3));

    // A highlighter outside the registry loads nothing.
    auto strayCss = std::make_shared<TSynCssSyn>();
    const QColor strayColor = strayCss->attributes().front()->foreground();
    TIHighlighter stray(&registry, "css", "CSS", strayCss);
    registry.LoadAttributes(stray, path("user"), path("common"));
    EXPECT_EQ(strayCss->attributes().front()->foreground(), strayColor);
}

TEST_F(HighlighterRegistryTest, ReadsTheOlderRegistryForm)
{
    QSettings settings(path("registry.ini"), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Multi/Vorlage"));
    settings.setValue(QStringLiteral("Name"), QStringLiteral("PHP-Vorlage"));
    settings.setValue(QStringLiteral("DefaultHighlighter"), QStringLiteral("html"));
    settings.setValue(QStringLiteral("php/StartExpr"), QStringLiteral("<\\?php"));
    settings.setValue(QStringLiteral("php/EndExpr"), QStringLiteral("\\?>"));
    settings.setValue(QStringLiteral("php/Highlighter"), QStringLiteral("php"));
    settings.setValue(QStringLiteral("php/Background"), 255);
    settings.setValue(QStringLiteral("php/Foreground"), QStringLiteral("keine Zahl"));
    settings.setValue(QStringLiteral("css/StartExpr"), QStringLiteral("<style>"));
    settings.setValue(QStringLiteral("css/EndExpr"), QStringLiteral("</style>"));
    settings.setValue(QStringLiteral("css/Highlighter"), QStringLiteral("unbekannt"));
    settings.endGroup();
    const int before = registry.GetHighlighterCount();

    registry.InitialiseMultiHighlighters(settings, QStringLiteral("Multi"));
    registry.InitialiseMultiHighlighters(settings, QStringLiteral("FehlenderSchluessel"));

    ASSERT_EQ(registry.GetHighlighterCount(), before + 1);
    const TIHighlighter *multi = registry.GetHighlighter(before);
    EXPECT_EQ(multi->LongName(), QStringLiteral("PHP-Vorlage"));
    EXPECT_FALSE(multi->ShortName().isEmpty());
    EXPECT_FALSE(registry.IsShortNameTaken(multi->ShortName(), multi));
    EXPECT_EQ(multi->GetHighlighter(), registry.FindHighlighter("html")->GetHighlighter());
    ASSERT_EQ(multi->MultiHighlighter()->schemeCount(), 2);
    const TScheme *php = nullptr;
    const TScheme *css = nullptr;
    for (int i = 0; i < 2; ++i) {
        const TScheme &scheme = multi->MultiHighlighter()->scheme(i);
        (scheme.schemeName() == "php" ? php : css) = &scheme;
    }
    ASSERT_TRUE(php && css);
    EXPECT_EQ(php->startExpr(), QStringLiteral("<\\?php"));
    EXPECT_EQ(php->highlighter(), registry.FindHighlighter("php")->GetHighlighter());
    EXPECT_EQ(php->markerAttributes().background(), QColor(255, 0, 0));
    EXPECT_EQ(css->highlighter(), registry.DefaultHighlighter()->GetHighlighter()) << "unknown name: entry 0";
}

TEST_F(HighlighterRegistryTest, ReplacingAnEntryMovesItsUsersToTheNewOne)
{
    TIHighlighter *multi = loadMulti(multiFile(QStringLiteral("gemischt")));
    const int cssIndex = registry.IndexOf(QStringLiteral("css"));
    TCodeEditor cssEditor;
    cssEditor.setHighlighter(registry.GetHighlighter(cssIndex)->EditorHighlighter());
    registry.TrackEditor(&cssEditor);
    multi->MultiHighlighter()->scheme(0).setHighlighter(registry.GetHighlighter(cssIndex)->GetHighlighter());
    std::pair<TIHighlighter *, TIHighlighter *> seen{};
    QObject::connect(&registry, &TIHighlighters::highlighterRemoved,
                     [&](TIHighlighter *removed, TIHighlighter *replacement) { seen = {removed, replacement}; });

    auto replacement = std::make_unique<TIHighlighter>(&registry, QStringLiteral("css"), QStringLiteral("CSS neu"),
                                                       std::make_shared<TSynCssSyn>());
    TIHighlighter *added = replacement.get();
    TIHighlighter *old = registry.GetHighlighter(cssIndex);
    ASSERT_TRUE(registry.SetHighlighter(cssIndex, std::move(replacement)));

    EXPECT_EQ(registry.GetHighlighter(cssIndex), added);
    EXPECT_EQ(seen.first, old);
    EXPECT_EQ(seen.second, added);
    EXPECT_EQ(cssEditor.highlighter(), added->EditorHighlighter());
    EXPECT_EQ(multi->MultiHighlighter()->scheme(0).highlighter(), added->GetHighlighter());
    EXPECT_FALSE(registry.SetHighlighter(registry.GetHighlighterCount(), std::make_unique<TIHighlighter>(*added)));
    EXPECT_FALSE(registry.SetHighlighter(cssIndex, nullptr));
}
