#include "completion/TCompletionBinding.h"
#include "editor/TActiveHighlighter.h"
#include "editor/TCodeEditor.h"
#include "editor/TCompletionProposal.h"
#include "editor/TSynCustomHighlighter.h"
#include "container/TVYRADocumentContainer.h"
#include "framework/TVYRACore.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "mainwindow/TMainForm.h"
#include "startup/TProgramCore.h"
#include "TestSupport.h"
#include "ui/TScriptedPrompter.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

void sendKey(QWidget *target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// The program's main window with the program's core and catalogues over the
// shipped data of the build tree; files open through the window into the
// core's container.
class EditorCompletionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TDataFolders folders;
        folders.programBase = buildDir() + QLatin1Char('/');
        folders.commonData = buildDir() + QStringLiteral("/Data/");
        folders.userData = root.filePath(QStringLiteral("user/"));
        folders.projects = root.filePath(QStringLiteral("Projekte/"));
        core = programCore.Create(folders);
        ASSERT_TRUE(programCore.DataFileError().isEmpty()) << programCore.DataFileError().toStdString();
        ASSERT_TRUE(programCore.CompletionService());
        window = std::make_unique<TMainForm>(
            *core, TEditorCompletion{programCore.CompletionService(), [this] { return enabled; }});
        // Pop-ups open only where the caret is on a screen; a maximised window could not be moved off it.
        window->setWindowState(Qt::WindowNoState);
        window->resize(600, 400);
        window->move(0, 0);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    TCodeEditor *open(const QString &name, const QByteArray &content)
    {
        writeFile(root.filePath(name), content);
        TVYRADocumentContainer &container = *core->Container();
        const int before = container.GetDocumentCount();
        window->OpenFiles({root.filePath(name)});
        EXPECT_EQ(container.GetDocumentCount(), before + 1) << name.toStdString();
        for (const TPrompt &p : prompter.prompts())
            ADD_FAILURE() << p.text.toStdString();
        return container.GetSynEdit(container.GetDocumentCount() - 1);
    }
    // Puts the caret, lets the gathered set-up run and asks for the list.
    QStringList listAt(TCodeEditor *editor, int line, int column)
    {
        editor->setCaret(line, column);
        QTest::qWait(TCompletionBinding::GatherMilliseconds * 3);
        auto *sci = editor->findChild<QsciScintilla *>();
        sci->setFocus();
        sendKey(sci, Qt::Key_Space, Qt::ControlModifier);
        TCompletionProposal *proposal = TCompletionProposal::Of(editor);
        const QStringList shown = proposal && proposal->IsListActive() ? proposal->ShownItems() : QStringList();
        if (proposal)
            proposal->CancelAll();
        return shown;
    }
    QString activeName(TCodeEditor *editor, int line, int column)
    {
        editor->setCaret(line, column);
        const TSynCustomHighlighter *active = editor->highlighterAtCaret();
        const int index = active ? core->Highlighters()->IndexOf(active) : -1;
        return index >= 0 ? core->Highlighters()->GetHighlighter(index)->ShortName() : QString();
    }

    QTemporaryDir root;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TMainForm> window;
    bool enabled = true;
};

bool anyStartsWith(const QStringList &items, const QString &prefix)
{
    return std::any_of(items.begin(), items.end(),
                       [&](const QString &item) { return item.startsWith(prefix, Qt::CaseInsensitive); });
}

} // namespace

TEST_F(EditorCompletionTest, TheHighlighterAtTheCaretFollowsTheBlocksOfAPhpPage)
{
    TCodeEditor *editor = open(QStringLiteral("seite.php"),
                               "<html><body>\n"
                               "<?php\n"
                               "  $x = 'a ?> b'; // ?> im Kommentar\n"
                               "?>\n"
                               "<script>var s = '<?php echo 1; ?>'; x</script>\n"
                               "<style>p { color: red }</style>\n");
    EXPECT_EQ(activeName(editor, 1, 7), QStringLiteral("html"));
    EXPECT_EQ(activeName(editor, 3, 5), QStringLiteral("php"));
    // "?>" inside a PHP string does not end the block; in a line comment it does, as in PHP itself.
    EXPECT_EQ(activeName(editor, 3, 15), QStringLiteral("php"));
    EXPECT_EQ(activeName(editor, 3, 36), QStringLiteral("html"));
    EXPECT_EQ(activeName(editor, 5, 28), QStringLiteral("php"));
    EXPECT_EQ(activeName(editor, 5, 38), QStringLiteral("javascript"));
    EXPECT_EQ(activeName(editor, 6, 14), QStringLiteral("css"));
}

TEST_F(EditorCompletionTest, PhpFunctionsInsidePhpAndHtmlOutsideIt)
{
    TCodeEditor *editor = open(QStringLiteral("liste.php"), "<div>\n<?php\nstr_rep\n?>\n<\n");
    const QStringList php = listAt(editor, 3, 8);
    EXPECT_TRUE(anyStartsWith(php, QStringLiteral("str_replace"))) << php.join(',').toStdString();
    EXPECT_FALSE(anyStartsWith(php, QStringLiteral("div")));

    const QStringList html = listAt(editor, 5, 2);
    EXPECT_FALSE(html.isEmpty());
    EXPECT_FALSE(anyStartsWith(html, QStringLiteral("str_replace")));
}

TEST_F(EditorCompletionTest, NothingOpensWhereNoCatalogueServesOrCompletionIsOff)
{
    TCodeEditor *editor = open(QStringLiteral("skript.php"), "<?php\nstr\n?>\n<script>\nstr\n</script>\n");
    EXPECT_FALSE(listAt(editor, 2, 4).isEmpty());
    // Inside the script block the PHP list of a moment ago is not offered.
    EXPECT_TRUE(listAt(editor, 5, 4).isEmpty());
    enabled = false;
    EXPECT_TRUE(listAt(editor, 2, 4).isEmpty());
}

TEST_F(EditorCompletionTest, ParameterHintMarksTheParameterInBothEditors)
{
    TCodeEditor *first = open(QStringLiteral("a.php"), "<?php\nstr_replace($a, $b\n");
    TCodeEditor *second = open(QStringLiteral("b.php"), "<?php\nstr_replace($a\n");
    for (TCodeEditor *editor : {first, second}) {
        editor->setCaret(2, int(editor->lineText(1).size()) + 1);
        QTest::qWait(TCompletionBinding::GatherMilliseconds * 3);
        auto *sci = editor->findChild<QsciScintilla *>();
        sci->setFocus();
        sendKey(sci, Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier);
        TCompletionProposal *proposal = TCompletionProposal::Of(editor);
        ASSERT_TRUE(proposal);
        EXPECT_TRUE(proposal->IsHintActive());
    }
}

TEST_F(EditorCompletionTest, ACaretBesideEveryScreenOpensNothingInsteadOfCrashing)
{
    TCodeEditor *editor = open(QStringLiteral("weit.php"), "<?php\nstr\n");
    window->move(-20000, -20000);
    QTest::qWait(10);
    EXPECT_TRUE(listAt(editor, 2, 4).isEmpty());
    window->move(0, 0);
    QTest::qWait(10);
    EXPECT_FALSE(listAt(editor, 2, 4).isEmpty());
}
