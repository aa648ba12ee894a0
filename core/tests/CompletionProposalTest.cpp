#include "completion/TVYRACodeCompletionService.h"
#include "editor/TCodeEditor.h"
#include "editor/TCompletionProposal.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QByteArray PhpCatalogue = R"(<codecompletion phpversion="8.2.0">
  <supportedhighlighter>php</supportedhighlighter>
  <function name="str_replace">
    <param type="array|string" name="$search" optional="False"/>
    <param type="array|string" name="$replace" optional="False"/>
    <param type="array|string" name="$subject" optional="False"/>
    <param type="?int" name="&amp;$count" optional="True"/>
  </function>
  <function name="strlen"><param type="string" name="$string"/></function>
  <function name="größe"><param type="int" name="$wert"/></function>
  <function name="pi"/>
</codecompletion>)";

void sendKey(QWidget *target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void type(QWidget *target, const QString &text)
{
    for (QChar c : text) {
        const int key = c.isLetter() ? int(Qt::Key_A) + (c.toUpper().unicode() - 'A') : int(c.unicode());
        sendKey(target, key, Qt::NoModifier, QString(c));
    }
}

bool waitFor(const std::function<bool()> &condition, int ms = 2000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

// Lets the events already queued run, e.g. a completion timer of 0 ms.
void settle(int ms = 250)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

class CompletionProposalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
        AddStandardHighlighters(highlighters);
        service.LoadCustomFromData(PhpCatalogue, TVYRACodeCompletionService::PHPClass());
    }

    // An editor shown offscreen with its proposal set up for PHP.
    struct Window {
        TCodeEditor editor;
        TCompletionProposal *proposal = nullptr;
        QsciScintilla *sci = nullptr;
    };
    std::unique_ptr<Window> openEditor()
    {
        auto window = std::make_unique<Window>();
        window->editor.resize(640, 400);
        window->editor.show();
        window->proposal = new TCompletionProposal(&window->editor);
        window->sci = window->editor.findChild<QsciScintilla *>();
        const TIHighlighter *php = highlighters.FindHighlighter(QStringLiteral("php"));
        EXPECT_TRUE(service.SetUpCompleter(php, &window->proposal->Completer()));
        EXPECT_TRUE(service.SetUpParamCompletion(php, &window->proposal->Params()));
        window->sci->setFocus();
        return window;
    }

    TIHighlighters highlighters;
    TVYRACodeCompletionService service;
};

} // namespace

TEST_F(CompletionProposalTest, ShortcutOpensTheListForTheWordAndInsertsTheFunctionName)
{
    auto w = openEditor();
    EXPECT_EQ(TCompletionProposal::Of(&w->editor), w->proposal);
    type(w->sci, QStringLiteral("$x = STR"));
    EXPECT_EQ(w->proposal->WordBeforeCaret(), QStringLiteral("STR"));
    sendKey(w->sci, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(w->proposal->IsListActive());
    EXPECT_EQ(w->proposal->ShownItems(),
              (QStringList{QStringLiteral("str_replace(array|string $search, array|string $replace, "
                                          "array|string $subject, [ ?int &$count ])"),
                           QStringLiteral("strlen(string $string)")}));
    // Typing narrows the list; Return inserts the name, not the shown line.
    type(w->sci, QStringLiteral("_"));
    EXPECT_TRUE(w->proposal->IsListActive());
    sendKey(w->sci, Qt::Key_Return);
    EXPECT_FALSE(w->proposal->IsListActive());
    EXPECT_EQ(w->editor.text(), QStringLiteral("$x = str_replace"));
    EXPECT_EQ(w->editor.caretColumn(), 17);
    // No match, no list.
    type(w->sci, QStringLiteral(" zzz"));
    sendKey(w->sci, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(w->proposal->IsListActive());
}

TEST_F(CompletionProposalTest, TriggerCharacterOpensTheListAfterItsDelay)
{
    auto w = openEditor();
    type(w->sci, QStringLiteral("$o->"));
    EXPECT_FALSE(w->proposal->IsListActive());
    ASSERT_TRUE(waitFor([&] { return w->proposal->IsListActive(); }));
    EXPECT_EQ(w->proposal->ShownItems().size(), 4);
    // A non-ASCII name goes in whole.
    type(w->sci, QStringLiteral("grö"));
    sendKey(w->sci, Qt::Key_Tab);
    EXPECT_EQ(w->editor.text(), QStringLiteral("$o->größe"));
}

TEST_F(CompletionProposalTest, HintOpensOnTheBracketAndMarksTheParameterAtTheCaret)
{
    auto w = openEditor();
    type(w->sci, QStringLiteral("echo str_replace("));
    ASSERT_TRUE(waitFor([&] { return w->proposal->IsHintActive(); }));
    const QString hint = w->proposal->HintText();
    EXPECT_EQ(hint, QStringLiteral("str_replace(array|string $search, array|string $replace, array|string $subject, "
                                   "?int &$count)"));
    auto marked = [&] {
        const auto [start, end] = w->proposal->HintHighlight();
        return w->proposal->HintText().mid(start, end - start);
    };
    EXPECT_EQ(marked(), QStringLiteral("array|string $search"));
    // The mark follows the caret once the editor has updated.
    type(w->sci, QStringLiteral("',', $b, "));
    EXPECT_TRUE(waitFor([&] { return marked() == QStringLiteral("array|string $subject"); })) << marked().toStdString();
    EXPECT_TRUE(w->proposal->IsHintActive());
    // Inside a nested call the hint follows the inner function.
    type(w->sci, QStringLiteral("strlen("));
    EXPECT_TRUE(waitFor([&] { return marked() == QStringLiteral("string $string"); })) << marked().toStdString();
    type(w->sci, QStringLiteral("$s), "));
    EXPECT_TRUE(waitFor([&] { return marked() == QStringLiteral("?int &$count"); })) << marked().toStdString();
    // Leaving the call closes the hint.
    type(w->sci, QStringLiteral(");"));
    EXPECT_TRUE(waitFor([&] { return !w->proposal->IsHintActive(); }));
    // The shortcut opens it again inside a call.
    w->editor.setCaret(1, 24);
    sendKey(w->sci, Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(w->proposal->IsHintActive());
    EXPECT_EQ(marked(), QStringLiteral("array|string $replace"));
}

TEST_F(CompletionProposalTest, SecondEditorShowsTheHintOfTheSameFunction)
{
    auto first = openEditor();
    auto second = openEditor();
    type(first->sci, QStringLiteral("strlen("));
    ASSERT_TRUE(waitFor([&] { return first->proposal->IsHintActive(); }));
    second->sci->setFocus();
    type(second->sci, QStringLiteral("strlen("));
    ASSERT_TRUE(waitFor([&] { return second->proposal->IsHintActive(); }));
    EXPECT_EQ(second->proposal->HintText(), QStringLiteral("strlen(string $string)"));
}

TEST_F(CompletionProposalTest, ALongListShowsItsFirstItemsAndIsAskedAgainWhileTyping)
{
    QByteArray catalogue = "<c><supportedhighlighter>php</supportedhighlighter>";
    for (int i = 0; i < 300; ++i)
        catalogue += QStringLiteral("<function name='fn%1'/>").arg(i, 3, 10, QLatin1Char('0')).toLatin1();
    service.LoadCustomFromData(catalogue + "</c>", TVYRACodeCompletionService::PHPClass());
    auto w = openEditor();
    type(w->sci, QStringLiteral("FN"));
    sendKey(w->sci, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(w->proposal->IsListActive());
    EXPECT_EQ(w->proposal->ShownItems().size(), TCompletionProposal::MaxListItems);
    EXPECT_TRUE(w->proposal->IsListCut());
    EXPECT_FALSE(w->proposal->ShownItems().contains(QStringLiteral("fn250()")));
    // "fn25" matches items the cut list did not hold: they come once it is typed.
    type(w->sci, QStringLiteral("25"));
    ASSERT_TRUE(waitFor([&] { return w->proposal->ShownItems().size() == 10; }));
    EXPECT_TRUE(w->proposal->IsListActive());
    EXPECT_FALSE(w->proposal->IsListCut());
    sendKey(w->sci, Qt::Key_Return);
    EXPECT_EQ(w->editor.text(), QStringLiteral("fn250"));
}

TEST_F(CompletionProposalTest, SettingUpWaitsWhileSomethingShows)
{
    auto w = openEditor();
    type(w->sci, QStringLiteral("strlen("));
    ASSERT_TRUE(waitFor([&] { return w->proposal->IsHintActive(); }));
    // Another highlighter while the hint shows: nothing changes.
    const TIHighlighter *css = highlighters.FindHighlighter(QStringLiteral("css"));
    service.LoadCustomFromData("<c><supported><a>css</a></supported><settings><items><a>color</a></items></settings></c>",
                               TVYRACodeCompletionService::GeneralClass());
    EXPECT_FALSE(w->proposal->SetUp(service, css));
    EXPECT_EQ(w->proposal->Completer().ItemList().size(), 4);
    w->proposal->CancelAll();
    EXPECT_TRUE(w->proposal->SetUp(service, css));
    EXPECT_EQ(w->proposal->Completer().ItemList(), QStringList{QStringLiteral("color")});
}

TEST_F(CompletionProposalTest, DetachedProposalOpensNothing)
{
    auto w = openEditor();
    w->proposal->Detach();
    type(w->sci, QStringLiteral("strlen("));
    settle();
    EXPECT_FALSE(w->proposal->IsHintActive());
    sendKey(w->sci, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(w->proposal->IsListActive());
    w->proposal->Attach();
    sendKey(w->sci, Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(w->proposal->IsHintActive());
}
