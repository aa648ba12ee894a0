#include "StudioWindowFixture.h"
#include "TestSupport.h"
#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TScriptedFileDialogs.h"
#include "documents/TVYRADocument.h"
#include "exceptions/TExceptionFeature.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "printing/TPreviewResult.h"
#include "printing/TPrintCommands.h"
#include "printing/TPrintFeature.h"
#include "printing/TPrintPreview.h"
#include "printing/TPrinterSettings.h"
#include "recovery/TDocumentJournal.h"
#include "recovery/TJournalEntry.h"
#include "recovery/TJournalKeeper.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "startup/TProgramCore.h"
#include "startup/TSingleInstance.h"
#include "startup/TStartupArguments.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

int pdfPages(const QString &fileName)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(TestSupport::readFile(fileName)).count(page));
}

QByteArray htmlFile(int lines)
{
    QByteArray text = "<html>\n<body>\n";
    for (int i = 3; i < lines - 1; ++i)
        text += "\t<p>Zeile " + QByteArray::number(i) + " der Seite</p>\n";
    return text + "</body>\n</html>\n";
}

class PrintingEndToEndTest : public StudioWindowFixture
{
protected:
    void SetUp() override
    {
        folders = shippedDataFolders(root);
        QDir().mkpath(path("files"));
        QDir().mkpath(path("run"));
        start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // The dialogs are the real ones; the test answers them as a user would.
        commands().SetDialogRunner([this](QDialog &dialog) { return answer(dialog); });
    }

    // Print settings: into a PDF file beside the document, then "&Drucken".
    // Preview: the button the test chose.
    int answer(QDialog &dialog)
    {
        shown.append(dialog.windowTitle());
        if (auto *settings = dynamic_cast<TPrinterSettings *>(&dialog)) {
            auto *printer = settings->findChild<QComboBox *>(QStringLiteral("cbPrinter"));
            printer->setCurrentIndex(printer->count() - 1);
            settings->findChild<QLineEdit *>(QStringLiteral("edCopies"))->setText(copies);
            return QDialog::Accepted;
        }
        if (auto *preview = dynamic_cast<TPrintPreview *>(&dialog)) {
            previewPages = preview->PageCount();
            return previewAnswer;
        }
        return QDialog::Rejected;
    }

    TPrintCommands &commands() const { return features->Printing().Commands(); }
    QString path(const QString &relative) const { return root.filePath(relative); }
    QString writeHtml(const QString &name, int lines)
    {
        const QString file = path(QStringLiteral("files/") + name);
        TestSupport::writeFile(file, htmlFile(lines));
        return file;
    }
    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QTest::qWait(10);
        }
    }
    static void triggerCommand(TMainForm &window, const QString &name)
    {
        QTest::qWait(TMainForm::UpdateDelayMilliseconds + 20);
        QAction *action = window.Registry().Action(name);
        ASSERT_TRUE(action);
        ASSERT_TRUE(action->isEnabled()) << name.toStdString();
        action->trigger();
        settle();
    }

    QStringList shown;
    QString copies = QStringLiteral("1");
    int previewAnswer = TPreviewResult::prClose;
    int previewPages = 0;
};

} // namespace

TEST_F(PrintingEndToEndTest, ThePrintCommandPrintsTheActiveDocumentIntoAPdfFile)
{
    const QString page = writeHtml(QStringLiteral("seite.html"), 200);
    features->FirstShow({page}, false);
    settle();
    ASSERT_TRUE(window->ActiveDocument());

    triggerCommand(*window, QStringLiteral("FilePrint"));
    EXPECT_EQ(shown, QStringList{"Dokument drucken..."});
    const QString pdf = path(QStringLiteral("files/seite.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));
    const int pages = pdfPages(pdf);
    EXPECT_GE(pages, 2);

    // The preview command: "Drucken..." in the preview leads to the settings.
    QFile::remove(pdf);
    shown.clear();
    previewAnswer = TPreviewResult::prPrint;
    copies = QStringLiteral("2");
    triggerCommand(*window, QStringLiteral("FilePrintPreview"));
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[1], QStringLiteral("Dokument drucken..."));
    EXPECT_EQ(previewPages, pages);
    EXPECT_EQ(pdfPages(pdf), 2 * pages);

    // Closing the preview prints nothing.
    QFile::remove(pdf);
    previewAnswer = TPreviewResult::prClose;
    triggerCommand(*window, QStringLiteral("FilePrintPreview"));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(prompter.unexpectedCount(), 0);
}

TEST_F(PrintingEndToEndTest, SlashPAsLastArgumentPrintsTheFilesOpenedAtStart)
{
    const QString a = writeHtml(QStringLiteral("a.html"), 30);
    const QString b = writeHtml(QStringLiteral("b.html"), 30);
    const TStartupArguments notLast({a, QStringLiteral("/p"), b}, path("files"));
    features->FirstShow(notLast.filesToOpen(), false);
    features->Printing().PrintAtStart(notLast);
    EXPECT_TRUE(shown.isEmpty());

    const TStartupArguments last({QStringLiteral("a.html"), QStringLiteral("b.html"), QStringLiteral("/p")},
                                 path("files"));
    features->Printing().PrintAtStart(last);
    EXPECT_EQ(shown.size(), 2);
    EXPECT_EQ(pdfPages(path("files/a.pdf")), 1);
    EXPECT_EQ(pdfPages(path("files/b.pdf")), 1);
}

TEST_F(PrintingEndToEndTest, ALaterStartWithSlashPHandsItsFilesOverForPrinting)
{
    TSingleInstance primary(path("run"));
    ASSERT_EQ(primary.start({}), TSingleInstance::Role::Primary);
    QObject::connect(&primary, &TSingleInstance::argumentsReceived, window.get(),
                     [this](const QStringList &arguments) { features->Printing().ReceiveHandOver(arguments); });
    primary.setReceiverReady(true);
    const QString c = writeHtml(QStringLiteral("c.html"), 30);

    QProcess later;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", path("run"));
    env.insert("XDG_DATA_HOME", path("xdg"));
    env.insert("XDG_CONFIG_HOME", path("config"));
    env.insert("HOME", path("home"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    later.setProcessEnvironment(env);
    later.setWorkingDirectory(path("files"));
    later.setProcessChannelMode(QProcess::ForwardedChannels);
    later.start(TestSupport::buildDir() + QStringLiteral("/bin/TalvexStudio"),
                {QStringLiteral("/p"), QStringLiteral("c.html")});
    QEventLoop loop;
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    QObject::connect(&later, &QProcess::finished, &loop, &QEventLoop::quit);
    if (later.state() != QProcess::NotRunning)
        loop.exec();
    ASSERT_EQ(later.state(), QProcess::NotRunning);
    EXPECT_EQ(later.exitCode(), 0);
    settle();

    // In a hand-over "/p" counts anywhere: the file is open and printed.
    EXPECT_TRUE(core->Container()->IsFileOpen(c, true));
    EXPECT_EQ(shown, QStringList{"Dokument drucken..."});
    EXPECT_EQ(pdfPages(path("files/c.pdf")), 1);
}

TEST_F(PrintingEndToEndTest, QuittingAfterAnErrorJournalsTheUnsavedTexts)
{
    const QString page = writeHtml(QStringLiteral("seite.html"), 5);
    features->FirstShow({page}, false);
    settle();
    auto *editor = qobject_cast<QsciScintilla *>(QApplication::focusWidget());
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, QStringLiteral("ungespeichert"));
    settle();
    ASSERT_TRUE(window->ActiveDocument()->GetModified());

    TExceptionFeature exceptions(*core, *window, features->Journal());
    EXPECT_FALSE(exceptions.ReportEndpoint().isValid());
    exceptions.SaveWork();
    const QString id = features->Journal().IdOf(window->ActiveDocument());
    ASSERT_FALSE(id.isEmpty());
    const std::optional<TJournalEntry> entry = TJournalEntry::Decode(TestSupport::readFile(
        TDocumentJournal::EntryFileName(features->Journal().Journal().SessionDir(), id)));
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->text.contains(QStringLiteral("ungespeichert")));
    EXPECT_EQ(entry->fileName, page);
}
