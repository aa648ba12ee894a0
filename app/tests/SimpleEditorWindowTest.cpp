#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "editorwindow/TSimpleEditorPage.h"
#include "editorwindow/TSimpleEditorWindow.h"
#include "facade/TVYRAEditor.h"
#include "framework/TVYRACore.h"
#include "highlighter/TSynMultiSynPCRE.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "startup/TProgramEditorServices.h"
#include "TestSupport.h"
#include "ui/TScriptedPrompter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// The program's core over a copy of the shipped data, registries loaded as at start.
class SimpleEditorWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        const QString shipped = sourceDir() + QStringLiteral("/data/shipped");
        QDirIterator it(shipped, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            writeFile(path("common/") + QDir(shipped).relativeFilePath(from), readFile(from));
        }
        TVYRACoreConfig config{nullptr, path("app"), path("common"), path("user"), TVYRAEditorTypes::etBoth, false, {}};
        config.classes.highlighters = TSynMultiSynPCRE::factory();
        core = std::make_unique<TVYRACore>(config);
    }
    QString path(const QString &relative) const { return root.filePath(relative); }
    QString file(const QString &name, const QByteArray &content) const
    {
        writeFile(path(name), content);
        return path(name);
    }
    TSimpleEditorWindow &window()
    {
        if (!m_window) {
            EXPECT_EQ(TProgramEditorServices::LoadRegistries(*core), QString());
            m_window = std::make_unique<TSimpleEditorWindow>(TProgramEditorServices::Environment(*core));
        }
        return *m_window;
    }

    QTemporaryDir root;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TSimpleEditorWindow> m_window;
};

TEST_F(SimpleEditorWindowTest, OpensReadableFilesAndReportsTheOthersThroughThePrompter)
{
    window().openFiles({file("seite.php", "<?php echo 'x'; ?>\n"), path("fehlt.php")});

    ASSERT_EQ(window().tabs()->count(), 1);
    EXPECT_EQ(window().tabs()->tabText(0), QStringLiteral("seite.php"));
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts()[0].icon, TPromptIcon::Error);
    EXPECT_EQ(prompter.prompts()[0].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(prompter.prompts()[0].text.toStdString(),
              QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden: Sie ist nicht vorhanden.")
                  .arg(path("fehlt.php"))
                  .toStdString());
}

TEST_F(SimpleEditorWindowTest, PhpFileGetsTheShippedMultiHighlighterThroughTheRegistries)
{
    const QString text = QStringLiteral("<style>\nb { color: red; }\n</style>\n<?php\n$v = \"€😀\";\n?>\n"
                                        "<script>\nlet s = `t ${x}`;\nlet u = \"<?= $url ?>/neu\";\n</script>\n<p>Ende</p>");
    window().openFiles({file("gemischt.php", text.toUtf8())});
    ASSERT_EQ(window().tabs()->count(), 1);
    TSimpleEditorPage *page = window().page(0);
    ASSERT_TRUE(page->EditorMode());
    TCodeEditor *editor = page->CodeEditor();
    const TIHighlighter *multi = core->Highlighters()->FindHighlighter(QStringLiteral("multi_htmlphpcssjavascript"));
    ASSERT_NE(multi, nullptr);
    EXPECT_EQ(editor->highlighter(), multi->EditorHighlighter());

    editor->styleAll();
    EXPECT_EQ(editor->attributeNameAt(int(text.indexOf(u"color"))), QStringLiteral("Property"));
    EXPECT_EQ(editor->attributeNameAt(int(text.indexOf(u"$v"))), QStringLiteral("Variable"));
    EXPECT_EQ(editor->attributeNameAt(int(text.indexOf(u"😀"))), QStringLiteral("String"));
    EXPECT_EQ(editor->attributeNameAt(int(text.indexOf(u"`t"))), QStringLiteral("Template"));
    EXPECT_EQ(editor->attributeNameAt(int(text.indexOf(u"<?php"))), QStringLiteral("Marker"));
    EXPECT_EQ(editor->attributeNameAt(int(text.indexOf(u"$url"))), QStringLiteral("Variable"))
        << "PHP inside the script is PHP";
    EXPECT_EQ(editor->attributeNameAt(int(text.indexOf(u"/neu"))), QStringLiteral("String"))
        << "the script's string goes on after it";
    EXPECT_EQ(editor->attributeNameAt(int(text.indexOf(u"p>Ende"))), QStringLiteral("Tag"));
}

TEST_F(SimpleEditorWindowTest, OpenStandardsWinAndRichTextFilesOpenInTheRichEditor)
{
    writeFile(path("user/openstandards.xml"),
              "<openstandards><e name=\".css\"><editormode>True</editormode><highlighter>SQL</highlighter></e>"
              "</openstandards>");
    window().openFiles({file("a.css", "select 1;\r\n"), file("b.rtf", "{\\rtf1\\ansi {\\b fett} normal\\par}"),
                        file("c.unbekannt", "text"), file("d.md", "# Titel")});
    ASSERT_EQ(window().tabs()->count(), 4);

    EXPECT_EQ(window().page(0)->CodeEditor()->highlighter(),
              core->Highlighters()->FindHighlighter(QStringLiteral("sql"))->EditorHighlighter());
    EXPECT_EQ(window().page(0)->LineBreak(), QStringLiteral("\r\n"));

    EXPECT_FALSE(window().page(1)->EditorMode());
    EXPECT_FALSE(window().page(1)->IsPlainText());
    EXPECT_EQ(window().page(1)->RichEditor()->text().trimmed(), QStringLiteral("fett normal"));

    const TSynCustomHighlighter *plain = core->Highlighters()->DefaultHighlighter()->EditorHighlighter();
    EXPECT_TRUE(window().page(2)->EditorMode());
    EXPECT_EQ(window().page(2)->CodeEditor()->highlighter(), plain) << "unknown type: entry 0";
    EXPECT_TRUE(window().page(3)->EditorMode());
    EXPECT_EQ(window().page(3)->LineBreak(), QStringLiteral("\n"));
}

TEST_F(SimpleEditorWindowTest, NewLinesInACrLfFileAreCrLfTypedAndInserted)
{
    window().openFiles({file("win.php", "<?php\r\necho 1;\r\n")});
    ASSERT_EQ(window().tabs()->count(), 1);
    TSimpleEditorPage *page = window().page(0);
    TCodeEditor *editor = page->CodeEditor();
    window().show();
    editor->setCaret(1, 6);
    QTest::keyClick(editor->focusProxy(), Qt::Key_Return);
    page->editor().InsertText(QStringLiteral("$a = 1;\n%cursor%"), false);
    QTest::keyClicks(editor->focusProxy(), QStringLiteral("$b = 2;"));
    EXPECT_EQ(editor->text(), QStringLiteral("<?php\r\n$a = 1;\r\n$b = 2;\r\necho 1;\r\n"));
}

TEST_F(SimpleEditorWindowTest, DamagedHighlighterFileIsReportedAndTheHighlightersBeforeItStay)
{
    writeFile(path("common/Highlighters/multihighlighter.xml"), "<multihighlighter><highlighter>");
    const QString error = TProgramEditorServices::LoadRegistries(*core);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_GE(core->Highlighters()->GetHighlighterCount(), 7) << "entry 0 and the six single-language ones";
}

} // namespace
