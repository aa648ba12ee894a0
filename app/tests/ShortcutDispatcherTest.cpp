#include "commands/TActionCatalogue.h"
#include "commands/TActionRegistry.h"
#include "commands/TEditorKeyCollisions.h"
#include "commands/TEditorSnapshot.h"
#include "commands/TShortcutDispatcher.h"
#include "editor/TCodeEditor.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QtTest/QTest>
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

namespace {

TActionDefinition definition(const char *name, const char *key, bool *enabled)
{
    TActionDefinition s;
    s.name = QString::fromLatin1(name);
    s.category = QStringLiteral("Test");
    s.caption = s.name;
    s.missing = QStringLiteral("Test");
    s.shortcut = QKeySequence(QString::fromLatin1(key));
    s.enabled = [enabled](const TWindowSnapshot &) { return *enabled; };
    return s;
}

// A shown window with a plain widget in focus and two commands on Ctrl+D.
class ShortcutDispatcherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registry.Add(definition("First", "Ctrl+D", &firstEnabled));
        registry.Add(definition("Second", "Ctrl+D", &secondEnabled));
        registry.Add(definition("Alone", "F9", &firstEnabled));
        for (const char *name : {"First", "Second", "Alone"})
            registry.SetHandler(QString::fromLatin1(name), [this, name] { fired << QString::fromLatin1(name); });
        window.menuBar()->addMenu(QStringLiteral("&Test"))->addActions(registry.Actions());
        focus = new QWidget(&window);
        focus->setFocusPolicy(Qt::StrongFocus);
        window.setCentralWidget(focus);
        dispatcher = new TShortcutDispatcher(registry, window);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        focus->setFocus();
    }
    void press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        registry.Update(TWindowSnapshot{});
        QTest::keyClick(target, key, modifiers);
    }

    bool firstEnabled = true;
    bool secondEnabled = true;
    QStringList fired;
    TActionRegistry registry;
    QMainWindow window;
    QWidget *focus = nullptr;
    TShortcutDispatcher *dispatcher = nullptr;
};

TEST_F(ShortcutDispatcherTest, FirstEnabledCommandWinsASharedKey)
{
    press(focus, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(fired, QStringList({"First"}));

    fired.clear();
    firstEnabled = false;
    press(focus, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(fired, QStringList({"Second"}));

    fired.clear();
    secondEnabled = false;
    press(focus, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(fired.isEmpty());
    // A key no enabled command wants is left to the focused widget.
    EXPECT_FALSE(dispatcher->ShortcutFor(QKeySequence(QStringLiteral("Ctrl+D")))->isEnabled());
}

TEST_F(ShortcutDispatcherTest, ASingleKeyStillFiresAndMenusShowTheKey)
{
    press(focus, Qt::Key_F9, Qt::NoModifier);
    EXPECT_EQ(fired, QStringList({"Alone"}));
    EXPECT_EQ(registry.Action("Second")->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
    EXPECT_EQ(dispatcher->Keys().size(), 2);
    EXPECT_EQ(dispatcher->ActionsFor(QKeySequence(QStringLiteral("Ctrl+D"))),
              QList<QAction *>({registry.Action("First"), registry.Action("Second")}));
}

TEST_F(ShortcutDispatcherTest, ChangedShortcutsMoveTheKey)
{
    registry.SetShortcut(QStringLiteral("Second"), QKeySequence(QStringLiteral("Ctrl+K")));
    press(focus, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(fired, QStringList({"Second"}));
    fired.clear();
    firstEnabled = false;
    press(focus, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(fired.isEmpty());

    // Set on the action directly, bypassing the registry.
    firstEnabled = true;
    registry.Action("Alone")->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    press(focus, Qt::Key_K, Qt::ControlModifier);
    press(focus, Qt::Key_F9, Qt::NoModifier);
    EXPECT_EQ(fired, QStringList({"Second"})) << "Second stands before Alone; F9 is free now";
}

TEST_F(ShortcutDispatcherTest, CommandsAddedLaterGetTheirKey)
{
    bool enabled = true;
    registry.Add(definition("Later", "Ctrl+J", &enabled));
    registry.SetHandler(QStringLiteral("Later"), [this] { fired << QStringLiteral("Later"); });
    press(focus, Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(fired, QStringList({"Later"}));
}

// The real catalogue on a window with a real code editor in focus.
class EditorKeyCollisionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registry.AddAll(TActionCatalogue::Standard());
        registry.SetHandler(QStringLiteral("EditDuplicateLine"), [this] { fired << QStringLiteral("EditDuplicateLine"); });
        registry.SetHandler(QStringLiteral("EditRemoveLine"), [this] { fired << QStringLiteral("EditRemoveLine"); });
        editor = new TCodeEditor(&window);
        window.setCentralWidget(editor);
        dispatcher = new TShortcutDispatcher(registry, window);
        editor->setText(QStringLiteral("eins\nzwei\ndrei"));
        editor->setCaret(2, 1);
        editor->setModified(false);
        TWindowSnapshot s;
        s.hasActiveDocument = s.editable = true;
        s.caretLine = 2;
        s.lineCount = 3;
        registry.Update(s);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        sci = editor->findChild<QsciScintilla *>();
        ASSERT_NE(sci, nullptr);
        sci->setFocus();
    }
    QStringList fired;
    TActionRegistry registry;
    QMainWindow window;
    TCodeEditor *editor = nullptr;
    QsciScintilla *sci = nullptr;
    TShortcutDispatcher *dispatcher = nullptr;
};

TEST_F(EditorKeyCollisionTest, EditorSwallowsMenuKeysUntilCleared)
{
    // QScintilla binds Ctrl+D to duplicating and Ctrl+Y to redo.
    QStringList different;
    QStringList same;
    for (const TKeyCollision &c : TEditorKeyCollisions::Find(*sci, registry))
        (c.sameMeaning ? same : different) << c.key.toString(QKeySequence::PortableText) + " " + c.actionName;
    EXPECT_EQ(different, QStringList({"Ctrl+T FileTemplateSettings", "Ctrl+Y EditRemoveLine",
                                      "Ctrl+D EditDuplicateLine", "Ctrl+Shift+U FormatDecreaseIndent",
                                      "Ctrl+Shift+L FormatSelectTypeLine", "Ctrl+D ProjectSaveProject"}));
    EXPECT_EQ(same, QStringList({"Ctrl+Z EditUndo", "Ctrl+X EditCut", "Ctrl+C EditCopy", "Ctrl+V EditPaste",
                                 "Del EditDelete", "Ctrl+A EditSelectAll"}));
    QTest::keyClick(sci, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(fired.isEmpty());
    EXPECT_EQ(editor->text(), QStringLiteral("eins\nzwei\nzwei\ndrei")); // the editor's own command ran

    editor->setText(QStringLiteral("eins\nzwei\ndrei"));
    editor->setCaret(2, 1);
    EXPECT_GT(TEditorKeyCollisions::Clear(*editor, registry), 0);
    QTest::keyClick(sci, Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(sci, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(fired, QStringList({"EditDuplicateLine", "EditRemoveLine"}));
    EXPECT_EQ(editor->text(), QStringLiteral("eins\nzwei\ndrei"));

    // What is left are keys whose command does what the editor does itself.
    for (const TKeyCollision &c : TEditorKeyCollisions::Find(*sci, registry))
        EXPECT_TRUE(c.sameMeaning) << c.actionName.toStdString() << " " << c.editorCommand.toStdString();
}

TEST_F(EditorKeyCollisionTest, KeysOfTheSameMeaningStayWithTheEditor)
{
    TEditorKeyCollisions::Clear(*editor, registry);
    editor->setCaret(1, 1);
    QTest::keyClick(sci, Qt::Key_A, Qt::ControlModifier); // select all, as the editor does it
    EXPECT_EQ(editor->selectedText(), QStringLiteral("eins\nzwei\ndrei"));
    QTest::keyClick(sci, Qt::Key_X);
    QTest::keyClick(sci, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), QStringLiteral("eins\nzwei\ndrei"));
    // Typing still reaches the editor, also the characters of command keys.
    editor->setCaret(1, 1);
    QTest::sendKeyEvent(QTest::Click, sci, Qt::Key_Adiaeresis, QStringLiteral("ä"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, sci, Qt::Key_NumberSign, QStringLiteral("#"), Qt::NoModifier);
    EXPECT_EQ(editor->text(), QStringLiteral("ä#eins\nzwei\ndrei"));
}

TEST(EditorSnapshot, RulesFollowTheEditor)
{
    TActionRegistry registry;
    registry.AddAll(TActionCatalogue::Standard());
    for (const char *name : {"EditUndo", "EditCopy", "EditLineUp", "EditLineDown", "FormatBreakLines"})
        registry.SetHandler(QString::fromLatin1(name), [] {});
    TCodeEditor editor;
    editor.setText(QStringLiteral("eins\nzwei"));
    editor.clearUndo();
    editor.setCaret(1, 1);
    const auto update = [&] {
        TWindowSnapshot s;
        s.hasActiveDocument = s.editable = true;
        TEditorSnapshot::Fill(s, editor);
        registry.Update(s);
    };
    update();
    EXPECT_FALSE(registry.Action("EditUndo")->isEnabled());
    EXPECT_FALSE(registry.Action("EditCopy")->isEnabled());
    EXPECT_FALSE(registry.Action("EditLineUp")->isEnabled());
    EXPECT_TRUE(registry.Action("EditLineDown")->isEnabled());

    editor.replaceSelection(QStringLiteral("x")); // "xeins\nzwei"
    editor.setSelection(6, 3);                    // "zwe", caret on line 2
    editor.setWordWrap(true);
    update();
    EXPECT_TRUE(registry.Action("EditUndo")->isEnabled());
    EXPECT_TRUE(registry.Action("EditCopy")->isEnabled());
    EXPECT_TRUE(registry.Action("EditLineUp")->isEnabled());
    EXPECT_TRUE(registry.Action("FormatBreakLines")->isChecked());

    editor.setReadOnly(true);
    update();
    EXPECT_FALSE(registry.Action("EditUndo")->isEnabled());
    EXPECT_TRUE(registry.Action("EditCopy")->isEnabled()); // copying from a read-only text is fine
}

} // namespace
