// The wizard from the check to the helper's hand-over, against a loopback
// server with real archives, and the real helper moving the files in place.
#include "TLoopbackHttpServer.h"
#include "TUpdateAddress.h"
#include "TUpdateListPage.h"
#include "TUpdateTestTree.h"
#include "TUpdateWizard.h"
#include "TZipMaker.h"
#include "TestSupport.h"
#include "startup/TDataFolders.h"
#include "ui/TScriptedPrompter.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kListPath = QStringLiteral("/update/talvexstudio.xml");
const QByteArray kNewSnippets = "<snippets><snippet name=\"neu\"/></snippets>";
const QByteArray kOldSnippets = "<snippets/>";

QByteArray sha1(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex();
}

QByteArray fileinf(const QString &name, const QByteArray &sha, qint64 size, const QByteArray &extra = {})
{
    return "<fileinf filename=\"" + name.toUtf8() + "\" target=\"$DATADIR\" sha1=\"" + sha + "\" size=\""
        + QByteArray::number(size) + "\" " + extra + "/>";
}

class UpdateDownloadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tree.UseInThisProcess();
        helper = TestSupport::readFile(TUpdateTestTree::BuiltProgram("TalvexStudioUpdateHelper"));
        ASSERT_FALSE(helper.isEmpty());
        TestSupport::writeFile(tree.Data() + "snippets.xml", kOldSnippets);
        recorded = tree.Root() + "finish-arguments.txt";
    }

    std::unique_ptr<TUpdateWizard> makeWizard()
    {
        const TSystemFolders system{tree.Root() + "xdgdata/Talvex Studio/", tree.Root() + "share/Talvex Studio/",
                                    tree.Root() + "docs/"};
        TUpdateWizardConfig config{TUpdateLayout::ForProgramFolder(tree.Bin(), system),
                                   TUpdateAddress::ListUrl(server.Base()),
                                   tree.UpdateFolder(),
                                   tree.WriteRecorder("assistant.sh", recorded),
                                   0,
                                   QByteArrayView(helper),
                                   [this] { return editorRunning; },
                                   [this](const QString &program) { started << program; },
                                   [this](const QString &document) { started << document; }};
        return std::make_unique<TUpdateWizard>(std::move(config), prompter);
    }

    // Serves the list and one archive for snippets.xml.
    void serveSnippets(const QByteArray &archive, const QByteArray &listedSha, qint64 listedSize)
    {
        server.Serve(kListPath, "<update>" + fileinf("snippets.xml", listedSha, listedSize) + "</update>");
        server.Serve("/update/snippets.xml.zip", archive);
    }

    // Welcome page -> check -> list.
    void reachList(TUpdateWizard &wizard)
    {
        wizard.NextButton()->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return wizard.Page() != TUpdateWizard::CheckPage; }, 15000));
        ASSERT_EQ(wizard.Page(), TUpdateWizard::ListPage) << wizard.StatusText().toStdString();
    }

    // Runs a download that must fail and returns the one message shown.
    QString refusedDownload()
    {
        prompter.clear();
        auto wizard = makeWizard();
        reachList(*wizard);
        wizard->NextButton()->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return wizard->Page() == TUpdateWizard::FinishPage; }, 15000));
        expectNothingInstalled(*wizard);
        EXPECT_EQ(prompter.prompts().size(), 1);
        return prompter.prompts().value(0).text;
    }

    void expectNothingInstalled(TUpdateWizard &wizard)
    {
        EXPECT_EQ(wizard.Page(), TUpdateWizard::FinishPage);
        EXPECT_TRUE(wizard.Aborted());
        EXPECT_FALSE(wizard.HelperStarted());
        EXPECT_EQ(wizard.StatusText(), "Der Download wurde abgebrochen.");
        EXPECT_EQ(wizard.NextButton()->text(), "Beenden");
        EXPECT_EQ(TestSupport::readFile(tree.Data() + "snippets.xml"), kOldSnippets);
        EXPECT_TRUE(QDir(tree.UpdateFolder()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        QTest::qWait(200);
        EXPECT_FALSE(QFile::exists(recorded));
    }

    TUpdateTestTree tree;
    TLoopbackHttpServer server;
    TScriptedPrompter prompter;
    QByteArray helper;
    QString recorded;
    bool editorRunning = false;
    QStringList started;
};

} // namespace

TEST_F(UpdateDownloadTest, VerifiedFileIsInstalledByTheHelperWhichStartsTheFinishingRun)
{
    const QByteArray archive = TZipMaker().Add("snippets.xml", kNewSnippets).Add("../../escape.xml", "x").Build();
    serveSnippets(archive, sha1(kNewSnippets).toUpper(), archive.size());
    auto wizard = makeWizard();
    reachList(*wizard);
    EXPECT_EQ(wizard->ListView()->Selected().size(), 1u);
    wizard->NextButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->HelperStarted() || wizard->Page() == TUpdateWizard::FinishPage; },
                                15000));
    ASSERT_TRUE(wizard->HelperStarted()) << wizard->FinishDetails().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(recorded); }, 15000));

    EXPECT_EQ(TestSupport::readFile(tree.Data() + "snippets.xml"), kNewSnippets);
    EXPECT_EQ(TestSupport::readFile(recorded), "-finish\n");
    // Only the listed entry left the archive.
    EXPECT_FALSE(QFile::exists(tree.Root() + "escape.xml"));
    EXPECT_FALSE(QFile::exists(tree.Root() + "cache/escape.xml"));
    EXPECT_FALSE(QFile::exists(tree.UpdateFolder() + "updatedata.ini"));
    EXPECT_EQ(prompter.prompts().size(), 0);

    // The finishing run removes the update folder and offers to start the editor.
    auto finishing = makeWizard();
    finishing->ShowFinished({});
    EXPECT_FALSE(QFileInfo::exists(tree.UpdateFolder()));
    EXPECT_EQ(finishing->StatusText(), "Der Download wurde erfolgreich abgeschlossen.");
    EXPECT_EQ(finishing->NextButton()->text(), "Fertig stellen");
    finishing->NextButton()->click();
    EXPECT_EQ(started.value(0), tree.Bin() + "TalvexStudio");
}

TEST_F(UpdateDownloadTest, TamperedOrWronglySizedArchivesInstallNothing)
{
    const QByteArray tampered = TZipMaker().Add("snippets.xml", "<snippets>evil</snippets>").Build();
    serveSnippets(tampered, sha1(kNewSnippets), tampered.size());
    const QString checksum = refusedDownload();
    EXPECT_TRUE(checksum.contains("Prüfsumme"));
    EXPECT_TRUE(checksum.contains("snippets.xml"));

    const QByteArray good = TZipMaker().Add("snippets.xml", kNewSnippets).Build();
    serveSnippets(good, sha1(kNewSnippets), good.size() + 1);
    EXPECT_TRUE(refusedDownload().contains("falsche Größe"));

    // An entry without a listed checksum cannot be verified and is not installed.
    serveSnippets(good, "", good.size());
    server.Serve(kListPath, "<update>" + fileinf("snippets.xml", "", good.size(), "forceupdate=\"True\"") + "</update>");
    EXPECT_TRUE(refusedDownload().contains("keine Prüfsumme"));
}

TEST_F(UpdateDownloadTest, TraversalNamesInstallNothing)
{
    // An archive holding the file only under a path that leaves the folder.
    const QByteArray archive = TZipMaker().Add("../snippets.xml", kNewSnippets).Build();
    serveSnippets(archive, sha1(kNewSnippets), archive.size());
    EXPECT_TRUE(refusedDownload().contains("enthält die Datei \"snippets.xml\" nicht"));
    EXPECT_FALSE(QFile::exists(tree.Root() + "cache/Talvex Studio/snippets.xml"));

    // A list naming a path instead of a file is refused as a whole.
    prompter.clear();
    server.Serve(kListPath, "<update>" + fileinf("../Data/snippets.xml", sha1(kNewSnippets), 10) + "</update>");
    auto listed = makeWizard();
    listed->NextButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return listed->Page() == TUpdateWizard::FinishPage; }, 15000));
    EXPECT_EQ(listed->StatusText(), "Es ist derzeit kein Update für Ihre Version von Talvex Studio verfügbar.");
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts()[0].text.startsWith(
        "Es ist ein Fehler beim Holen der Update-Informationen aufgetreten.\r\nMeldung: "));
    EXPECT_EQ(server.RequestCount("/update/snippets.xml.zip"), 1); // only the first wizard's
}

TEST_F(UpdateDownloadTest, AbortMidDownloadInstallsNothing)
{
    // Random bytes do not compress: the archive stays large.
    QByteArray big(512 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < big.size(); ++i)
        big[i] = char(QRandomGenerator::global()->generate());
    const QByteArray archive = TZipMaker().Add("snippets.xml", big).Build();
    server.Serve(kListPath, "<update>" + fileinf("snippets.xml", sha1(big), archive.size())
                                + fileinf("second.xml", sha1("2"), 100) + "</update>");
    server.StallAfter("/update/snippets.xml.zip", archive, archive.size() / 2);
    server.Serve("/update/second.xml.zip", TZipMaker().Add("second.xml", "2").Build());
    auto wizard = makeWizard();
    reachList(*wizard);
    wizard->NextButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->StatusText().contains("wird heruntergeladen"); }, 15000))
        << wizard->StatusText().toStdString() << " " << server.RequestCount("/update/snippets.xml.zip");
    EXPECT_EQ(wizard->Page(), TUpdateWizard::DownloadPage);
    EXPECT_FALSE(wizard->NextButton()->isEnabled());
    wizard->AbortDownloadButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->Page() == TUpdateWizard::FinishPage; }, 15000));
    expectNothingInstalled(*wizard);
    // The loop stopped: the second archive was never asked for.
    EXPECT_EQ(server.RequestCount("/update/second.xml.zip"), 0);
    EXPECT_EQ(prompter.prompts().size(), 0);
}

TEST_F(UpdateDownloadTest, RunningEditorRefusesTheDownload)
{
    const QByteArray archive = TZipMaker().Add("snippets.xml", kNewSnippets).Build();
    serveSnippets(archive, sha1(kNewSnippets), archive.size());
    editorRunning = true;
    auto wizard = makeWizard();
    wizard->StartWithCheck();
    ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->Page() == TUpdateWizard::ListPage; }, 15000));
    prompter.answerButton(TPromptButton::Ok);
    wizard->NextButton()->click();
    EXPECT_EQ(wizard->Page(), TUpdateWizard::ListPage);
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts()[0].caption, "Warnung");
    EXPECT_TRUE(prompter.prompts()[0].text.startsWith("Der Update Assistent hat festgestellt, dass Talvex Studio noch läuft."));
    EXPECT_EQ(server.RequestCount("/update/snippets.xml.zip"), 0);
    // Back from the list goes to the welcome page.
    wizard->BackButton()->click();
    EXPECT_EQ(wizard->Page(), TUpdateWizard::WelcomePage);
}

TEST_F(UpdateDownloadTest, OptionalComponentsOnlyWhenAskedForAndDeselectable)
{
    server.Serve(kListPath, "<update>" + fileinf("extra.xml", "AB", 2048, "optional=\"True\"") + "</update>");
    auto wizard = makeWizard();
    wizard->NextButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->Page() == TUpdateWizard::FinishPage; }, 15000));
    EXPECT_EQ(wizard->StatusText(), "Es ist derzeit kein Update für Ihre Version von Talvex Studio verfügbar.");

    auto all = makeWizard();
    all->ImportantOnly()->setChecked(false);
    reachList(*all);
    TUpdateListPage &list = *all->ListView();
    EXPECT_TRUE(list.Description().contains("optinale Komponenten"));
    EXPECT_TRUE(list.ShowOptional()->isChecked());
    EXPECT_EQ(list.SelectedSize(), 2048);
    QTreeWidgetItem *item = list.List()->topLevelItem(0);
    EXPECT_EQ(item->text(1), "(nicht vorhanden)");
    EXPECT_EQ(item->text(3), "2,00 KB");
    item->setCheckState(0, Qt::Unchecked);
    EXPECT_TRUE(list.Selected().empty());
    // Nothing chosen: straight to the end, nothing downloaded.
    all->NextButton()->click();
    EXPECT_EQ(all->Page(), TUpdateWizard::FinishPage);
    EXPECT_EQ(server.RequestCount("/update/extra.xml.zip"), 0);
}

TEST_F(UpdateDownloadTest, CancellingAsksFirst)
{
    const QByteArray archive = TZipMaker().Add("snippets.xml", kNewSnippets).Build();
    serveSnippets(archive, sha1(kNewSnippets), archive.size());
    auto wizard = makeWizard();
    wizard->show();
    reachList(*wizard);
    prompter.answerButton(TPromptButton::No);
    wizard->CancelButton()->click();
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_FALSE(wizard->Aborted());
    prompter.answerButton(TPromptButton::Yes);
    QTest::keyClick(wizard.get(), Qt::Key_Escape);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_TRUE(wizard->Aborted());
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_EQ(prompter.prompts()[1].text, "Möchten Sie den Updateassistenten wirklich abbrechen?");
    EXPECT_EQ(server.RequestCount("/update/snippets.xml.zip"), 0);
}
