#include "childwindow/TMDIChild.h"
#include "commands/TActionRegistry.h"
#include "commands/TShortcutDispatcher.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/IDocumentOperations.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "settings/TVYRASettings.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include <QTextEdit>
#include "facade/TVYRAEditor.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/TMainWindowSnapshot.h"
#include "mainwindow/TWindowListBar.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"
#include "startup/TProgramCore.h"
#include "ShippedDataFolders.h"
#include "TestSupport.h"
#include "ui/TScriptedPrompter.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <iostream>

namespace {

// The document commands as far as the window needs them: opening goes to the
// container, closing closes without asking, exit answers as told.
class TestOperations : public IDocumentOperations
{
public:
    explicit TestOperations(TVYRADocumentContainer &container) : m_container(container) {}

    void OpenFiles(const QStringList &fileNames, TVYRAProjectGroupItems *target) override
    {
        batches.append(fileNames);
        for (const QString &fileName : fileNames)
            m_container.OpenDocument(fileName, target);
    }
    bool CloseDocument(int index) override
    {
        closed.append(m_container.GetDocument(index)->GetFileName());
        if (!allowClose)
            return false;
        m_container.CloseDocument(index);
        return true;
    }
    bool CloseProjectGroup(TVYRAProjectGroupItems *group) override
    {
        closedGroups.append(group);
        return false;
    }
    bool QueryExit() override { return exitAllowed; }
    void CloseAllWithoutAsking() override
    {
        ++closeAllCount;
        m_container.CloseAllDocuments();
    }

    QList<QStringList> batches;
    QStringList closed;
    QList<TVYRAProjectGroupItems *> closedGroups;
    bool allowClose = true;
    bool exitAllowed = true;
    int closeAllCount = 0;

private:
    TVYRADocumentContainer &m_container;
};

// The program's core over the shipped data of the build tree, the user data
// in a temporary folder, and the main window on it.
class MainFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        core = programCore.Create(shippedDataFolders(user));
        // Web pages are written in the source editor; the rich editor has a test of its own.
        core->Settings()->DefaultEditor()->EditorMode = true;
        operations = std::make_unique<TestOperations>(*core->Container());
        createWindow();
    }
    void TearDown() override
    {
        window.reset();
        core.reset();
    }
    void createWindow()
    {
        window = std::make_unique<TMainForm>(*core);
        window->SetDocumentOperations(operations.get());
        window->show();
    }
    TVYRADocumentContainer &container() const { return *core->Container(); }
    TVYRADocument *newDocument()
    {
        const int index = container().NewDocument();
        settle();
        return container().GetDocument(index);
    }
    QString file(const QString &name, const QByteArray &content) const
    {
        const QString path = user.filePath(name);
        TestSupport::writeFile(path, content);
        return path;
    }
    QsciScintilla *scintilla(TVYRADocument *document) const
    {
        TCodeEditor *code = container().GetSynEdit(container().Documents().IndexOf(document));
        return code ? code->findChild<QsciScintilla *>() : nullptr;
    }
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    // As the desktop delivers files: entering, then the drop; true when both were accepted.
    static bool dropFiles(QWidget *target, const QStringList &files)
    {
        QMimeData data;
        for (const QString &name : files)
            data.setUrls(data.urls() << QUrl::fromLocalFile(name));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        settle();
        return enter.isAccepted() && drop.isAccepted();
    }
    int visibleWindowCount() const
    {
        int count = 0;
        for (QMdiSubWindow *sub : window->MdiArea()->subWindowList())
            count += sub->isHidden() ? 0 : 1;
        return count;
    }

    QTemporaryDir user;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TestOperations> operations;
    std::unique_ptr<TMainForm> window;
};

} // namespace

TEST_F(MainFormTest, ANewDocumentGetsItsWindowAndTypingMarksItInTheListAndStatusBar)
{
    TVYRADocument *document = newDocument();
    ASSERT_TRUE(document);
    TMDIChild *child = window->ChildOf(document);
    ASSERT_TRUE(child);
    EXPECT_EQ(visibleWindowCount(), 1);
    EXPECT_EQ(window->ActiveDocument(), document);
    EXPECT_EQ(container().GetActiveDocumentIndex(), 0);
    EXPECT_EQ(child->windowTitle(), QStringLiteral("Dokument1"));
    // The editor sits in the child window, with the highlighters to choose from.
    EXPECT_TRUE(child->EditorHost()->isAncestorOf(container().GetSynEdit(0)));
    EXPECT_GT(child->HighlighterList()->count(), 1);
    EXPECT_FALSE(child->NavigationTabs()->isTabEnabled(1));
    EXPECT_EQ(child->NavigationTabs()->tabToolTip(1), TMDIChild::PreviewMissingHint());
    ASSERT_EQ(window->DocumentList()->Count(), 1);
    EXPECT_EQ(window->DocumentList()->Entry(0).caption, QStringLiteral("Dokument1"));
    window->UpdateNow();
    EXPECT_EQ(window->StatusPanel(0)->text(), QStringLiteral("     1:   1"));
    EXPECT_EQ(window->StatusPanel(2)->text(), QString());
    EXPECT_EQ(window->StatusPanel(3)->text(), QStringLiteral("Einfügen"));
    EXPECT_FALSE(window->Registry().Action(QStringLiteral("EditUndo"))->isEnabled());

    QsciScintilla *editor = scintilla(document);
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, QStringLiteral("ab"));
    settle();
    window->UpdateNow();
    EXPECT_EQ(window->DocumentList()->Entry(0).caption, QStringLiteral("Dokument1 *"));
    EXPECT_EQ(window->StatusPanel(0)->text(), QStringLiteral("     1:   3"));
    EXPECT_EQ(window->StatusPanel(2)->text(), QStringLiteral("Geändert"));
    EXPECT_TRUE(window->Registry().Action(QStringLiteral("EditUndo"))->isEnabled());
}

TEST_F(MainFormTest, StatusBarCountsFromOneInTheRichEditorToo)
{
    core->Settings()->DefaultEditor()->EditorMode = false;
    TVYRADocument *document = newDocument();
    ASSERT_FALSE(document->EditorMode());
    TRichEditor *rich = container().GetRichEdit(0);
    ASSERT_TRUE(rich);
    QTest::keyClicks(rich->textEdit(), QStringLiteral("ab"));
    settle();
    window->UpdateNow();
    EXPECT_EQ(window->StatusPanel(0)->text(), QStringLiteral("     1:   3"));
    EXPECT_EQ(window->StatusPanel(2)->text(), QStringLiteral("Geändert"));
    EXPECT_EQ(window->StatusPanel(3)->text(), QStringLiteral("Einfügen"));
    rich->textEdit()->setOverwriteMode(true);
    window->UpdateNow();
    EXPECT_EQ(window->StatusPanel(3)->text(), QStringLiteral("Überschreiben"));
}

TEST_F(MainFormTest, ChangingHighlighterInTheChildSwitchesTheEditor)
{
    TVYRADocument *document = newDocument();
    TMDIChild *child = window->ChildOf(document);
    ASSERT_TRUE(child);
    QComboBox *list = child->HighlighterList();
    const TCodeEditor *code = container().GetSynEdit(0);
    const auto *before = code->highlighter();
    const int php = list->findText(QStringLiteral("PHP"), Qt::MatchContains);
    ASSERT_GE(php, 0);
    ASSERT_NE(php, list->currentIndex());
    list->setCurrentIndex(php);
    EXPECT_NE(code->highlighter(), before);
    ASSERT_TRUE(code->highlighter());
    // Shown again after a rebind, the list selects the editor's highlighter.
    child->UpdateHighlighterList();
    EXPECT_EQ(list->currentIndex(), php);

    // A change made elsewhere (the facade, a plug-in) is shown in the list.
    const int css = list->findText(QStringLiteral("CSS"), Qt::MatchExactly);
    ASSERT_GE(css, 0);
    container().GetEditor(0)->SetActiveHighlighter(list->itemText(css));
    QCoreApplication::processEvents();
    EXPECT_EQ(list->currentIndex(), css);
}

TEST_F(MainFormTest, ClosingTheWindowClosesTheDocumentOnlyWhenTheHandshakeAgrees)
{
    TVYRADocument *document = newDocument();
    QMdiSubWindow *sub = window->MdiArea()->subWindowList().value(0);
    ASSERT_TRUE(sub);

    operations->allowClose = false;
    sub->close();
    settle();
    EXPECT_EQ(operations->closed, QStringList{QStringLiteral("Dokument1")});
    EXPECT_EQ(container().GetDocumentCount(), 1);
    EXPECT_EQ(visibleWindowCount(), 1);

    operations->allowClose = true;
    sub->close();
    settle();
    EXPECT_EQ(container().GetDocumentCount(), 0);
    EXPECT_EQ(window->ChildOf(document), nullptr);
    EXPECT_EQ(visibleWindowCount(), 0);
    EXPECT_EQ(window->DocumentList()->Count(), 0);
    window->UpdateNow();
    EXPECT_EQ(window->StatusPanel(0)->text(), QString());
    EXPECT_EQ(window->StatusPanel(3)->text(), QString());
}

TEST_F(MainFormTest, ClosingThroughTheContainerRemovesTheChildWindow)
{
    newDocument();
    TVYRADocument *second = newDocument();
    container().CloseDocument(container().Documents().IndexOf(second));
    settle();
    EXPECT_EQ(visibleWindowCount(), 1);
    EXPECT_EQ(window->DocumentList()->Count(), 1);
    EXPECT_EQ(window->ActiveDocument(), container().GetDocument(0));
}

TEST_F(MainFormTest, MiddleClickOnAListEntryClosesExactlyThatDocument)
{
    newDocument();
    newDocument();
    newDocument();
    ASSERT_EQ(window->DocumentList()->Count(), 3);
    QWidget *button = window->DocumentList()->Button(1);
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::MiddleButton);
    settle();
    EXPECT_EQ(operations->closed, QStringList{QStringLiteral("Dokument2")});
    ASSERT_EQ(container().GetDocumentCount(), 2);
    EXPECT_EQ(container().GetDocument(0)->GetFileName(), QStringLiteral("Dokument1"));
    EXPECT_EQ(container().GetDocument(1)->GetFileName(), QStringLiteral("Dokument3"));
    EXPECT_EQ(window->DocumentList()->Count(), 2);

    // A click on an entry activates its document.
    QTest::mouseClick(window->DocumentList()->Button(0), Qt::LeftButton);
    settle();
    EXPECT_EQ(window->ActiveDocument(), container().GetDocument(0));
}

TEST_F(MainFormTest, TheDispatcherFiresTheFirstEnabledOfTwoCommandsOnOneKey)
{
    QStringList fired;
    window->Registry().SetHandler(QStringLiteral("EditDuplicateLine"), [&] { fired << "line"; });
    window->Registry().SetHandler(QStringLiteral("ProjectSaveProject"), [&] { fired << "project"; });
    const QKeySequence key(QStringLiteral("Ctrl+D"));
    ASSERT_EQ(window->Dispatcher().ActionsFor(key).size(), 2);

    // Only the default group is there: the project command.
    TVYRADocument *document = newDocument();
    container().CloseDocument(container().Documents().IndexOf(document));
    settle();
    window->UpdateNow();
    ASSERT_EQ(container().ProjectGroups()->Count(), 1);
    EXPECT_TRUE(window->Dispatcher().Dispatch(key));
    // A document with a caret line: the line command comes first.
    newDocument();
    window->UpdateNow();
    EXPECT_TRUE(window->Dispatcher().Dispatch(key));
    EXPECT_EQ(fired, (QStringList{QStringLiteral("project"), QStringLiteral("line")}));
}

TEST_F(MainFormTest, DroppingTwoFilesOpensBothAsOneBatch)
{
    newDocument();
    const QString a = file(QStringLiteral("a.php"), "<?php echo 1; ?>\n");
    const QString b = file(QStringLiteral("b.html"), "<p>b</p>\n");
    settle();
    QSignalSpy lists(window.get(), &TMainForm::listsChanged);
    qRegisterMetaType<TVYRADocument *>();
    QSignalSpy opened(window.get(), &TMainForm::documentOpened);

    EXPECT_TRUE(dropFiles(window->MdiArea()->viewport(), {a, b}));

    EXPECT_EQ(operations->batches, (QList<QStringList>{{a, b}}));
    ASSERT_EQ(container().GetDocumentCount(), 3);
    EXPECT_EQ(container().GetDocument(1)->GetFileName(), a);
    EXPECT_EQ(container().GetDocument(2)->GetFileName(), b);
    EXPECT_EQ(opened.count(), 2);
    EXPECT_EQ(lists.count(), 1);
    EXPECT_EQ(window->DocumentList()->Entry(1).caption, QStringLiteral("a.php"));
    EXPECT_EQ(window->ChildOf(container().GetDocument(2))->windowTitle(), QStringLiteral("b.html"));
}

TEST_F(MainFormTest, AFileDroppedOnAnEditorOpensInsteadOfGoingIntoTheText)
{
    TVYRADocument *document = newDocument();
    const QString a = file(QStringLiteral("d.php"), "<?php echo 4; ?>\n");
    EXPECT_TRUE(dropFiles(scintilla(document)->viewport(), {a}));
    EXPECT_EQ(container().GetSynEdit(0)->text(), QString());
    ASSERT_EQ(container().GetDocumentCount(), 2);
    EXPECT_EQ(container().GetDocument(1)->GetFileName(), a);
}

TEST_F(MainFormTest, FindNextWalksThroughTheMatchesAndSaysWhenNoneIsLeft)
{
    QAction *findNext = window->Registry().Action(QStringLiteral("EditSearchMore"));
    TVYRADocument *document = newDocument();
    window->UpdateNow();
    // No search yet: disabled, and the hint says what is missing.
    EXPECT_FALSE(findNext->isEnabled());
    EXPECT_EQ(findNext->toolTip(), TActionRegistry::MissingHint(QStringLiteral("Suchen und Ersetzen")));

    TCodeEditor *code = container().GetSynEdit(container().Documents().IndexOf(document));
    code->setText(QStringLiteral("foo bar foo"));
    window->SearchState().SetSearch(QStringLiteral("foo"), {});
    window->UpdateNow();
    ASSERT_TRUE(findNext->isEnabled());
    findNext->trigger();
    EXPECT_EQ(code->selStart(), 0);
    findNext->trigger();
    EXPECT_EQ(code->selStart(), 8);
    EXPECT_EQ(code->selLength(), 3);
    findNext->trigger();
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts()[0].text, QStringLiteral("Die Suche nach \"foo\" hat keine weiteren Resultate geliefert."));
    EXPECT_EQ(prompter.prompts()[0].caption, QStringLiteral("Suche"));

    // A change of the text starts the search from the top again.
    QTest::keyClicks(scintilla(document), QStringLiteral("x"));
    settle();
    findNext->trigger();
    EXPECT_EQ(code->selStart(), 0);
}

TEST_F(MainFormTest, GoToLineIgnoresAnythingButALineNumber)
{
    TVYRADocument *document = newDocument();
    TCodeEditor *code = container().GetSynEdit(container().Documents().IndexOf(document));
    code->setText(QStringLiteral("eins\nzwei\ndrei\nvier\n"));
    code->setCaret(1, 1);
    window->UpdateNow();
    QAction *go = window->Registry().Action(QStringLiteral("EditGoto"));
    ASSERT_TRUE(go->isEnabled());

    prompter.answerText(QStringLiteral("drei"));
    go->trigger();
    EXPECT_EQ(code->caretLine(), 1);
    prompter.answerText(QStringLiteral(" 3 "));
    go->trigger();
    EXPECT_EQ(code->caretLine(), 3);
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_EQ(prompter.prompts()[0].caption, QStringLiteral("Gehe zu..."));
    EXPECT_EQ(prompter.prompts()[0].text, QStringLiteral("Bitte geben Sie die Zeilennummer ein:"));
}

TEST_F(MainFormTest, TheLayoutIsSavedOnExitAndRestoredByTheNextWindow)
{
    auto *page = new QLabel(QStringLiteral("Seite"));
    QDockWidget *dock = window->AddQuickbarPage(QStringLiteral("qbpTest"), QStringLiteral("Test"), page);
    QAction *dockToggle = window->Registry().Action(QStringLiteral("actqbpTest"));
    ASSERT_TRUE(dockToggle);
    EXPECT_EQ(dockToggle->statusTip(), QStringLiteral("Blendet das Quickbar-Element \"Test\" ein oder aus."));
    EXPECT_EQ(window->Registry().Definition(QStringLiteral("actqbpTest"))->category, QStringLiteral("GUI"));
    window->addDockWidget(Qt::RightDockWidgetArea, dock);

    QAction *listToggle = window->Registry().Action(QStringLiteral("acttbtMdiWindowList"));
    ASSERT_TRUE(listToggle);
    EXPECT_EQ(listToggle->statusTip(), QStringLiteral("Blendet die Symbolleiste \"Dokumentliste\" ein oder aus."));
    window->UpdateNow();
    EXPECT_TRUE(listToggle->isChecked());
    listToggle->trigger();
    EXPECT_TRUE(window->DocumentList()->isHidden());
    EXPECT_FALSE(listToggle->isChecked());

    // Exit refused: the window stays and nothing is written.
    operations->exitAllowed = false;
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(QFile::exists(user.filePath(QStringLiteral("user/layout.dat"))));
    operations->exitAllowed = true;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(operations->closeAllCount, 1);
    EXPECT_TRUE(QFile::exists(user.filePath(QStringLiteral("user/layout.dat"))));
    EXPECT_TRUE(QFile::exists(core->GetSettingsXMLFile()));

    window.reset();
    createWindow();
    EXPECT_TRUE(window->DocumentList()->isHidden());
    EXPECT_FALSE(window->Registry().Action(QStringLiteral("acttbtMdiWindowList"))->isChecked());
    QDockWidget *again = window->AddQuickbarPage(QStringLiteral("qbpTest"), QStringLiteral("Test"), new QLabel);
    EXPECT_EQ(window->dockWidgetArea(again), Qt::RightDockWidgetArea);
}

TEST_F(MainFormTest, SnapshotFollowsTheActiveDocumentAndTheSelectedGroup)
{
    TWindowFacts facts;
    TWindowSnapshot empty = TMainWindowSnapshot::Take(container(), facts);
    EXPECT_FALSE(empty.hasActiveDocument);
    EXPECT_EQ(empty.documentCount, 0);
    EXPECT_FALSE(empty.projectSelected);

    TVYRADocument *document = newDocument();
    TCodeEditor *code = container().GetSynEdit(0);
    code->setText(QStringLiteral("eins\nzwei\n"));
    code->setSelection(0, 4);
    facts.activeDocument = 0;
    facts.childWindowCount = 1;
    facts.selectedGroup = window->SelectedProjectGroup();
    ASSERT_TRUE(facts.selectedGroup); // the only group
    const TWindowSnapshot s = TMainWindowSnapshot::Take(container(), facts);
    EXPECT_TRUE(s.hasActiveDocument);
    EXPECT_TRUE(s.editable);
    EXPECT_TRUE(s.modified);
    EXPECT_FALSE(s.hasFile);
    EXPECT_TRUE(s.hasSelection);
    EXPECT_EQ(s.lineCount, 3);
    EXPECT_EQ(s.documentCount, 1);
    EXPECT_EQ(s.modifiedCount, 1);
    EXPECT_EQ(s.projectGroupCount, 1);
    EXPECT_TRUE(s.projectSelected);
    EXPECT_EQ(window->ActiveDocument(), document);
}

TEST_F(MainFormTest, AHandOverOpensTheFilesInTheRunningWindow)
{
    const QString a = file(QStringLiteral("c.php"), "<?php echo 3; ?>\n");
    window->ReceiveHandOver({a});
    settle();
    for (const TPrompt &p : prompter.prompts())
        ADD_FAILURE() << p.text.toStdString();
    ASSERT_EQ(container().GetDocumentCount(), 1);
    EXPECT_EQ(container().GetDocument(0)->GetFileName(), a);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(window->DocumentList()->Count(), 1);
}

TEST_F(MainFormTest, TypingStaysFastWithTwentyDocumentsOpen)
{
    for (int i = 0; i < 20; ++i)
        newDocument();
    TVYRADocument *document = window->ActiveDocument();
    ASSERT_TRUE(document);
    QsciScintilla *editor = scintilla(document);
    ASSERT_TRUE(editor);
    // Each key with everything it sets off in the window, pauses included.
    std::vector<qint64> nanoseconds;
    QElapsedTimer clock;
    for (int i = 0; i < 60; ++i) {
        clock.start();
        QTest::keyClick(editor, Qt::Key_A);
        QCoreApplication::processEvents();
        nanoseconds.push_back(clock.nsecsElapsed());
        if (i % 10 == 9)
            QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const double medianMs = double(nanoseconds[nanoseconds.size() / 2]) / 1e6;
    std::cout << "[          ] median per key with 20 documents: " << medianMs << " ms\n";
    EXPECT_LT(medianMs, 5.0);
    EXPECT_EQ(window->DocumentList()->Entry(19).caption, QStringLiteral("Dokument20 *"));
}

TEST_F(MainFormTest, ProjectListSelectsTheGroupAndAMiddleClickClosesExactlyThatGroup)
{
    EXPECT_EQ(window->SelectedProjectGroup(), nullptr);
    newDocument(); // the default group
    TVYRAProjectGroupItems *first = container().ProjectGroups()->Items(0);
    EXPECT_EQ(window->SelectedProjectGroup(), first);
    const QString shop = file(QStringLiteral("shop.qpg"), "");
    ASSERT_EQ(container().NewProject(shop, QStringLiteral("Shop")), 1);
    window->ListsChanged();
    ASSERT_EQ(window->ProjectList()->Count(), 2);
    EXPECT_EQ(window->ProjectList()->Entry(1).caption, QStringLiteral("Shop"));
    TVYRAProjectGroupItems *second = container().ProjectGroups()->Items(1);

    QTest::mouseClick(window->ProjectList()->Button(1), Qt::LeftButton);
    settle();
    EXPECT_EQ(window->SelectedProjectGroup(), second);
    EXPECT_EQ(container().GetActiveProjectIndex(), 1);
    QTest::mouseClick(window->ProjectList()->Button(0), Qt::MiddleButton);
    settle();
    EXPECT_EQ(operations->closedGroups, QList<TVYRAProjectGroupItems *>{first});
}

TEST_F(MainFormTest, WindowCommandsArrangeTheDocumentWindowsAndToggleTheStatusBar)
{
    newDocument();
    newDocument();
    window->UpdateNow();
    TActionRegistry &registry = window->Registry();
    registry.Action(QStringLiteral("WindowTileHorizontal"))->trigger();
    const QList<QMdiSubWindow *> windows = window->MdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 2);
    EXPECT_EQ(windows[0]->width(), windows[1]->width());
    EXPECT_EQ(windows[0]->y() + windows[0]->height(), windows[1]->y());
    registry.Action(QStringLiteral("WindowTileVertical"))->trigger();
    EXPECT_EQ(windows[0]->x() + windows[0]->width(), windows[1]->x());
    registry.Action(QStringLiteral("WindowMinimizeAll"))->trigger();
    EXPECT_TRUE(windows[0]->isMinimized());
    EXPECT_TRUE(windows[1]->isMinimized());

    QAction *statusBar = registry.Action(QStringLiteral("ToggleStatusBar"));
    EXPECT_TRUE(statusBar->isChecked());
    statusBar->trigger();
    window->UpdateNow();
    EXPECT_TRUE(window->StatusPanel(0)->parentWidget()->isHidden());
    EXPECT_FALSE(statusBar->isChecked());
}
