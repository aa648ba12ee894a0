#include "CompletionTestSupport.h"
#include "TestSupport.h"
#include "completion/TVYRACodeCompletionService.h"
#include "completion/TVYRAPHPCodeCompletion.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "utils/VYRAExceptions.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pugixml.hpp>

using namespace TestSupport;

namespace {

const QByteArray PhpCatalogue = R"(<?xml version="1.0"?>
<codecompletion phpversion="8.2.7">
  <supportedhighlighter>php</supportedhighlighter>
  <function name="FOO"><param type="int" name="$a" optional="False"/><param type="int" name="$b"/>
    <param type="string" name="$c" optional="0"/></function>
  <function name="bar"><param type="mixed" name="$x" optional="True"/></function>
  <function name="str_replace">
    <param type="array|string" name="$search" optional="False"/>
    <param type="array|string" name="$replace" optional="False"/>
    <param type="array|string" name="$subject" optional="False"/>
    <param type="mixed" name="&amp;$count" optional="True"/>
  </function>
  <function name="pi"/>
</codecompletion>)";

const QByteArray HtmlCatalogue = R"(<codecompletion>
  <supported><a>HTML</a></supported>
  <settings><TriggerChars>&lt;</TriggerChars><EndOfTokenChr>&lt;&gt;</EndOfTokenChr>
    <items><x>div</x><y>span</y></items></settings>
</codecompletion>)";

QString signatureOf(const char *functionXml)
{
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(functionXml));
    return TVYRAPHPCodeCompletion::SignatureText(doc.first_child());
}

class CompletionServiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
        AddStandardHighlighters(highlighters);
        service.LoadCustomFromData(PhpCatalogue, TVYRACodeCompletionService::PHPClass());
        service.LoadCustomFromData(HtmlCatalogue, TVYRACodeCompletionService::GeneralClass());
    }
    TIHighlighter *entry(const char *name) { return highlighters.FindHighlighter(QString::fromLatin1(name)); }
    TVYRAPHPCodeCompletion &php() { return *static_cast<TVYRAPHPCodeCompletion *>(service.GetItem(0)); }

    TIHighlighters highlighters;
    TVYRACodeCompletionService service;
};

} // namespace

TEST(PHPCatalogueTest, SignatureBracketsOptionalParameters)
{
    EXPECT_EQ(signatureOf("<function name='pi'/>"), QStringLiteral("()"));
    EXPECT_EQ(signatureOf("<function><p type='string' name='$a'/><p type='int' name='$b' optional='True'/></function>"),
              QStringLiteral("(string $a, [ int $b ])"));
    EXPECT_EQ(signatureOf("<function><p type='int' name='$a' optional='True'/><p type='int' name='$b' optional='1'/>"
                          "</function>"),
              QStringLiteral("([ int $a ,[ int $b ]])"));
    EXPECT_EQ(signatureOf("<function><p type='int' name='$a' optional='False'/><p type='int' name='$b'/></function>"),
              QStringLiteral("(int $a, int $b)"));
    EXPECT_EQ(signatureOf("<function><p type='int' name='$a' optional='true'/></function>"),
              QStringLiteral("([ int $a ])"));
    // Three optional parameters close with three brackets.
    EXPECT_EQ(signatureOf("<function><p type='a' name='$a' optional='True'/><p type='b' name='$b' optional='True'/>"
                          "<p type='c' name='$c' optional='True'/></function>"),
              QStringLiteral("([ a $a ,[ b $b, c $c ]]])"));
}

TEST(PHPCatalogueTest, ParameterListsQuoteEachParameter)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string("<function><p type='string' name='$a'/><p type='say \"hi\"' name='$b'/></function>"));
    EXPECT_EQ(TVYRAPHPCodeCompletion::ParamListText(doc.first_child()),
              QStringLiteral("\"string $a\", \"say \"\"hi\"\" $b\""));
    ASSERT_TRUE(doc.load_string("<function/>"));
    EXPECT_EQ(TVYRAPHPCodeCompletion::ParamListText(doc.first_child()), QString());
}

TEST_F(CompletionServiceTest, PHPFunctionsAreReadOnFirstUseFromTheKeptDocument)
{
    ASSERT_EQ(service.GetCount(), 2);
    TVYRAPHPCodeCompletion &catalogue = php();
    EXPECT_TRUE(catalogue.Pending());
    EXPECT_TRUE(catalogue.FunctionNames.isEmpty());
    EXPECT_EQ(catalogue.Supported, QStringList{QStringLiteral("php")});
    EXPECT_EQ(catalogue.PHPVersion(), QStringLiteral("8.2.7"));

    TCompletionComponent &completer = *catalogue.GetCompleter();
    EXPECT_FALSE(catalogue.Pending());
    EXPECT_EQ(catalogue.FunctionNames,
              (QStringList{QStringLiteral("FOO"), QStringLiteral("bar"), QStringLiteral("str_replace"),
                           QStringLiteral("pi")}));
    EXPECT_EQ(completer.InsertList(), catalogue.FunctionNames);
    EXPECT_EQ(completer.ItemList().value(2),
              QStringLiteral("\\color{clNavy}function\\color{0}     \\column{}\\style{+B}str_replace\\style{-B}"
                             "(array|string $search, array|string $replace, array|string $subject, "
                             "[ mixed &$count ])"));
    EXPECT_EQ(completer.Options, 1732u | 256u | 16u | 32u);
    EXPECT_EQ(completer.TriggerChars, QStringLiteral(">"));
    EXPECT_EQ(completer.EndOfTokenChr, QStringLiteral("()[].<>"));
    EXPECT_EQ(catalogue.ParamLists.value(1), QStringLiteral("\"mixed $x\""));
    EXPECT_EQ(catalogue.GetParams()->TriggerChars, QStringLiteral("("));
    EXPECT_EQ(catalogue.GetParams()->Options, 100u);
    // The list line starts at the inserted name, so typing on narrows it.
    EXPECT_EQ(completer.DisplayText(3), QStringLiteral("pi()"));
}

TEST(PHPCatalogueTest, PendingLoadSurvivesTheCallersDocument)
{
    TVYRAPHPCodeCompletion catalogue;
    {
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_buffer(PhpCatalogue.constData(), size_t(PhpCatalogue.size())));
        catalogue.Load(doc.document_element());
    }
    EXPECT_EQ(catalogue.GetCompleter()->ItemList().size(), 4);
    EXPECT_EQ(catalogue.FindFunction(QStringLiteral("STR_replace")), 2);
    EXPECT_EQ(catalogue.FindFunction(QStringLiteral("nothing")), -1);
}

TEST_F(CompletionServiceTest, CataloguesAreChosenByTheHighlightersShortOrLongName)
{
    TCompletionComponent forPhp;
    ASSERT_TRUE(service.SetUpCompleter(entry("php"), &forPhp));
    EXPECT_EQ(forPhp.ItemList().size(), 4);
    EXPECT_EQ(forPhp.TriggerChars, QStringLiteral(">"));

    // "HTML" is the long name of the html entry; compared in any case.
    TCompletionComponent forHtml;
    ASSERT_TRUE(service.SetUpCompleter(entry("html"), &forHtml));
    EXPECT_EQ(forHtml.ItemList(), (QStringList{QStringLiteral("div"), QStringLiteral("span")}));
    EXPECT_EQ(forHtml.TriggerChars, QStringLiteral("<"));
    EXPECT_EQ(forHtml.Options, 1732u);

    // A highlighter no catalogue names leaves the component as it was.
    TCompletionComponent forCss;
    forCss.SetItemList({QStringLiteral("keep")});
    EXPECT_TRUE(service.SetUpCompleter(entry("css"), &forCss));
    EXPECT_EQ(forCss.ItemList(), QStringList{QStringLiteral("keep")});
    EXPECT_TRUE(service.SetUpCompleter(nullptr, &forCss));
    EXPECT_FALSE(service.SetUpCompleter(entry("php"), nullptr));
    EXPECT_FALSE(service.SetUpParamCompletion(entry("php"), nullptr));
}

TEST_F(CompletionServiceTest, WhenSeveralCataloguesServeAHighlighterTheLastWins)
{
    auto second = std::make_unique<TVYRACodeCompletion>();
    second->Supported = {QStringLiteral("PHP")};
    second->GetCompleter()->SetItemList({QStringLiteral("later")});
    service.Add(std::move(second));
    TCompletionComponent component;
    service.SetUpCompleter(entry("php"), &component);
    EXPECT_EQ(component.ItemList(), QStringList{QStringLiteral("later")});
    // The PHP catalogue was still asked first, which read its functions.
    EXPECT_FALSE(php().Pending());
}

TEST_F(CompletionServiceTest, ParameterHintShowsTheCallAtTheCaret)
{
    TCompletionComponent params(ctParams);
    TFakeCompletionEditor editor;
    params.SetEditor(&editor);
    ASSERT_TRUE(service.SetUpParamCompletion(entry("php"), &params));
    EXPECT_EQ(params.DisplayKind, ctParams);

    editor.setLineWithCaretAtEnd(QStringLiteral("foo($a, bar($b), "));
    EXPECT_TRUE(params.Execute());
    EXPECT_EQ(params.CurrentIndex, 2);
    EXPECT_EQ(params.ItemList(), QStringList{QStringLiteral("\"int $a\", \"int $b\", \"string $c\"")});

    editor.setLineWithCaretAtEnd(QStringLiteral("bar(1"));
    EXPECT_TRUE(params.Execute());
    EXPECT_EQ(params.CurrentIndex, 0);
    EXPECT_EQ(params.ItemList(), QStringList{QStringLiteral("\"mixed $x\"")});

    editor.setLineWithCaretAtEnd(QStringLiteral("$x = 1;"));
    EXPECT_FALSE(params.Execute());
    EXPECT_TRUE(params.ItemList().isEmpty());

    // A component without an editor is left alone.
    TCompletionComponent detached(ctParams);
    service.SetUpParamCompletion(entry("php"), &detached);
    detached.CurrentIndex = 3;
    detached.Execute();
    EXPECT_TRUE(detached.ItemList().isEmpty());
    EXPECT_EQ(detached.CurrentIndex, 3);
}

TEST_F(CompletionServiceTest, EachEditorKeepsItsOwnHint)
{
    // Two editors in the same function: the second must get the list too,
    // though the catalogue showed that function last in the first editor.
    TFakeCompletionEditor first, second;
    TCompletionComponent firstParams(ctParams), secondParams(ctParams);
    firstParams.SetEditor(&first);
    secondParams.SetEditor(&second);
    service.SetUpParamCompletion(entry("php"), &firstParams);
    service.SetUpParamCompletion(entry("php"), &secondParams);
    first.setLineWithCaretAtEnd(QStringLiteral("str_replace($a, "));
    second.setLineWithCaretAtEnd(QStringLiteral("str_replace("));
    ASSERT_TRUE(firstParams.Execute());
    ASSERT_TRUE(secondParams.Execute());
    EXPECT_EQ(secondParams.ItemList().size(), 1);
    EXPECT_EQ(secondParams.ItemList(), firstParams.ItemList());
    EXPECT_EQ(firstParams.CurrentIndex, 1);
    EXPECT_EQ(secondParams.CurrentIndex, 0);

    // Leaving the call empties the list; coming back to the same function fills it again.
    first.setLineWithCaretAtEnd(QStringLiteral("x"));
    EXPECT_FALSE(firstParams.Execute());
    first.setLineWithCaretAtEnd(QStringLiteral("str_replace($a, $b, "));
    ASSERT_TRUE(firstParams.Execute());
    EXPECT_EQ(firstParams.ItemList().size(), 1);
    EXPECT_EQ(firstParams.CurrentIndex, 2);

    // Setting an editor up again forgets what it showed.
    service.SetUpParamCompletion(entry("php"), &firstParams);
    ASSERT_TRUE(firstParams.Execute());
    EXPECT_EQ(firstParams.ItemList().size(), 1);
}

TEST_F(CompletionServiceTest, HintHandlerOfAFreedCatalogueKeepsTheHintClosed)
{
    TFakeCompletionEditor editor;
    editor.setLineWithCaretAtEnd(QStringLiteral("bar("));
    TCompletionComponent params(ctParams);
    params.SetEditor(&editor);
    {
        TVYRACodeCompletionService shortLived;
        shortLived.LoadCustomFromData(PhpCatalogue, TVYRACodeCompletionService::PHPClass());
        shortLived.SetUpParamCompletion(entry("php"), &params);
    }
    EXPECT_FALSE(params.Execute());
}

TEST_F(CompletionServiceTest, PrefixMatchingIgnoresCase)
{
    TCompletionComponent completer;
    service.SetUpCompleter(entry("php"), &completer);
    const QList<int> hits = completer.Matching(QStringLiteral("STR_"));
    ASSERT_EQ(hits.size(), 1);
    EXPECT_EQ(completer.CompletionText(hits[0]), QStringLiteral("str_replace"));
    EXPECT_EQ(completer.Matching(QString()).size(), 4);
    EXPECT_TRUE(completer.Matching(QStringLiteral("zz")).isEmpty());
}

TEST(CodeCompletionTest, GeneralFormSavesAndReadsBack)
{
    TVYRACodeCompletion catalogue;
    catalogue.Supported = {QStringLiteral("html"), QStringLiteral("xml")};
    catalogue.GetCompleter()->TriggerChars = QStringLiteral("<");
    catalogue.GetCompleter()->EndOfTokenChr = QStringLiteral("<>&\"");
    catalogue.GetCompleter()->SetItemList({QStringLiteral("a&b"), QStringLiteral("<c>")});
    catalogue.GetCompleter()->SetInsertList({QStringLiteral("ins")});
    pugi::xml_document doc;
    pugi::xml_node node = doc.append_child("completion0");
    node.append_child("old");
    catalogue.Save(node);
    EXPECT_FALSE(node.child("old"));
    EXPECT_STREQ(node.child("settings").child("inserts").child("item0").child_value(), "ins");

    TVYRACodeCompletion again;
    again.Load(node);
    EXPECT_EQ(again.Supported, catalogue.Supported);
    EXPECT_EQ(again.GetCompleter()->TriggerChars, QStringLiteral("<"));
    EXPECT_EQ(again.GetCompleter()->EndOfTokenChr, QStringLiteral("<>&\""));
    EXPECT_EQ(again.GetCompleter()->ItemList(), catalogue.GetCompleter()->ItemList());
    // The insert list is written but not read.
    EXPECT_TRUE(again.GetCompleter()->InsertList().isEmpty());
}

TEST(CodeCompletionTest, RegistryFormKeepsItemOrderBeyondTen)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("registry.ini")), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("CodeCompletation/Catalogue"));
    TVYRACodeCompletion catalogue;
    catalogue.Supported = {QStringLiteral("sql")};
    QStringList items;
    for (int i = 0; i < 12; ++i)
        items.append(QStringLiteral("word%1").arg(i));
    catalogue.GetCompleter()->SetItemList(items);
    catalogue.GetCompleter()->TriggerChars = QStringLiteral(".");
    catalogue.Save(settings);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("CodeCompletation"));
    TVYRACodeCompletionService service;
    service.LoadFromSettings(settings);
    settings.endGroup();
    ASSERT_EQ(service.GetCount(), 1);
    EXPECT_EQ(service.GetItem(0)->Supported, QStringList{QStringLiteral("sql")});
    EXPECT_EQ(service.GetItem(0)->GetCompleter()->ItemList(), items);
    EXPECT_EQ(service.GetItem(0)->GetCompleter()->TriggerChars, QStringLiteral("."));
}

TEST(CodeCompletionTest, ServiceFileRoundTripAndItsRules)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("completion.xml"));
    {
        TVYRACodeCompletionService missing(file);
        EXPECT_EQ(missing.GetCount(), 0);
    }
    TVYRACodeCompletionService service;
    service.LoadCustomFromData(HtmlCatalogue, TVYRACodeCompletionService::GeneralClass());
    service.LoadCustomFromData(HtmlCatalogue, TVYRACodeCompletionService::GeneralClass());
    service.SaveAll(file);
    TVYRACodeCompletionService again(file);
    ASSERT_EQ(again.GetCount(), 2);
    EXPECT_EQ(again.GetItem(1)->GetCompleter()->ItemList().size(), 2);
    EXPECT_EQ(again.GetItem(2), nullptr);

    writeFile(file, "<other><completion0><supported><a>x</a></supported></completion0></other>");
    EXPECT_EQ(TVYRACodeCompletionService(file).GetCount(), 0);
    writeFile(file, "<codecompletion><completion0>");
    EXPECT_THROW(TVYRACodeCompletionService{file}, EInvalidVYRAFormat);
    TVYRACodeCompletionService custom;
    EXPECT_THROW(custom.LoadCustom(file, TVYRACodeCompletionService::PHPClass()), EInvalidVYRAFormat);
    custom.LoadCustom(dir.filePath(QStringLiteral("none.xml")), TVYRACodeCompletionService::PHPClass());
    EXPECT_EQ(custom.GetCount(), 0);
}

TEST(CodeCompletionTest, ShippedCataloguesServePhpAndHtml)
{
    TIHighlighters highlighters;
    AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
    AddStandardHighlighters(highlighters);
    const QString data = sourceDir() + QStringLiteral("/data/shipped/");
    TVYRACodeCompletionService service;
    service.LoadCustom(data + QStringLiteral("php_codecompletion.xml"), TVYRACodeCompletionService::PHPClass());
    service.LoadCustom(data + QStringLiteral("html_codecompletion.xml"), TVYRACodeCompletionService::GeneralClass());
    ASSERT_EQ(service.GetCount(), 2);
    TCompletionComponent php, html;
    service.SetUpCompleter(highlighters.FindHighlighter(QStringLiteral("php")), &php);
    service.SetUpCompleter(highlighters.FindHighlighter(QStringLiteral("html")), &html);
    EXPECT_GT(php.ItemList().size(), 1000);
    EXPECT_FALSE(php.Matching(QStringLiteral("str_replace")).isEmpty());
    EXPECT_FALSE(php.Matching(QStringLiteral("preg_match")).isEmpty());
    EXPECT_TRUE(html.ItemList().contains(QStringLiteral("blockquote")));
    EXPECT_TRUE(html.ItemList().contains(QStringLiteral("onclick")));
    EXPECT_EQ(html.TriggerChars, QStringLiteral("<"));
}

TEST(CodeCompletionTest, ProgramCataloguesPreferTheUsersPHPCatalogue)
{
    QTemporaryDir dir;
    const QString common = dir.filePath(QStringLiteral("common/"));
    const QString user = dir.filePath(QStringLiteral("user/"));
    writeFile(common + QStringLiteral("php_codecompletion.xml"), PhpCatalogue);
    writeFile(common + QStringLiteral("html_codecompletion.xml"), HtmlCatalogue);
    auto phpOf = [](TVYRACodeCompletionService &service) {
        return static_cast<TVYRAPHPCodeCompletion *>(service.GetItem(0));
    };
    {
        TVYRACodeCompletionService service;
        EXPECT_TRUE(service.LoadProgramCatalogues(common, user).isEmpty());
        ASSERT_EQ(service.GetCount(), 2);
        EXPECT_EQ(phpOf(service)->PHPVersion(), QStringLiteral("8.2.7"));
    }
    writeFile(user + QStringLiteral("php_codecompletion.xml"),
              "<codecompletion phpversion='8.3.1'><supportedhighlighter>php</supportedhighlighter>"
              "<function name='own'/></codecompletion>");
    {
        TVYRACodeCompletionService service;
        EXPECT_TRUE(service.LoadProgramCatalogues(common, user).isEmpty());
        EXPECT_EQ(phpOf(service)->PHPVersion(), QStringLiteral("8.3.1"));
        EXPECT_EQ(phpOf(service)->GetCompleter()->InsertList(), QStringList{QStringLiteral("own")});
    }
    // A damaged user catalogue gives way to the shipped one and is reported.
    writeFile(user + QStringLiteral("php_codecompletion.xml"), "<codecompletion><function");
    TVYRACodeCompletionService service;
    const QString problem = service.LoadProgramCatalogues(common, user);
    EXPECT_TRUE(problem.contains(user + QStringLiteral("php_codecompletion.xml"))) << problem.toStdString();
    ASSERT_EQ(service.GetCount(), 2);
    EXPECT_EQ(phpOf(service)->PHPVersion(), QStringLiteral("8.2.7"));
}
