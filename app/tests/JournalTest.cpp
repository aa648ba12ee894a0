#include "TestContainerHost.h"
#include "ciphers/TCipherList.h"
#include "recovery/TCrashedSession.h"
#include "recovery/TDocumentJournal.h"
#include "recovery/TJournalCapture.h"
#include "recovery/TJournalEntry.h"
#include "recovery/TJournalKeeper.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

using Host = TestContainerHost;

TJournalEntry sampleEntry()
{
    TJournalEntry entry;
    entry.id = QStringLiteral("{0F8FAD5B-D9CB-469F-A165-70867728950E}");
    entry.fileName = QStringLiteral("/var/www/html/über.php");
    entry.displayName = QStringLiteral("über.php");
    entry.format = {TTextEncoding::teUtf16LE, true};
    entry.lineBreak = TLineBreak::lbCRLF;
    entry.time = QDateTime(QDate(2026, 12, 8), QTime(11, 50, 7, 123), Qt::UTC);
    // Umlauts, an emoji (a surrogate pair) and CR LF, kept exactly.
    entry.text = QStringLiteral("<?php\r\necho \"Grüße 😀\";\r\n\r\n");
    return entry;
}

QStringList entryFiles(const QString &sessionDir)
{
    return QDir(sessionDir).entryList({QStringLiteral("*.entry")}, QDir::Files);
}

// A journal keeper wired to the host's container as the main window wires it.
struct KeeperHost : Host {
    std::unique_ptr<TJournalKeeper> keeper;

    explicit KeeperHost(const TJournalTiming &timing = {50, 0, 1000})
    {
        keeper = std::make_unique<TJournalKeeper>(
            *container, std::make_unique<TDocumentJournal>(core->UserDataDir()), timing);
        container->Events().OnChange = [this](TVYRADocument *document) { keeper->DocumentChanged(document); };
    }
    ~KeeperHost() { keeper.reset(); }

    QString session() { return keeper->Journal().SessionDir(); }
    // The entry of a document as it is on disk now.
    std::optional<TJournalEntry> stored(TVYRADocument *document)
    {
        keeper->WaitForWrites();
        const QString id = keeper->IdOf(document);
        if (id.isEmpty())
            return std::nullopt;
        return TJournalEntry::Decode(TestSupport::readFile(TDocumentJournal::EntryFileName(session(), id)));
    }
    // Lets the pause end and the worker write.
    void settle(int ms = 200)
    {
        QTest::qWait(ms);
        keeper->WaitForWrites();
    }
};

} // namespace

// ---------------------------------------------------------------------------
// The stored entry

TEST(JournalEntry, RoundTripKeepsEveryFactAndCharacter)
{
    const TJournalEntry entry = sampleEntry();
    const QByteArray bytes = entry.Encode();
    const std::optional<TJournalEntry> back = TJournalEntry::Decode(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->id, entry.id);
    EXPECT_EQ(back->fileName, entry.fileName);
    EXPECT_EQ(back->displayName, entry.displayName);
    EXPECT_EQ(back->format.encoding, TTextEncoding::teUtf16LE);
    EXPECT_TRUE(back->format.bom);
    EXPECT_EQ(back->lineBreak, TLineBreak::lbCRLF);
    EXPECT_EQ(back->content, TJournalEntry::TContent::Code);
    EXPECT_EQ(back->time, entry.time);
    EXPECT_EQ(back->text, entry.text);
    EXPECT_EQ(back->Encode(), bytes);

    TJournalEntry unsaved = entry;
    unsaved.fileName.clear();
    unsaved.text.clear();
    const std::optional<TJournalEntry> empty = TJournalEntry::Decode(unsaved.Encode());
    ASSERT_TRUE(empty);
    EXPECT_FALSE(empty->HasFile());
    EXPECT_TRUE(empty->text.isEmpty());
}

TEST(JournalEntry, DamagedInputIsRefusedWhereverItIsDamaged)
{
    const QByteArray bytes = sampleEntry().Encode();
    // Cut anywhere: never a whole entry.
    for (qsizetype size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(TJournalEntry::Decode(bytes.left(size))) << size;
    // One changed byte anywhere: the checksum or a field check refuses it.
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        QByteArray damaged = bytes;
        damaged[at] = char(damaged[at] ^ 0x5A);
        EXPECT_FALSE(TJournalEntry::Decode(damaged)) << at;
    }
    EXPECT_FALSE(TJournalEntry::Decode(bytes + "x"));
}

// ---------------------------------------------------------------------------
// The session store

TEST(DocumentJournal, SessionsAreLockedWrittenSafelyAndRemovedAtTheCleanEnd)
{
    QTemporaryDir user;
    TDocumentJournal journal(user.path());
    ASSERT_TRUE(journal.IsOpen()) << journal.ErrorText().toStdString();
    EXPECT_EQ(journal.Dir(), user.filePath("journal"));
    EXPECT_TRUE(QFileInfo::exists(journal.SessionDir() + "/session.lock"));
    TDocumentJournal second(user.path());
    ASSERT_TRUE(second.IsOpen());
    EXPECT_NE(second.SessionDir(), journal.SessionDir());

    TJournalEntry entry = sampleEntry();
    ASSERT_TRUE(journal.Write(entry));
    entry.text = QStringLiteral("neu");
    ASSERT_TRUE(journal.Write(entry));
    EXPECT_EQ(entryFiles(journal.SessionDir()).size(), 1) << "one entry per document, replaced";
    EXPECT_EQ(TJournalEntry::Decode(TestSupport::readFile(
                  TDocumentJournal::EntryFileName(journal.SessionDir(), entry.id)))->text, "neu");

    // Sessions of living processes (this one) are never claimed.
    EXPECT_TRUE(TCrashedSession::ClaimAll(journal.Dir(), QString()).empty());

    journal.Discard(entry.id);
    EXPECT_TRUE(entryFiles(journal.SessionDir()).isEmpty());
    ASSERT_TRUE(journal.Write(entry));
    journal.Close();
    EXPECT_FALSE(QFileInfo::exists(journal.SessionDir()));
    EXPECT_TRUE(QFileInfo::exists(second.SessionDir()));
    EXPECT_FALSE(journal.Write(entry)) << "a closed journal writes nothing";
}

TEST(DocumentJournal, AFolderInTheWayIsReportedNotCrashed)
{
    QTemporaryDir user;
    TestSupport::writeFile(user.filePath("journal"), "kein Ordner");
    TDocumentJournal journal(user.path());
    EXPECT_FALSE(journal.IsOpen());
    EXPECT_TRUE(journal.ErrorText().contains("konnte nicht angelegt werden")) << journal.ErrorText().toStdString();
    EXPECT_FALSE(journal.Write(sampleEntry()));
}

TEST(CrashedSession, DamagedEntriesAreSkippedAndCounted)
{
    QTemporaryDir user;
    const QString dir = TDocumentJournal::JournalDir(user.path()) + "/4242-dead";
    TJournalEntry first = sampleEntry();
    first.time = first.time.addSecs(60);
    TJournalEntry older = sampleEntry();
    older.id = QStringLiteral("{11111111-2222-3333-4444-555555555555}");
    TestSupport::writeFile(TDocumentJournal::EntryFileName(dir, first.id), first.Encode());
    TestSupport::writeFile(TDocumentJournal::EntryFileName(dir, older.id), older.Encode());
    TestSupport::writeFile(dir + "/kaputt.entry", first.Encode().left(40));
    TestSupport::writeFile(dir + "/leer.entry", QByteArray());

    auto sessions = TCrashedSession::ClaimAll(TDocumentJournal::JournalDir(user.path()), QString());
    ASSERT_EQ(sessions.size(), 1u);
    EXPECT_EQ(sessions[0]->DamagedCount(), 2);
    ASSERT_EQ(sessions[0]->Entries().size(), 2);
    EXPECT_EQ(sessions[0]->Entries()[0].id, older.id) << "oldest first";
    // Claimed: a second claim (another starting instance) gets nothing.
    EXPECT_TRUE(TCrashedSession::ClaimAll(TDocumentJournal::JournalDir(user.path()), QString()).empty());
    sessions[0]->Release();
    sessions = TCrashedSession::ClaimAll(TDocumentJournal::JournalDir(user.path()), QString());
    ASSERT_EQ(sessions.size(), 1u) << "a released session is offered again";
    sessions[0]->Remove();
    EXPECT_FALSE(QFileInfo::exists(dir));
}

// ---------------------------------------------------------------------------
// The keeper

TEST(JournalKeeper, TypedTextIsJournaledAfterThePauseAndGoesWithSaveAndClose)
{
    KeeperHost host;
    TVYRADocumentContainer &c = *host.container;
    const QString file = host.write("seite.php", "<?php\r\n");
    ASSERT_EQ(c.OpenDocument(file), lrSuccess);
    ASSERT_EQ(c.NewDocument(), 1);
    host.type(0, QStringLiteral("echo 'ä';\r\n"));
    host.type(1, QStringLiteral("Notiz 😀"));
    EXPECT_TRUE(host.keeper->IsPending(host.doc(0)));
    EXPECT_TRUE(entryFiles(host.session()).isEmpty()) << "nothing written while typing goes on";
    host.settle();

    const std::optional<TJournalEntry> plain = host.stored(host.doc(0));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->fileName, file);
    EXPECT_EQ(plain->displayName, "seite.php");
    EXPECT_EQ(plain->text, QStringLiteral("<?php\r\necho 'ä';\r\n"));
    EXPECT_EQ(plain->lineBreak, TLineBreak::lbCRLF);
    const std::optional<TJournalEntry> unsaved = host.stored(host.doc(1));
    ASSERT_TRUE(unsaved);
    EXPECT_FALSE(unsaved->HasFile());
    EXPECT_EQ(unsaved->displayName, host.doc(1)->GetFileName());
    EXPECT_EQ(unsaved->text, QStringLiteral("Notiz 😀"));

    ASSERT_TRUE(c.SaveDocument(0));
    host.keeper->DocumentSaved(host.doc(0));
    host.keeper->WaitForWrites();
    EXPECT_EQ(entryFiles(host.session()).size(), 1);
    EXPECT_TRUE(host.keeper->IdOf(host.doc(0)).isEmpty());

    // Typing again after the save journals again.
    host.type(0, QStringLiteral("x"));
    host.settle();
    EXPECT_EQ(entryFiles(host.session()).size(), 2);

    TVYRADocument *closing = host.doc(1);
    host.keeper->DocumentClosed(closing);
    c.CloseDocument(1, fcoRemoveAlways);
    host.keeper->WaitForWrites();
    EXPECT_EQ(entryFiles(host.session()).size(), 1);

    const QString session = host.session();
    host.keeper->EndSession();
    EXPECT_FALSE(QFileInfo::exists(session)) << "a clean end leaves no journal";
}

TEST(JournalKeeper, WritesAreSpacedAndContinuousTypingIsStillJournaled)
{
    KeeperHost host({100, 400, 250});
    ASSERT_EQ(host.container->NewDocument(), 0);
    host.type(0, QStringLiteral("a"));
    host.settle(200);
    ASSERT_TRUE(host.stored(host.doc(0)));
    EXPECT_EQ(host.stored(host.doc(0))->text, "a");
    // Within the minimum interval nothing is written, however long the pause.
    host.type(0, QStringLiteral("b"));
    host.settle(150);
    EXPECT_EQ(host.stored(host.doc(0))->text, "a");
    host.settle(300);
    EXPECT_EQ(host.stored(host.doc(0))->text, "ab");
    // Typing without a pause: written once the longest delay has passed.
    QElapsedTimer typing;
    typing.start();
    while (typing.elapsed() < 900) {
        host.type(0, QStringLiteral("c"));
        QTest::qWait(30);
    }
    host.keeper->WaitForWrites();
    EXPECT_TRUE(host.stored(host.doc(0))->text.startsWith("abcc"));
}

TEST(JournalKeeper, AFailingJournalIsReportedOnceAndTypingGoesOn)
{
    Host host;
    TestSupport::writeFile(host.core->UserDataDir() + "/journal", "kein Ordner");
    TJournalKeeper keeper(*host.container, std::make_unique<TDocumentJournal>(host.core->UserDataDir()),
                          {20, 0, 1000});
    host.container->Events().OnChange = [&](TVYRADocument *document) { keeper.DocumentChanged(document); };
    QStringList reports;
    QObject::connect(&keeper, &TJournalKeeper::writeFailed, [&](const QString &text) { reports << text; });
    ASSERT_EQ(host.container->NewDocument(), 0);
    ASSERT_EQ(host.container->NewDocument(), 1);
    host.type(0, QStringLiteral("eins"));
    host.type(1, QStringLiteral("zwei"));
    QTest::qWait(100);
    keeper.WaitForWrites();
    QTest::qWait(20);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(TDocumentJournal::JournalDir(host.core->UserDataDir())))
        << reports[0].toStdString();
    EXPECT_EQ(host.code(1)->text(), "zwei");
}

TEST(JournalKeeper, EncipheredDocumentsAreNeverJournaled)
{
    Host cipherHost(true, true);
    // The fixture cipher module of the core's tests.
    QDir().mkpath(cipherHost.core->CipherDir());
    ASSERT_TRUE(QFile::copy(TestSupport::buildDir() + "/tests/fixtures/ciphers/FixtureXor.so",
                            cipherHost.core->CipherDir() + "/FixtureXor.so"));
    cipherHost.core->InitCiphers();
    TJournalKeeper keeper(*cipherHost.container,
                          std::make_unique<TDocumentJournal>(cipherHost.core->UserDataDir()), {20, 0, 1000});
    cipherHost.container->Events().OnChange = [&](TVYRADocument *document) { keeper.DocumentChanged(document); };
    ASSERT_EQ(cipherHost.container->NewDocument(), 0);
    cipherHost.type(0, QStringLiteral("noch offen"));
    QTest::qWait(100);
    keeper.WaitForWrites();
    ASSERT_EQ(entryFiles(keeper.Journal().SessionDir()).size(), 1);

    TCipherList *ciphers = cipherHost.core->Ciphers();
    cipherHost.doc(0)->AssignCipher(ciphers->GetCipher(ciphers->SearchCipher(QStringLiteral("Fixture XOR"))));
    cipherHost.type(0, QStringLiteral(" und geheim"));
    QTest::qWait(100);
    keeper.WaitForWrites();
    EXPECT_TRUE(entryFiles(keeper.Journal().SessionDir()).isEmpty()) << "the clear text left the disk";
    EXPECT_FALSE(TJournalCapture::Capture(*cipherHost.container, cipherHost.doc(0), QStringLiteral("{X}")));
}

TEST(JournalKeeper, JournalingAMegabyteKeepsTheMainThreadFree)
{
    KeeperHost host({10000, 0, 100000});
    ASSERT_EQ(host.container->NewDocument(), 0);
    QString big;
    const QString line = QStringLiteral("<p>Grüße aus der Zeile mit etwas Text, 😀 und mehr</p>\r\n");
    while (big.size() < 512 * 1024) // UTF-16: one megabyte
        big += line;
    host.code(0)->setText(big);
    host.doc(0)->SetModified(true);

    QElapsedTimer clock;
    clock.start();
    host.keeper->JournalNow(host.doc(0));
    const qint64 mainThread = clock.elapsed();
    host.keeper->WaitForWrites();
    const qint64 total = clock.elapsed();
    std::printf("1 MB document: %lld ms in the main thread, %lld ms until written\n", (long long)mainThread,
                (long long)total);
    EXPECT_LT(mainThread, 50);
    ASSERT_TRUE(host.stored(host.doc(0)));
    EXPECT_EQ(host.stored(host.doc(0))->text, big);
}
