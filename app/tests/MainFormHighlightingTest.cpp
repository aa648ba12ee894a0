#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "facade/TVYRAEditor.h"
#include "framework/TVYRACore.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "mainwindow/TMainForm.h"
#include "startup/TProgramCore.h"
#include "TestSupport.h"
#include "ui/TScriptedPrompter.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// The program's core over a copy of the shipped data, registries loaded as at
// start, and the main window on it; files open through the window into the
// core's container.
class MainFormHighlightingTest : public ::testing::Test
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
    }
    QString path(const QString &relative) const { return root.filePath(relative); }
    QString file(const QString &name, const QByteArray &content) const
    {
        writeFile(path(name), content);
        return path(name);
    }
    // Creates the core over the data written so far, once.
    TVYRACore &startCore()
    {
        if (!core) {
            TDataFolders folders;
            folders.programBase = buildDir() + QLatin1Char('/');
            folders.commonData = path("common/");
            folders.userData = path("user/");
            folders.projects = path("Projekte/");
            core = programCore.Create(folders);
        }
        return *core;
    }
    TMainForm &window()
    {
        if (!m_window) {
            startCore();
            EXPECT_EQ(programCore.DataFileError(), QString());
            m_window = std::make_unique<TMainForm>(*core);
            m_window->show();
        }
        return *m_window;
    }
    // Opens the files through the window and fails on any message.
    void open(const QStringList &files)
    {
        window().OpenFiles(files);
        QCoreApplication::processEvents();
        for (const TPrompt &p : prompter.prompts())
            ADD_FAILURE() << p.text.toStdString();
    }
    TVYRADocumentContainer &container() const { return *core->Container(); }
    TCodeEditor *code(int index) const { return container().GetSynEdit(index); }
    const TSynCustomHighlighter *highlighter(const QString &name) const
    {
        const TIHighlighter *found = core->Highlighters()->FindHighlighter(name);
        return found ? found->EditorHighlighter() : nullptr;
    }
    int visibleWindowCount() const
    {
        int count = 0;
        for (QMdiSubWindow *sub : m_window->MdiArea()->subWindowList())
            count += sub->isHidden() ? 0 : 1;
        return count;
    }

    QTemporaryDir root;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TMainForm> m_window;
};

TEST_F(MainFormHighlightingTest, AMissingFileIsOfferedForCreationAndRefusingLeavesNoWindow)
{
    const QString missing = path("fehlt.php");
    window();
    prompter.answerButton(TPromptButton::No);
    window().OpenFiles({file("seite.php", "<?php echo 'x'; ?>\n"), missing});
    QCoreApplication::processEvents();

    ASSERT_EQ(container().GetDocumentCount(), 1);
    EXPECT_EQ(container().GetDocument(0)->GetFileName(), path("seite.php"));
    EXPECT_EQ(visibleWindowCount(), 1);
    EXPECT_EQ(window().MdiArea()->subWindowList().size(), 1);
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts()[0].text.toStdString(),
              QStringLiteral("Die angegebene Datei \"%1\" existiert nicht. Soll diese erstellt werden?")
                  .arg(missing)
                  .toStdString());
    EXPECT_EQ(prompter.unexpectedCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(missing)) << "refused, so not created";
}

TEST_F(MainFormHighlightingTest, PhpFileGetsTheShippedMultiHighlighterThroughTheRegistries)
{
    const QString text = QStringLiteral("<style>\nb { color: red; }\n</style>\n<?php\n$v = \"€😀\";\n?>\n"
                                        "<script>\nlet s = `t ${x}`;\nlet u = \"<?= $url ?>/neu\";\n</script>\n<p>Ende</p>");
    open({file("gemischt.php", text.toUtf8())});
    ASSERT_EQ(container().GetDocumentCount(), 1);
    ASSERT_TRUE(container().GetDocument(0)->EditorMode());
    TCodeEditor *editor = code(0);
    ASSERT_TRUE(editor);
    ASSERT_NE(highlighter(QStringLiteral("multi_htmlphpcssjavascript")), nullptr);
    EXPECT_EQ(editor->highlighter(), highlighter(QStringLiteral("multi_htmlphpcssjavascript")));

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

TEST_F(MainFormHighlightingTest, OpenStandardsWinAndRichTextFilesOpenInTheRichEditor)
{
    writeFile(path("user/openstandards.xml"),
              "<openstandards><e name=\".css\"><editormode>True</editormode><highlighter>SQL</highlighter></e>"
              "</openstandards>");
    window();
    // A type no registry knows is opened only when the user agrees.
    prompter.answerButton(TPromptButton::Yes);
    window().OpenFiles({file("a.css", "select 1;\r\n"), file("b.rtf", "{\\rtf1\\ansi {\\b fett} normal\\par}"),
                        file("c.unbekannt", "text"), file("d.md", "# Titel")});
    QCoreApplication::processEvents();
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts()[0].text.contains(path("c.unbekannt"))) << prompter.prompts()[0].text.toStdString();
    EXPECT_EQ(prompter.unexpectedCount(), 0);
    ASSERT_EQ(container().GetDocumentCount(), 4);

    ASSERT_TRUE(code(0));
    EXPECT_EQ(code(0)->highlighter(), highlighter(QStringLiteral("sql")));
    EXPECT_EQ(code(0)->lineBreak(), TLineBreak::lbCRLF);

    EXPECT_FALSE(container().GetDocument(1)->EditorMode());
    EXPECT_FALSE(container().GetDocument(1)->PlainText());
    ASSERT_TRUE(container().GetRichEdit(1));
    EXPECT_EQ(container().GetRichEdit(1)->text().trimmed(), QStringLiteral("fett normal"));

    // A type no registry knows opens as a new document of the user's default editor would.
    const int fresh = container().NewDocument();
    ASSERT_EQ(fresh, 4);
    EXPECT_EQ(container().GetDocument(2)->EditorMode(), container().GetDocument(fresh)->EditorMode());
    ASSERT_TRUE(code(2));
    EXPECT_EQ(code(2)->highlighter(), code(fresh)->highlighter());
    EXPECT_EQ(container().GetDocument(2)->EditorMode() ? code(2)->text() : container().GetRichEdit(2)->text(),
              QStringLiteral("text"));
    EXPECT_TRUE(container().GetDocument(3)->EditorMode());
    ASSERT_TRUE(code(3));
    EXPECT_EQ(code(3)->lineBreak(), TLineBreak::lbLF);
}

TEST_F(MainFormHighlightingTest, NewLinesInACrLfFileAreCrLfTypedAndInserted)
{
    open({file("win.php", "<?php\r\necho 1;\r\n")});
    ASSERT_EQ(container().GetDocumentCount(), 1);
    TCodeEditor *editor = code(0);
    ASSERT_TRUE(editor);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    editor->setCaret(1, 6);
    QTest::keyClick(editor->focusProxy(), Qt::Key_Return);
    container().GetEditor(0)->InsertText(QStringLiteral("$a = 1;\n%cursor%"), false);
    QTest::keyClicks(editor->focusProxy(), QStringLiteral("$b = 2;"));
    EXPECT_EQ(editor->text(), QStringLiteral("<?php\r\n$a = 1;\r\n$b = 2;\r\necho 1;\r\n"));
}

TEST_F(MainFormHighlightingTest, DamagedHighlighterFileIsReportedAndTheHighlightersBeforeItStay)
{
    writeFile(path("common/Highlighters/multihighlighter.xml"), "<multihighlighter><highlighter>");
    startCore();
    EXPECT_TRUE(programCore.DataFileError().contains(QStringLiteral("multihighlighter.xml")))
        << programCore.DataFileError().toStdString();
    EXPECT_GE(core->Highlighters()->GetHighlighterCount(), 7) << "entry 0 and the six single-language ones";
}

} // namespace
