#include "ShippedDataFolders.h"
#include "TestSupport.h"
#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TDocumentCommands.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "propertygrid/TPropertyGrid.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "settings/TVYRASettings.h"
#include "startup/TProgramCore.h"
#include "structure/TCodeBrowserPanel.h"
#include "structure/TProcedureListWindow.h"
#include "structure/TTagInspectorPanel.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString WordPressFile = QStringLiteral("/usr/share/wordpress/wp-includes/class-wp-block-supports.php");

// The studio window over the shipped data, assembled as the start-up does it.
class StructureViewEndToEndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        core = programCore.Create(shippedDataFolders(root));
        core->Settings()->DefaultEditor()->EditorMode = true;
        window = std::make_unique<TMainForm>(*core);
        features = std::make_unique<TStudioFeatures>(*core, *window);
        window->resize(1200, 800);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        browser = window->findChild<TCodeBrowserPanel *>();
        inspector = window->findChild<TTagInspectorPanel *>();
        ASSERT_TRUE(browser && inspector);
    }
    void TearDown() override
    {
        features->Documents().CloseAllWithoutAsking();
        features.reset();
        window.reset();
        core.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A copy of a file in the temporary folder, opened in the window.
    TCodeEditor *open(const QString &name, const QByteArray &content)
    {
        const QString file = root.filePath(name);
        TestSupport::writeFile(file, content);
        // The question whether a file of a type without registration should open anyway.
        prompter.answerButton(TPromptButton::Yes);
        window->OpenFiles({file});
        TVYRADocumentContainer &container = *core->Container();
        TCodeEditor *editor = nullptr;
        (void)QTest::qWaitFor([&] {
            editor = nullptr;
            for (int i = 0; i < container.GetDocumentCount(); ++i)
                if (QFileInfo(container.GetDocument(i)->GetFileName()) == QFileInfo(file))
                    editor = container.GetSynEdit(i);
            return editor && !editor->isLoading() && editor->textLength() > 0;
        }, 5000);
        for (const TPrompt &prompt : editor ? QList<TPrompt>() : prompter.prompts())
            ADD_FAILURE() << prompt.text.toStdString();
        return editor;
    }
    QTreeWidgetItem *node(const QString &text) const
    {
        const auto found = browser->Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    bool waitForNode(const QString &text, int ms = 3000) const
    {
        return QTest::qWaitFor([&] { return node(text) != nullptr; }, ms);
    }

    QTemporaryDir root;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TMainForm> window;
    std::unique_ptr<TStudioFeatures> features;
    TCodeBrowserPanel *browser = nullptr;
    TTagInspectorPanel *inspector = nullptr;
};

int lineOf(const QString &text, int offset)
{
    return int(text.left(offset).count(u'\n')) + 1;
}

} // namespace

TEST_F(StructureViewEndToEndTest, WordPressFileTreeJumpsAndFollowsTyping)
{
    QFile source(WordPressFile);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << "WordPress is part of the test environment";
    TCodeEditor *editor = open(QStringLiteral("class-wp-block-supports.php"), source.readAll());
    ASSERT_TRUE(editor);
    ASSERT_TRUE(waitForNode(QStringLiteral("WP_Block_Supports")));
    ASSERT_TRUE(node(QStringLiteral("Funktionen")));
    ASSERT_TRUE(node(QStringLiteral("get_block_wrapper_attributes")));

    // A double click on a method puts the caret on its line.
    QTreeWidgetItem *method = node(QStringLiteral("[func] register_attributes"));
    ASSERT_TRUE(method);
    const int offset = method->data(0, TCodeBrowserPanel::OffsetRole).toInt();
    const QString text = editor->text();
    ASSERT_TRUE(text.mid(offset, 60).contains(QStringLiteral("function register_attributes")));
    for (QTreeWidgetItem *parent = method->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    browser->Tree()->scrollToItem(method);
    browser->Tree()->setCurrentItem(method);
    window->Registry().Action(QStringLiteral("CodeBrowserJumpToLine"))->trigger();
    EXPECT_EQ(editor->caretLine(), lineOf(text, offset));

    // Typing a function in shows it after the pause.
    editor->setCaretOffset(editor->textLength());
    auto *scintilla = editor->findChild<QsciScintilla *>();
    ASSERT_TRUE(scintilla);
    QTest::keyClick(scintilla, Qt::Key_Return);
    QTest::keyClicks(scintilla, QStringLiteral("function talvex_added_late() {}"));
    QTest::keyClick(scintilla, Qt::Key_Return);
    EXPECT_TRUE(waitForNode(QStringLiteral("talvex_added_late")));
    EXPECT_TRUE(node(QStringLiteral("WP_Block_Supports")));

    // The procedure list shows the same functions and jumps by name.
    window->Registry().Action(QStringLiteral("CodeBrowserShowProcedureList"))->trigger();
    auto *list = window->findChild<TProcedureListWindow *>();
    ASSERT_TRUE(list);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible() && list->Rows()->topLevelItemCount() > 0; }));
    const int row = list->Names()->findText(QStringLiteral("get_block_wrapper_attributes"));
    ASSERT_GE(row, 0);
    list->Names()->setCurrentIndex(row);
    emit list->Names()->activated(row);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(editor->caretLine(), lineOf(editor->text(), int(editor->text().indexOf("function get_block_wrapper"))));
}

TEST_F(StructureViewEndToEndTest, ClosingTheDocumentDuringItsAnalysisLeavesTheMessage)
{
    QByteArray big = "<?php\n";
    for (int i = 0; i < 3000; ++i)
        big += "class C" + QByteArray::number(i) + " { public function m() {} }\n";
    ASSERT_TRUE(open(QStringLiteral("big.php"), big));
    window->Registry().Action(QStringLiteral("CodeBrowserUpdate"))->trigger();
    features->Documents().CloseAllWithoutAsking();
    QTest::qWait(300);
    ASSERT_EQ(browser->Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(browser->Tree()->topLevelItem(0)->text(0), "Keine PHP Elemente gefunden!");
}

TEST_F(StructureViewEndToEndTest, TagInspectorFollowsTheCaretAndWritesAttributes)
{
    TCodeEditor *editor = open(QStringLiteral("page.html"), "<p>\n<a href=\"x.html\" target=_blank>Link</a>\n</p>\n");
    ASSERT_TRUE(editor);
    editor->setCaretOffset(int(editor->text().indexOf("href")) - 1);
    QTest::keyClick(editor->findChild<QsciScintilla *>(), Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return inspector->Header()->text() == "Tag-Inspektor: <a> - Tag"; }));
    QTreeWidgetItem *href = inspector->Grid()->Row(QStringLiteral("href"));
    ASSERT_TRUE(href);
    EXPECT_EQ(href->text(1), "x.html");

    href->setText(1, QStringLiteral("neu \"1\".html"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->text().contains("href=\"neu &quot;1&quot;.html\""); }));
    EXPECT_TRUE(editor->text().contains("target=_blank>Link</a>"));
    EXPECT_TRUE(editor->isModified());

    // Between two tags there is none.
    editor->setCaretOffset(int(editor->text().indexOf("Link")));
    QTest::keyClick(editor->findChild<QsciScintilla *>(), Qt::Key_Right);
    EXPECT_TRUE(QTest::qWaitFor([&] { return inspector->Header()->text() == "Tag-Inspektor: Kein Tag"; }));
}
