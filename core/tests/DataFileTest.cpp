#include "CipherFixtures.h"
#include "documents/ECipherNotInstalled.h"
#include "documents/TPasswordVerifier.h"
#include "documents/TVYRAFile.h"
#include "utils/VYRAExceptions.h"
#include "utils/Hashes.h"

#include <QEventLoop>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray field(const QByteArray &latin1)
{
    QByteArray out(4, '\0');
    qToLittleEndian<qint32>(qint32(latin1.size()), out.data());
    return out + latin1;
}

class DataFile : public ::testing::Test
{
protected:
    void SetUp() override { folder = std::make_unique<CipherFixtures::Folder>(QStringList{QStringLiteral("FixtureXor")}); }
    std::unique_ptr<TVYRAFile> make(const QString &name = QStringLiteral("data.qdf"))
    {
        return std::make_unique<TVYRAFile>(dir.filePath(name), QStringLiteral("2.0"), nullptr, folder->list.get(),
                                           nullptr, false);
    }
    std::unique_ptr<CipherFixtures::Folder> folder;
    QTemporaryDir dir;
    const QString key = TPasswordVerifier::KeyOf(QStringLiteral("Schlüssel"));
};

} // namespace

TEST_F(DataFile, RoundTripStoresAVerifierNotTheKey)
{
    auto file = make();
    file->AssignCipher(folder->byName(QStringLiteral("Fixture XOR")));
    file->SetPassword(key);
    file->SetSourceExtension(QStringLiteral(".zip"));
    const char raw[] = "\x00\x01" "binär\xff";
    const QByteArray payload(raw, sizeof raw - 1);
    file->SetPlainData(payload);
    EXPECT_FALSE(file->SaveToFile().ok); // not enciphered yet: never written in clear
    ASSERT_TRUE(file->EnCrypt());
    ASSERT_TRUE(file->SaveToFile());
    const QByteArray bytes = TestSupport::readFile(file->GetFileName());
    EXPECT_FALSE(bytes.contains(key.toLatin1()));
    EXPECT_TRUE(bytes.contains("PBKDF2$"));

    auto back = make();
    QString version;
    ASSERT_TRUE(back->LoadFromFile(back->GetFileName(), version));
    EXPECT_EQ(version, QStringLiteral("2.0"));
    EXPECT_EQ(back->SourceExtension(), QStringLiteral(".zip"));
    EXPECT_FALSE(back->Unlock(TPasswordVerifier::KeyOf(QStringLiteral("falsch"))));
    ASSERT_TRUE(back->Unlock(key));
    ASSERT_TRUE(back->DeCrypt());
    EXPECT_EQ(back->PlainData(), payload);
    // Unchanged, it can be saved again as it is.
    EXPECT_TRUE(back->SaveToFile());
}

TEST_F(DataFile, OldFilesWithTheKeyInTheHeaderStillOpen)
{
    auto file = make();
    file->AssignCipher(folder->byName(QStringLiteral("Fixture XOR")));
    file->SetPassword(key);
    file->SetPlainData("alte Daten");
    ASSERT_TRUE(file->EnCrypt());
    const QByteArray old = field("Talvex File") + field("1.0") + field(".txt") + field(key.toLatin1())
        + field("Fixture XOR") + field("{660590B1-837C-4D1D-A4E8-EE671E1232D4}") + file->CipherData().left(0);
    // Header as earlier versions wrote it, then the information block and payload.
    QString result;
    {
        TVYRAFile probe(QString(), QString(), nullptr, folder->list.get(), nullptr, false);
        probe.AssignCipher(folder->byName(QStringLiteral("Fixture XOR")));
        probe.SetPassword(key);
        probe.SetPlainData("alte Daten");
        ASSERT_TRUE(probe.EnCrypt());
        ASSERT_TRUE(probe.SaveToFile(dir.filePath(QStringLiteral("probe.qdf")), result));
    }
    TVYRAFile reader(dir.filePath(QStringLiteral("probe.qdf")), QString(), nullptr, folder->list.get(), nullptr, true);
    QString version;
    ASSERT_TRUE(reader.LoadFromFile(reader.GetFileName(), version));
    const QByteArray bytes = TestSupport::readFile(reader.GetFileName());
    const QByteArray tail = bytes.right(8 + reader.CipherData().size());
    TestSupport::writeFile(dir.filePath(QStringLiteral("old.qdf")), old + tail);

    auto back = make(QStringLiteral("old.qdf"));
    ASSERT_TRUE(back->LoadFromFile(back->GetFileName(), version));
    EXPECT_FALSE(back->Unlock(TPasswordVerifier::KeyOf(QStringLiteral("falsch"))));
    ASSERT_TRUE(back->Unlock(key));
    ASSERT_TRUE(back->DeCrypt());
    EXPECT_EQ(back->PlainData(), QByteArray("alte Daten"));
}

TEST_F(DataFile, OtherFormatsAndDamageAreAnsweredCleanly)
{
    TestSupport::writeFile(dir.filePath(QStringLiteral("other.qdf")), field("Talvex Dokument") + field("x"));
    auto other = make(QStringLiteral("other.qdf"));
    QString version = QStringLiteral("vorher");
    ASSERT_TRUE(other->LoadFromFile(other->GetFileName(), version));
    EXPECT_TRUE(version.isEmpty());
    EXPECT_TRUE(other->FileTypeText().isEmpty());

    TestSupport::writeFile(dir.filePath(QStringLiteral("cut.qdf")), field("Talvex File") + field("1.0").left(5));
    auto cut = make(QStringLiteral("cut.qdf"));
    EXPECT_THROW(cut->LoadFromFile(cut->GetFileName(), version), EStreamReadError);

    const QByteArray unknown = field("Talvex File") + field("1.0") + field(".txt") + field({}) + field("Weg")
        + field("{11111111-0000-0000-0000-000000000000}") + QByteArray("payload");
    TestSupport::writeFile(dir.filePath(QStringLiteral("unknown.qdf")), unknown);
    auto missing = make(QStringLiteral("unknown.qdf"));
    EXPECT_THROW(missing->LoadFromFile(missing->GetFileName(), version), ECipherNotInstalled);

    // A missing file leaves the object as it was.
    auto absent = make(QStringLiteral("absent.qdf"));
    EXPECT_FALSE(absent->LoadFromFile(absent->GetFileName(), version));
}

TEST_F(DataFile, BackgroundEncipherAndWrongKeyDecipher)
{
    auto file = make();
    file->AssignCipher(folder->byName(QStringLiteral("Fixture XOR")));
    file->SetPassword(key);
    file->SetPlainData(QByteArray(100000, 'z'));
    QEventLoop loop;
    TDocumentResult outcome = TDocumentResult::failure(QStringLiteral("nicht fertig"));
    ASSERT_TRUE(file->PerformAction(faEnCrypt, [&](TVYRADataFile &, const TDocumentResult &result) {
        outcome = result;
        loop.quit();
    }));
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_TRUE(outcome.ok) << outcome.errorText.toStdString();
    EXPECT_EQ(file->CipherData().size(), 100000);
    ASSERT_TRUE(file->SaveToFile());

    file->SetPassword(TPasswordVerifier::KeyOf(QStringLiteral("anders")));
    const QByteArray plainBefore = file->PlainData();
    EXPECT_FALSE(file->DeCrypt().ok);
    EXPECT_EQ(file->PlainData(), plainBefore);
}
