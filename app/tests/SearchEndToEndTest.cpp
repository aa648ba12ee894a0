#include "StudioWindowFixture.h"
#include "TestSupport.h"
#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "container/TVYRADocumentEditorLink.h"
#include "documents/TScriptedFileDialogs.h"
#include "documents/TVYRADocument.h"
#include "facade/TEditorControl.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/TSearchState.h"
#include "search/TSearchFeature.h"
#include "search/TSearchForm.h"
#include "search/TSearchResultForm.h"
#include "search/TTalvexStudioFileSearch.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <iostream>

namespace {

// The program in-process with its studio features, searching for real.
class SearchEndToEndTest : public StudioWindowFixture
{
protected:
    void SetUp() override
    {
        folders = shippedDataFolders(root);
        QDir().mkpath(files());
        start();
    }

    QString files(const QString &name = QString()) const { return root.filePath(QStringLiteral("files/") + name); }
    TVYRADocumentContainer &container() const { return *core->Container(); }
    TSearchForm &form() const { return *features->Search()->Form(); }
    TSearchResultForm &results() const { return *features->Search()->Results(); }
    TEditorControl editorOf(TVYRADocument *document) const
    {
        return TEditorControl(container().Documents().EntryOf(document)->link.get());
    }
    TVYRADocument *open(const QString &path, const QByteArray &content)
    {
        TestSupport::writeFile(path, content);
        window->OpenFiles({path});
        QCoreApplication::processEvents();
        return window->ActiveDocument();
    }
    // The search dialog through its command, with the settings of a file search.
    void askFileSearch(const QString &text, int condition)
    {
        // The dialog belongs to a document.
        if (!window->ActiveDocument())
            open(root.filePath(QStringLiteral("notiz.txt")), "");
        QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
        window->Registry().Action("EditSearch")->trigger();
        form().Tabs()->setCurrentIndex(2);
        form().Radio(QStringLiteral("rbFileCondition%1").arg(condition))->setChecked(true);
        form().FolderEdit()->setText(files());
        form().FilterCombo()->setEditText("*.php");
        form().Box("cbFileDirRecurseSubDirs")->setChecked(true);
        form().SearchCombo()->setEditText(text);
    }
    // Clicks "Suchen" and waits for the file search to end.
    void runFileSearch()
    {
        QTest::mouseClick(form().findChild<QPushButton *>("btnSearch"), Qt::LeftButton);
        TTalvexStudioFileSearch *search = results().Search();
        if (search && search->IsRunning())
            QSignalSpy(search, &TTalvexStudioFileSearch::finished).wait(20000);
        QCoreApplication::processEvents();
    }
    void doubleClickRow(int row)
    {
        QTableView *list = results().ResultList();
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        // A double click follows a click, as from a mouse.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCoreApplication::processEvents();
    }
};

TEST_F(SearchEndToEndTest, UnsavedTextCountsForOpenDocumentsButTheFolderSearchReadsTheDisk)
{
    TVYRADocument *page = open(files("seite.php"), "<?php echo 'alt';\n");
    ASSERT_TRUE(page);
    TEditorControl editor = editorOf(page);
    editor.SetSelection(6, 0);
    editor.ReplaceSelection("$neu = 1; ");
    editor.SetSelection(0, 0);

    askFileSearch("neu", 1);
    runFileSearch();
    ASSERT_TRUE(results().Search());
    ASSERT_EQ(results().Search()->GetResultCount(), 1);
    EXPECT_EQ(results().Search()->GetResult(0).Document, page);
    EXPECT_EQ(results().Search()->GetResult(0).Position, 7);
    EXPECT_TRUE(results().isVisible());
    EXPECT_EQ(results().ResultList()->model()->index(0, 0).data().toString(), "7 / 3");
    // The document's own selection and search are left alone.
    EXPECT_EQ(editor.SelStart(), 0);
    EXPECT_EQ(editor.SelLength(), 0);

    askFileSearch("neu", 2);
    runFileSearch();
    EXPECT_EQ(results().Search(), nullptr) << "a search without hits is freed";
    ASSERT_FALSE(prompter.prompts().isEmpty());
    EXPECT_EQ(prompter.prompts().last().text, "Suchbegriff \"neu\" wurde nicht in den angegebenen Dateien gefunden.");
}

TEST_F(SearchEndToEndTest, DoubleClickShowsTheHitAlsoAfterItsDocumentClosed)
{
    TestSupport::writeFile(files("sub/b.php"), "<?php\n// eins\nfunction zwei() {}\n");
    TVYRADocument *page = open(files("a.php"), "<?php function eins() {}\n");
    ASSERT_TRUE(page);
    askFileSearch("function", 1);
    runFileSearch();
    ASSERT_EQ(results().Search()->GetResultCount(), 1);
    // The document the hit was found in goes; the hit still opens its file.
    container().CloseDocument(container().Documents().IndexOf(page));
    QCoreApplication::processEvents();
    EXPECT_EQ(results().Search()->GetResult(0).Document, nullptr);
    doubleClickRow(0);
    TVYRADocument *reopened = window->ActiveDocument();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->GetFileName(), files("a.php"));
    EXPECT_EQ(editorOf(reopened).SelStart(), 6);
    EXPECT_EQ(editorOf(reopened).SelText(), "function");

    // A folder search: the file read from disk opens at its hit.
    askFileSearch("zwei", 2);
    runFileSearch();
    ASSERT_EQ(results().Search()->GetResultCount(), 1);
    doubleClickRow(0);
    ASSERT_TRUE(window->ActiveDocument());
    EXPECT_EQ(window->ActiveDocument()->GetFileName(), files("sub/b.php"));
    EXPECT_EQ(editorOf(window->ActiveDocument()).SelText(), "zwei");
}

TEST_F(SearchEndToEndTest, ReplaceAllInFilesWritesTheFilesOnDisk)
{
    TestSupport::writeFile(files("x.php"), "<?php\r\n$alt = 'alt';\r\n");
    TestSupport::writeFile(files("y.php"), "\xEF\xBB\xBF<?php // alt \xC3\xA4\n");
    TestSupport::writeFile(files("z.txt"), "alt");
    askFileSearch("alt", 2);
    runFileSearch();
    ASSERT_EQ(results().Search()->GetResultCount(), 3);
    results().findChild<QLineEdit *>("edReplaceText")->setText("neu");
    QTest::mouseClick(results().findChild<QPushButton *>("btnReplaceAll"), Qt::LeftButton);
    EXPECT_EQ(TestSupport::readFile(files("x.php")), QByteArray("<?php\r\n$neu = 'neu';\r\n"));
    EXPECT_EQ(TestSupport::readFile(files("y.php")), QByteArray("\xEF\xBB\xBF<?php // neu \xC3\xA4\n"));
    EXPECT_EQ(TestSupport::readFile(files("z.txt")), QByteArray("alt"));
    EXPECT_EQ(prompter.prompts().last().text, "3 Fundstellen in 2 Dateien ersetzt.");
}

TEST_F(SearchEndToEndTest, SearchInTheDocumentUsesTheShownTabAndFeedsFindNext)
{
    TVYRADocument *page = open(files("c.php"), "echo Echo echo");
    ASSERT_TRUE(page);
    QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
    window->Registry().Action("EditSearch")->trigger();
    // Case is asked for on the hidden file tab only: the text search ignores it.
    form().Tabs()->setCurrentIndex(2);
    form().Box("cbFileCaseSensitive")->setChecked(true);
    form().Tabs()->setCurrentIndex(0);
    form().SearchCombo()->setEditText("Echo");
    QTest::mouseClick(form().findChild<QPushButton *>("btnSearch"), Qt::LeftButton);
    EXPECT_EQ(editorOf(page).SelStart(), 0);
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(window->SearchState().Text(), "Echo");
    EXPECT_GE(form().SearchCombo()->findText("Echo"), 0);

    // The selected text fills the field and chooses "Markierter Text".
    editorOf(page).SetSelection(5, 4);
    window->Registry().Action("EditReplace")->trigger();
    EXPECT_EQ(form().SearchText(), "Echo");
    EXPECT_TRUE(form().Radio("rbSearch_Selection")->isChecked());
    EXPECT_EQ(form().findChild<QPushButton *>("btnSearch")->text(), "Ersetzen");

    // "Alle ersetzen" with confirmation, whole text: yes, no, yes.
    form().Radio("rbSearch_WholeText")->setChecked(true);
    form().SearchCombo()->setEditText("echo");
    form().ReplaceEdit()->setText("print");
    prompter.answerButton(TPromptButton::Yes);
    prompter.answerButton(TPromptButton::No);
    prompter.answerButton(TPromptButton::Yes);
    QTest::mouseClick(form().findChild<QPushButton *>("btnReplaceAll"), Qt::LeftButton);
    EXPECT_EQ(editorOf(page).Text(), "print Echo print");
    EXPECT_TRUE(prompter.scriptUsedUp());

    // "Markierter Text" without a selection searches nothing.
    editorOf(page).SetSelection(0, 0);
    window->Registry().Action("EditReplace")->trigger();
    form().SearchCombo()->setEditText("print");
    form().Radio("rbSearch_Selection")->setChecked(true);
    QTest::mouseClick(form().findChild<QPushButton *>("btnSearch"), Qt::LeftButton);
    EXPECT_EQ(prompter.prompts().last().text, "Der markierte Block ist ungültig.");
    EXPECT_EQ(editorOf(page).Text(), "print Echo print");

    // "Ersetzen" without confirmation replaces the first hit only.
    form().Radio("rbSearch_WholeText")->setChecked(true);
    form().Box("cbPromptReplace")->setChecked(false);
    form().ReplaceEdit()->setText("echo");
    QTest::mouseClick(form().findChild<QPushButton *>("btnSearch"), Qt::LeftButton);
    EXPECT_EQ(editorOf(page).Text(), "echo Echo print");
}

TEST_F(SearchEndToEndTest, WindowStaysResponsiveWhileAHundredThousandHitsStreamIn)
{
    const QByteArray line = QByteArray("hit ").repeated(50) + "\n";
    for (int i = 0; i < 100; ++i)
        TestSupport::writeFile(files(QStringLiteral("many/f%1.php").arg(i, 3, 10, QChar(u'0'))), line.repeated(20));
    askFileSearch("hit", 2);
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = qMax(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    tick.start();
    runFileSearch();
    tick.stop();
    ASSERT_TRUE(results().Search());
    EXPECT_EQ(results().Search()->GetResultCount(), 100000);
    EXPECT_EQ(results().ResultList()->model()->rowCount(), 100000);
    // A loaded test machine gets some slack; the benchmark measures the real pauses.
    EXPECT_LT(longest, 250) << "longest pause of the event loop in ms";
    std::cout << "[  figure  ] longest event-loop pause " << longest << " ms\n";
}

} // namespace
