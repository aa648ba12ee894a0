#include "TestSupport.h"
#include "editor/TSynHTMLSyn.h"
#include "printing/TPreviewPages.h"
#include "printing/TPreviewResult.h"
#include "printing/TPrintJob.h"
#include "printing/TPrintPreview.h"
#include "printing/TPrintRules.h"
#include "printing/TPrintSource.h"
#include "printing/TPrinterSettings.h"
#include "ui/TScriptedPrompter.h"

#include <Qsci/qsciprinter.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

QStringList htmlLines(int count)
{
    QStringList lines{QStringLiteral("<html>"), QStringLiteral("<body>")};
    while (lines.size() < count - 2)
        lines.append(QStringLiteral("\t<p class=\"zeile\">Zeile %1 mit Text</p>").arg(lines.size() + 1));
    lines.append(QStringLiteral("</body>"));
    lines.append(QStringLiteral("</html>"));
    return lines;
}

TPrintJob htmlJob(int lineCount, const TSynCustomHighlighter *highlighter = nullptr)
{
    TPrintJob job;
    job.lines = htmlLines(lineCount);
    job.title = QStringLiteral("/srv/www/seite.html");
    job.font = QFont(QStringLiteral("DejaVu Sans Mono"), 10);
    job.highlighter = highlighter;
    return job;
}

int pdfPages(const QString &fileName)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    const QString content = QString::fromLatin1(TestSupport::readFile(fileName));
    return int(content.count(page));
}

// Prints job into a PDF file the way the print command does.
bool printToPdf(const TPrintJob &job, const QString &fileName)
{
    QsciPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return TPrintSource(job).Print(printer);
}

// The pages a text of lineCount short lines needs: as many lines on a page as
// the line height of the font on the printer allows.
int expectedPages(const TPrintJob &job, int lineCount)
{
    QsciPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QFontMetrics metrics(job.font, &printer);
    const int linesPerPage = printer.height() / (metrics.ascent() + metrics.descent());
    return (lineCount + linesPerPage - 1) / linesPerPage;
}

struct Navigation {
    bool first, previous, next, last;
    bool operator==(const Navigation &other) const
    {
        return first == other.first && previous == other.previous && next == other.next && last == other.last;
    }
};

Navigation buttonsOf(const TPrintPreview &preview)
{
    auto enabled = [&preview](const char *name) { return preview.findChild<QToolButton *>(name)->isEnabled(); };
    return {enabled("btnFirst"), enabled("btnPrevious"), enabled("btnNext"), enabled("btnLast")};
}

} // namespace

TEST(PrintRulesTest, CopiesAreAWholeNumberOfAtLeastOne)
{
    EXPECT_EQ(TPrintRules::ParseCopies(QStringLiteral("3")), 3);
    EXPECT_EQ(TPrintRules::ParseCopies(QStringLiteral(" 12 ")), 12);
    // Empty, zero, negative and text all print a single copy.
    for (const char *text : {"", "0", "-2", "drei", "2x"})
        EXPECT_EQ(TPrintRules::ParseCopies(QString::fromLatin1(text)), 1) << text;
}

TEST(PrintRulesTest, ZoomAcceptsWholePercentagesFromOneToSixteenHundred)
{
    EXPECT_EQ(TPrintRules::ParseZoom(QStringLiteral("150 %")), 150);
    EXPECT_EQ(TPrintRules::ParseZoom(QStringLiteral("%75%")), 75);
    EXPECT_EQ(TPrintRules::ParseZoom(QStringLiteral(" 1 ")), 1);
    EXPECT_EQ(TPrintRules::ParseZoom(QStringLiteral("1600 %")), 1600);
    for (const char *text : {"", "%", "abc %", "0 %", "-50", "1601", "12.5 %", "1 5 0"})
        EXPECT_FALSE(TPrintRules::ParseZoom(QString::fromLatin1(text)).has_value()) << text;
}

TEST(PrintRulesTest, CaptionNamesTheFileWithoutFolderAndThePage)
{
    EXPECT_EQ(TPrintRules::PreviewCaption(QStringLiteral("/var/www/html/über uns.php"), 2, 7),
              QStringLiteral("Talvex Studio Druckvorschau - über uns.php - Seite 2 von 7"));
    EXPECT_EQ(TPrintRules::PreviewCaption(QStringLiteral("Unbenannt1"), 1, 1),
              QStringLiteral("Talvex Studio Druckvorschau - Unbenannt1 - Seite 1 von 1"));
}

TEST(PrintRulesTest, NavigationFollowsThePage)
{
    auto state = [](int page, int count) {
        const TPrintRules::TNavigation n = TPrintRules::Navigation(page, count);
        return Navigation{n.first, n.previous, n.next, n.last};
    };
    EXPECT_EQ(state(1, 1), (Navigation{false, false, false, false}));
    EXPECT_EQ(state(1, 3), (Navigation{false, false, true, true}));
    EXPECT_EQ(state(2, 3), (Navigation{true, true, true, true}));
    EXPECT_EQ(state(3, 3), (Navigation{true, true, false, false}));
}

TEST(PrintRulesTest, TabsBecomeAsManyBlanksAsTheTabWidth)
{
    EXPECT_EQ(TPrintRules::ExpandTabs(QStringLiteral("\ta\t\tb"), 3), QStringLiteral("   a      b"));
    EXPECT_EQ(TPrintRules::ExpandTabs(QStringLiteral("\tx"), 0), QStringLiteral(" x"));
}

TEST(PrintSettingsTest, TheDialogAppliesCopiesAndOptionsToTheJob)
{
    TPrintJob job = htmlJob(10);
    TPrinterSettings settings(job, {});
    EXPECT_EQ(settings.windowTitle(), QStringLiteral("Dokument drucken..."));
    auto *copies = settings.findChild<QLineEdit *>(QStringLiteral("edCopies"));
    EXPECT_EQ(copies->text(), QStringLiteral("1"));
    copies->setText(QString());
    EXPECT_EQ(settings.Job().copies, 1);
    // The field takes digits only.
    copies->clear();
    QTest::keyClicks(copies, QStringLiteral("-2x"));
    EXPECT_EQ(copies->text(), QStringLiteral("2"));
    copies->setText(QStringLiteral("0"));
    EXPECT_EQ(settings.Job().copies, 1);
    copies->setText(QStringLiteral("4"));
    settings.findChild<QCheckBox *>(QStringLiteral("cbColours"))->setChecked(false);
    const TPrintJob applied = settings.Job();
    EXPECT_EQ(applied.copies, 4);
    EXPECT_TRUE(applied.useHighlighter);
    EXPECT_FALSE(applied.useColours);
    EXPECT_EQ(applied.lines, job.lines);
    // PDF output goes beside the document unless another file is named.
    auto *printer = settings.findChild<QComboBox *>(QStringLiteral("cbPrinter"));
    printer->setCurrentIndex(printer->count() - 1);
    EXPECT_TRUE(settings.PrintsToPdf());
    EXPECT_EQ(settings.PdfFileName(), QStringLiteral("/srv/www/seite.pdf"));
}

TEST(PrintSettingsTest, PrintingFromThePreviewAcceptsTheSettings)
{
    TPrintJob seen;
    TPrinterSettings settings(htmlJob(10), [&seen](const TPrintJob &job) {
        seen = job;
        return TPreviewResult::prPrint;
    });
    settings.findChild<QCheckBox *>(QStringLiteral("cbHighlighter"))->setChecked(false);
    QTest::mouseClick(settings.findChild<QPushButton *>(QStringLiteral("btnPreview")), Qt::LeftButton);
    EXPECT_EQ(settings.result(), QDialog::Accepted);
    EXPECT_FALSE(seen.useHighlighter);

    TPrinterSettings closed(htmlJob(10), [](const TPrintJob &) { return TPreviewResult::prClose; });
    QTest::mouseClick(closed.findChild<QPushButton *>(QStringLiteral("btnPreview")), Qt::LeftButton);
    EXPECT_NE(closed.result(), QDialog::Accepted);
}

TEST(PrintPreviewTest, AOnePageDocumentHasNoNavigation)
{
    TPrintPreview preview(htmlJob(5));
    EXPECT_EQ(preview.PageCount(), 1);
    EXPECT_EQ(buttonsOf(preview), (Navigation{false, false, false, false}));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Talvex Studio Druckvorschau - seite.html - Seite 1 von 1"));
}

TEST(PrintPreviewTest, ButtonsMoveThroughThePagesAndTheCaptionFollows)
{
    TSynHTMLSyn html;
    TPrintPreview preview(htmlJob(400, &html));
    // The rest of the pages are counted while the event loop is idle.
    QTRY_VERIFY(preview.Pages()->IsComplete());
    const int pages = preview.PageCount();
    ASSERT_GE(pages, 3);
    // As many pages as printing gives.
    QTemporaryDir dir;
    ASSERT_TRUE(printToPdf(htmlJob(400, &html), dir.filePath("seite.pdf")));
    EXPECT_EQ(pdfPages(dir.filePath("seite.pdf")), pages);
    EXPECT_EQ(preview.CurrentPage(), 1);
    EXPECT_EQ(buttonsOf(preview), (Navigation{false, false, true, true}));

    QTest::mouseClick(preview.findChild<QToolButton *>("btnNext"), Qt::LeftButton);
    EXPECT_EQ(preview.CurrentPage(), 2);
    EXPECT_EQ(buttonsOf(preview), (Navigation{true, true, true, true}));
    QTest::mouseClick(preview.findChild<QToolButton *>("btnLast"), Qt::LeftButton);
    EXPECT_EQ(preview.CurrentPage(), pages);
    EXPECT_EQ(buttonsOf(preview), (Navigation{true, true, false, false}));
    EXPECT_EQ(preview.windowTitle(),
              QStringLiteral("Talvex Studio Druckvorschau - seite.html - Seite %1 von %1").arg(pages));
    QTest::mouseClick(preview.findChild<QToolButton *>("btnPrevious"), Qt::LeftButton);
    EXPECT_EQ(preview.CurrentPage(), pages - 1);
    QTest::mouseClick(preview.findChild<QToolButton *>("btnFirst"), Qt::LeftButton);
    EXPECT_EQ(preview.CurrentPage(), 1);
    EXPECT_EQ(preview.windowTitle(),
              QStringLiteral("Talvex Studio Druckvorschau - seite.html - Seite 1 von %1").arg(pages));
}

TEST(PrintPreviewTest, ZoomTakesValidPercentagesOnly)
{
    TPrintPreview preview(htmlJob(5));
    QComboBox *zoom = preview.ZoomBox();
    EXPECT_EQ(zoom->currentText(), QStringLiteral("100 %"));
    EXPECT_EQ(zoom->count(), 10);
    zoom->setEditText(QStringLiteral("150 %"));
    EXPECT_EQ(preview.ZoomPercent(), 150);
    EXPECT_EQ(preview.Pages()->Zoom(), 150);
    const QSize at150 = preview.Pages()->size();
    for (const char *text : {"abc", "0 %", "-20", "99999"}) {
        zoom->setEditText(QString::fromLatin1(text));
        EXPECT_EQ(preview.ZoomPercent(), 150) << text;
        EXPECT_EQ(preview.Pages()->Zoom(), 150) << text;
    }
    zoom->setCurrentIndex(0);
    EXPECT_EQ(preview.ZoomPercent(), 10);
    // The page is drawn at the scale.
    EXPECT_LT(preview.Pages()->width(), at150.width() / 10);
}

TEST(PrintPreviewTest, ThePreviewShowsTabsAsBlanksAndEndsWithItsButtons)
{
    TPrintJob job = htmlJob(5);
    job.tabWidth = 2;
    job.copies = 3;
    TPrintPreview preview(job);
    EXPECT_FALSE(preview.PreviewText().contains(QLatin1Char('\t')));
    EXPECT_TRUE(preview.PreviewText().contains(QStringLiteral("\n  <p class")));
    // Copies are for the printer: the preview shows the document once.
    EXPECT_EQ(preview.PageCount(), 1);
    QTest::mouseClick(preview.findChild<QPushButton *>("btnPrint"), Qt::LeftButton);
    EXPECT_EQ(preview.result(), TPreviewResult::prPrint);
    TPrintPreview closing(job);
    QTest::mouseClick(closing.findChild<QPushButton *>("btnClose"), Qt::LeftButton);
    EXPECT_EQ(closing.result(), TPreviewResult::prClose);
}

TEST(PrintSourceTest, ATwoHundredLineHtmlDocumentPrintsToTheExpectedPagesInEveryMode)
{
    QTemporaryDir dir;
    TSynHTMLSyn html;
    TPrintJob job = htmlJob(200, &html);
    const int expected = expectedPages(job, 200);
    ASSERT_GE(expected, 2);

    ASSERT_TRUE(printToPdf(job, dir.filePath("farbig.pdf")));
    EXPECT_EQ(pdfPages(dir.filePath("farbig.pdf")), expected);
    job.useColours = false;
    ASSERT_TRUE(printToPdf(job, dir.filePath("schwarz.pdf")));
    EXPECT_EQ(pdfPages(dir.filePath("schwarz.pdf")), expected);
    job.useHighlighter = false;
    job.copies = 2;
    ASSERT_TRUE(printToPdf(job, dir.filePath("zwei.pdf")));
    EXPECT_EQ(pdfPages(dir.filePath("zwei.pdf")), 2 * expected);
    // Colours cost bytes: the coloured print differs from the black one.
    EXPECT_NE(TestSupport::readFile(dir.filePath("farbig.pdf")).size(),
              TestSupport::readFile(dir.filePath("schwarz.pdf")).size());
}

TEST(PrintPreviewTest, ALongDocumentShowsItsFirstPageBeforeAllAreCounted)
{
    TPrintJob job = htmlJob(20000);
    TPrintPreview preview(job);
    EXPECT_FALSE(preview.Pages()->IsComplete());
    EXPECT_EQ(buttonsOf(preview), (Navigation{false, false, true, true}));
    // The last page is the true last one, counted on demand.
    QTest::mouseClick(preview.findChild<QToolButton *>("btnLast"), Qt::LeftButton);
    EXPECT_TRUE(preview.Pages()->IsComplete());
    EXPECT_EQ(preview.CurrentPage(), preview.PageCount());
    EXPECT_GT(preview.PageCount(), 100);
    EXPECT_EQ(buttonsOf(preview), (Navigation{true, true, false, false}));
}

TEST(PrintSourceTest, APrinterThatCannotStartIsReportedAsFailure)
{
    QTemporaryDir dir;
    EXPECT_FALSE(printToPdf(htmlJob(20), dir.filePath("fehlt/ordner/seite.pdf")));
}
