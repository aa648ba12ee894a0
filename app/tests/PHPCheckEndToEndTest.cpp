#include "StudioWindowFixture.h"
#include "TestSupport.h"
#include "childwindow/TMDIChild.h"
#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TScriptedFileDialogs.h"
#include "documents/TVYRADocument.h"
#include "facade/TVYRAEditor.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "phpcheck/TPHPCheckFeature.h"
#include "phpcheck/TPHPMessageModel.h"
#include "phpcheck/TPHPMessagesPanel.h"
#include "preview/TPHPBuiltinServer.h"
#include "preview/TPreviewFeature.h"
#include "settings/TTalvexStudioPHPSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QListView>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <iostream>

namespace {

// The program in-process with its features, checking with the real php.
class PHPCheckEndToEndTest : public StudioWindowFixture
{
protected:

    TVYRADocumentContainer &container() const { return *core->Container(); }
    TTalvexStudioPHPSettings &php() const
    {
        return *qobject_cast<TTalvexStudioSettings *>(core->Settings())->PHP();
    }
    TVYRADocument *open(const QString &name, const QByteArray &content)
    {
        const QString path = root.filePath(name);
        TestSupport::writeFile(path, content);
        window->OpenFiles({path});
        QCoreApplication::processEvents();
        // The commands are enabled for the new document at once, not after the update pause.
        window->UpdateNow();
        return window->ActiveDocument();
    }
    std::unique_ptr<TVYRAEditor> editorOf(TVYRADocument *document) const
    {
        return container().GetEditor(container().Documents().IndexOf(document));
    }
    QStringList rows() const
    {
        QStringList texts;
        for (const TPHPMessage &message : features->PHPCheck().Model().Messages())
            texts << message.DisplayText();
        return texts;
    }
    void doubleClickRow(int row)
    {
        QListView *list = features->PHPCheck().Panel()->List();
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(PHPCheckEndToEndTest, F9FillsThePanelAndADoubleClickMovesTheCaretToTheLine)
{
    TVYRADocument *document = open("seite.php", "<?php\n$a = 1;\n$b = 2;\n$c = 3\necho $c;\n");
    ASSERT_TRUE(document);
    QTest::keyClick(window.get(), Qt::Key_F9);
    QCoreApplication::processEvents();
    ASSERT_EQ(rows().size(), 1) << rows().join('\n').toStdString();
    EXPECT_TRUE(rows()[0].startsWith("[Parse error] seite.php(5): syntax error")) << rows()[0].toStdString();
    EXPECT_TRUE(window->findChild<QDockWidget *>("tbPHPMessages")->isVisible());

    editorOf(document)->GotoLine(1);
    doubleClickRow(0);
    EXPECT_EQ(editorOf(document)->CaretY(), 5);
}

TEST_F(PHPCheckEndToEndTest, UnsavedTextIsCheckedUnderTheDocumentsNameAndAnIncludedFileOpensAtItsLine)
{
    TestSupport::writeFile(root.filePath("lib.php"), "<?php\n\nfunction f() {\n    return $undefined;\n}\n");
    TVYRADocument *document = open("haupt.php", "<?php\necho 'ok';\n");
    // Typed, not saved: the file on disk is fine, the editor text is not.
    editorOf(document)->SetText("<?php\nrequire 'lib.php';\nf();\nif (\n");
    window->Registry().Action("PHPSyntaxCheck")->trigger();
    ASSERT_EQ(rows().size(), 1);
    EXPECT_TRUE(rows()[0].startsWith("[Parse error] haupt.php(5):")) << rows()[0].toStdString();

    // Make the warning fatal so that the run fails and lists it.
    editorOf(document)->SetText("<?php\nset_error_handler(function ($n, $s, $f, $l) {"
                                " throw new ErrorException($s, 0, $n, $f, $l); });\nrequire 'lib.php';\necho f();\n");
    window->Registry().Action("PHPErrorCheck")->trigger();
    ASSERT_EQ(rows().size(), 1);
    EXPECT_TRUE(rows()[0].startsWith("[Fatal error] lib.php(4): Uncaught ErrorException")) << rows()[0].toStdString();
    doubleClickRow(0);
    TVYRADocument *library = window->ActiveDocument();
    ASSERT_NE(library, document);
    EXPECT_EQ(library->GetFileName(), root.filePath("lib.php"));
    EXPECT_EQ(editorOf(library)->CaretY(), 4);
}

TEST_F(PHPCheckEndToEndTest, APHPFileWithAnErrorNeverReachesThePreview)
{
    TVYRADocument *document = open("kaputt.php", "<?php\nfoo(;\n");
    TMDIChild *child = window->ChildOf(document);
    ASSERT_TRUE(child);
    ASSERT_TRUE(child->NavigationTabs()->isTabEnabled(1));
    window->Registry().Action("Glimpane")->trigger();
    EXPECT_EQ(child->NavigationTabs()->currentIndex(), 0);
    EXPECT_FALSE(child->IsPreviewShown());
    EXPECT_FALSE(features->PHPCheck().Model().IsClean());
    // The web engine was not started for a refused preview.
    EXPECT_EQ(child->PreviewHost()->findChildren<QWidget *>().size(), 0);

    // The local web-server preview is refused the same way.
    bool opened = false;
    features->Preview().SetOpenAddress([&opened](const QUrl &) { return opened = true; });
    EXPECT_TRUE(features->Preview().LocalHostPreview().isEmpty());
    EXPECT_FALSE(opened);
}

TEST_F(PHPCheckEndToEndTest, ThePreviewOfAPHPFileIsWhatTheScriptPrinted)
{
    TVYRADocument *document = open("gut.php", "<?php echo '<h1>', 6 * 7, '</h1>';\n");
    EXPECT_EQ(features->Preview().Request(document, false), QString("<h1>42</h1>"));
    // For the local web server the text itself goes, the server runs it.
    EXPECT_EQ(features->Preview().Request(document, true), QString("<?php echo '<h1>', 6 * 7, '</h1>';\n"));
    // An HTML file is shown as it is, without php.
    TVYRADocument *page = open("seite.html", "<p><?php echo '' ?></p>");
    EXPECT_EQ(features->Preview().Request(page, false), QString("<p><?php echo '' ?></p>"));
    php().PreviewUnknownExt = true;
    EXPECT_EQ(features->Preview().Request(page, false), QString("<p></p>"));
}

TEST_F(PHPCheckEndToEndTest, LocalPreviewWithoutWebServerFolderServesTheUnsavedEditorText)
{
    php().WebServerPath.clear();
    TVYRADocument *document = open("index.php", "<?php echo 'gespeichert';");
    editorOf(document)->SetText("<?php echo 'im Editor';");
    QUrl address;
    features->Preview().SetOpenAddress([&address](const QUrl &url) {
        address = url;
        return true;
    });
    ASSERT_FALSE(features->Preview().LocalHostPreview().isEmpty()) << prompter.prompts().size();
    EXPECT_EQ(address.host(), "127.0.0.1");
    EXPECT_EQ(address.path(), "/index.php");
    ASSERT_TRUE(features->Preview().BuiltinServer()->IsRunning());
    EXPECT_EQ(TestSupport::readFile(root.filePath("index.php")), "<?php echo 'gespeichert';");
}

TEST_F(PHPCheckEndToEndTest, WebRootCopyIsRemovedAtTheEndAndAUsersFileOfThatNameIsLeftAlone)
{
    QTemporaryDir webRoot;
    php().WebServerPath = webRoot.path();
    TestSupport::writeFile(webRoot.filePath("talvexstudio_preview.php"), "user's own");
    TVYRADocument *document = open("aussen.html", "<p>x</p>");
    editorOf(document)->SetText("<html><head></head><p>neu</p></html>");
    features->Preview().SetOpenAddress([](const QUrl &) { return true; });
    const QUrl address = features->Preview().LocalHostPreview();
    EXPECT_EQ(address.toString(), "http://localhost/talvexstudio_preview1.php");
    const QByteArray copy = TestSupport::readFile(webRoot.filePath("talvexstudio_preview1.php"));
    EXPECT_TRUE(copy.contains("<base href=\"" + QUrl::fromLocalFile(root.path() + "/").toEncoded() + "\">"));
    EXPECT_TRUE(copy.contains("<p>neu</p>"));
    features.reset();
    EXPECT_FALSE(QFileInfo::exists(webRoot.filePath("talvexstudio_preview1.php")));
    EXPECT_EQ(TestSupport::readFile(webRoot.filePath("talvexstudio_preview.php")), "user's own");
}
