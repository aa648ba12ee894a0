#include "TestContainerHost.h"
#include "editor/TTextEncoding.h"
#include "recovery/TCrashedSession.h"
#include "recovery/TDocumentJournal.h"
#include "recovery/TJournalKeeper.h"
#include "recovery/TRecoveryOffer.h"
#include "ui/TScriptedPrompter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QUuid>
#include <gtest/gtest.h>

namespace {

using Host = TestContainerHost;

const char *kChildDir = "TALVEX_JOURNAL_CHILD_USER_DIR";
const char *kChildFile = "TALVEX_JOURNAL_CHILD_FILE";

// A Windows-1252 file with CR LF line breaks.
const QByteArray kFileBytes = "Zeile eins\r\nGr\xFC\xDF" "e\r\n";
const QString kTypedIntoFile = QStringLiteral("Änderung\r\n");
const QString kTypedIntoNew = QStringLiteral("Neu 😀 über\r\nzweite Zeile");

// The host of a starting program: the container, a keeper for the new session.
struct StartHost : Host {
    std::unique_ptr<TJournalKeeper> keeper;
    TScriptedPrompter prompter;

    explicit StartHost(const QString &userDir = QString())
    {
        keeper = std::make_unique<TJournalKeeper>(
            *container, std::make_unique<TDocumentJournal>(userDir.isEmpty() ? core->UserDataDir() : userDir),
            TJournalTiming{50, 0, 1000});
        container->Events().OnChange = [this](TVYRADocument *document) { keeper->DocumentChanged(document); };
    }
    ~StartHost() { keeper.reset(); }

    TRecoveryOffer::TOutcome offer() { return TRecoveryOffer(*keeper, prompter).Run(); }
};

// A session of a process that ended without closing it: entries on disk, no lock.
QString writeCrashedSession(const QString &userDir, const QList<TJournalEntry> &entries)
{
    const QString dir = TDocumentJournal::JournalDir(userDir) + QStringLiteral("/99999-crashed");
    for (const TJournalEntry &entry : entries)
        TestSupport::writeFile(TDocumentJournal::EntryFileName(dir, entry.id), entry.Encode());
    return dir;
}

TJournalEntry entryFor(const QString &fileName, const QString &text)
{
    TJournalEntry entry;
    entry.id = QStringLiteral("{%1}").arg(QUuid::createUuid().toString(QUuid::Id128).toUpper());
    entry.fileName = fileName;
    entry.displayName = fileName.isEmpty() ? QStringLiteral("Dokument7") : QFileInfo(fileName).fileName();
    entry.time = QDateTime(QDate(2026, 12, 8), QTime(9, 41), Qt::LocalTime).toUTC();
    entry.text = text;
    return entry;
}

int sessionCount(const QString &userDir)
{
    return int(QDir(TDocumentJournal::JournalDir(userDir)).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace

// Run as a child process by the crash test: journals an edited file and a new
// document, says so, and waits to be killed.
TEST(JournalChild, DISABLED_JournalsAndWaitsToBeKilled)
{
    const QString userDir = qEnvironmentVariable(kChildDir);
    ASSERT_FALSE(userDir.isEmpty());
    StartHost host(userDir);
    ASSERT_EQ(host.container->OpenDocument(qEnvironmentVariable(kChildFile)), lrSuccess);
    host.type(0, kTypedIntoFile);
    ASSERT_EQ(host.container->NewDocument(), 1);
    host.type(1, kTypedIntoNew);
    QTest::qWait(200);
    host.keeper->WaitForWrites();
    std::printf("journaled\n");
    std::fflush(stdout);
    QThread::sleep(60);
}

TEST(RecoveryOffer, AKilledProcessIsOfferedAndRestoredButNotWhileItLives)
{
    StartHost host;
    const QString userDir = host.core->UserDataDir();
    const QString file = host.write("alt.txt", kFileBytes);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildDir, userDir);
    env.insert(kChildFile, file);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // A killed child leaves its temporary folders behind: inside ours.
    env.insert("TMPDIR", host.root.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_also_run_disabled_tests", "--gtest_filter=JournalChild.DISABLED_JournalsAndWaitsToBeKilled"});
    ASSERT_TRUE(child.waitForStarted());
    QElapsedTimer clock;
    clock.start();
    QByteArray output;
    while (!output.contains("journaled") && child.state() == QProcess::Running && clock.elapsed() < 60000) {
        child.waitForReadyRead(200);
        output += child.readAllStandardOutput();
    }
    ASSERT_EQ(child.state(), QProcess::Running) << child.readAllStandardError().toStdString();

    // A living second instance: its session is not offered.
    TRecoveryOffer::TOutcome live = host.offer();
    EXPECT_EQ(live.offered, 0);
    EXPECT_TRUE(host.prompter.prompts().isEmpty());
    EXPECT_EQ(sessionCount(userDir), 2);

    child.kill(); // SIGKILL: no clean end
    ASSERT_TRUE(child.waitForFinished());
    host.prompter.answerButton(TPromptButton::Yes);
    const TRecoveryOffer::TOutcome outcome = host.offer();
    EXPECT_EQ(outcome.offered, 2);
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    const QString question = host.prompter.prompts()[0].text;
    EXPECT_TRUE(question.contains("alt.txt")) << question.toStdString();
    EXPECT_TRUE(question.contains("nie gespeichert")) << question.toStdString();
    EXPECT_TRUE(question.contains(QDate::currentDate().toString("dd.MM.yyyy"))) << question.toStdString();
    ASSERT_EQ(outcome.restored.size(), 2);

    TVYRADocumentContainer &c = *host.container;
    TVYRADocument *fileDocument = nullptr;
    TVYRADocument *newDocument = nullptr;
    for (TVYRADocument *document : outcome.restored)
        (document->GetFileExists() ? fileDocument : newDocument) = document;
    const int fileIndex = c.Documents().IndexOf(fileDocument);
    const int newIndex = c.Documents().IndexOf(newDocument);
    ASSERT_GE(fileIndex, 0);
    ASSERT_GE(newIndex, 0);
    EXPECT_EQ(host.doc(fileIndex)->GetFileName(), file);
    EXPECT_TRUE(host.doc(fileIndex)->GetModified());
    EXPECT_EQ(host.code(fileIndex)->text(), QStringLiteral("Zeile eins\r\nGrüße\r\n") + kTypedIntoFile);
    EXPECT_EQ(host.code(fileIndex)->fileFormat().encoding, TTextEncoding::teWindows1252);
    EXPECT_FALSE(host.doc(newIndex)->GetFileExists());
    EXPECT_TRUE(host.doc(newIndex)->GetModified());
    EXPECT_EQ(host.code(newIndex)->text(), kTypedIntoNew);

    // Saving writes the same file the same way: Windows-1252, CR LF.
    ASSERT_TRUE(c.SaveDocument(fileIndex));
    EXPECT_EQ(TestSupport::readFile(file), kFileBytes + "\xC4nderung\r\n");

    // The old session went; the restored texts are journaled in the running one.
    EXPECT_EQ(sessionCount(userDir), 1);
    EXPECT_FALSE(host.keeper->IdOf(host.doc(newIndex)).isEmpty());
    EXPECT_EQ(host.prompter.unexpectedCount(), 0);
}

TEST(RecoveryOffer, NoDiscardsCancelKeepsForTheNextStart)
{
    StartHost host;
    const QString userDir = host.core->UserDataDir();
    const QString sessionDir = writeCrashedSession(userDir, {entryFor(QString(), QStringLiteral("Entwurf"))});
    TestSupport::writeFile(sessionDir + "/zerstört.entry", "TSJE\x00\x01 kaputt");

    host.prompter.answerButton(TPromptButton::Cancel);
    TRecoveryOffer::TOutcome later = host.offer();
    EXPECT_EQ(later.offered, 1);
    EXPECT_EQ(later.damaged, 1);
    EXPECT_TRUE(later.kept);
    EXPECT_TRUE(later.restored.isEmpty());
    EXPECT_TRUE(host.prompter.prompts()[0].text.contains("Ein gesicherter Text ist beschädigt"));
    EXPECT_TRUE(host.prompter.prompts()[0].text.contains("Dokument7 (nie gespeichert), gesichert am 08.12.2026 09:41"))
        << host.prompter.prompts()[0].text.toStdString();
    EXPECT_EQ(host.container->GetDocumentCount(), 0);
    EXPECT_TRUE(QFileInfo::exists(sessionDir));

    host.prompter.answerButton(TPromptButton::No);
    TRecoveryOffer::TOutcome discarded = host.offer();
    EXPECT_EQ(discarded.offered, 1) << "kept sessions are offered again";
    EXPECT_FALSE(QFileInfo::exists(sessionDir));
    EXPECT_EQ(host.container->GetDocumentCount(), 0);

    // Nothing left: no question at all.
    host.prompter.clear();
    EXPECT_EQ(host.offer().offered, 0);
    EXPECT_TRUE(host.prompter.prompts().isEmpty());
}

TEST(RecoveryOffer, AVanishedFileComesBackAsANewDocumentAndOnlyDamagedSessionsGoSilently)
{
    StartHost host;
    const QString userDir = host.core->UserDataDir();
    const QString gone = host.path("weg.php");
    writeCrashedSession(userDir, {entryFor(gone, QStringLiteral("<?php // gerettet"))});
    host.prompter.answerButton(TPromptButton::Yes);
    const TRecoveryOffer::TOutcome outcome = host.offer();
    ASSERT_EQ(outcome.restored.size(), 1);
    EXPECT_FALSE(outcome.restored[0]->GetFileExists());
    EXPECT_EQ(host.code(0)->text(), "<?php // gerettet");
    EXPECT_TRUE(outcome.restored[0]->GetModified());
    ASSERT_EQ(host.prompter.prompts().size(), 2);
    EXPECT_TRUE(host.prompter.prompts()[1].text.contains(QDir::toNativeSeparators(gone)));

    // A session with nothing readable in it is removed without a question.
    const QString broken = TDocumentJournal::JournalDir(userDir) + "/1-broken";
    TestSupport::writeFile(broken + "/x.entry", "Müll");
    host.prompter.clear();
    EXPECT_EQ(host.offer().offered, 0);
    EXPECT_TRUE(host.prompter.prompts().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(broken));
}
