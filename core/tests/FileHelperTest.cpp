#include "CipherFixtures.h"
#include "documents/TPasswordVerifier.h"
#include "documents/TVYRAFile.h"
#include "documents/TVYRAFileHelperList.h"
#include "settings/TVYRASettings.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FileHelper : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = std::make_unique<CipherFixtures::Folder>(QStringList{QStringLiteral("AES256GCM"),
                                                                      QStringLiteral("FixtureXor")});
        settings = std::make_unique<TVYRASettings>(dir.filePath(QStringLiteral("settings.xml")), true);
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    std::shared_ptr<TCustomCipher> aes() const { return folder->byName(QStringLiteral("AES-256-GCM")); }
    std::shared_ptr<TCustomCipher> xorCipher() const { return folder->byName(QStringLiteral("Fixture XOR")); }

    std::unique_ptr<TVYRAFileHelper> helper(const QString &source, const QString &target, const QString &password,
                                            TFileAction action, std::shared_ptr<TCustomCipher> cipher = nullptr)
    {
        auto made = std::make_unique<TVYRAFileHelper>(
            path(source), path(target), password, settings.get(), folder->list.get(), true, false,
            [this](TVYRAFileHelper &, const TDocumentResult &result) {
                outcome = result;
                ++completions;
                loop.quit();
            });
        made->SetAction(action);
        made->SetCipher(std::move(cipher));
        return made;
    }
    // Starts the helper and waits for its completion.
    TDocumentResult run(TVYRAFileHelper &item)
    {
        if (!item.PerformAction())
            return item.LastResult();
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        return outcome;
    }
    // The content of a data file, read back independently of the helper.
    QByteArray contentOf(const QString &name, const QString &password)
    {
        TVYRAFile file(path(name), QString(), nullptr, folder->list.get(), nullptr, true);
        QString version;
        EXPECT_TRUE(file.LoadFromFile(path(name), version));
        EXPECT_FALSE(version.isEmpty());
        EXPECT_TRUE(file.Unlock(TPasswordVerifier::KeyOf(password)));
        const TDocumentResult deciphered = file.DeCrypt();
        EXPECT_TRUE(deciphered.ok) << deciphered.errorText.toStdString();
        return file.PlainData();
    }

    QTemporaryDir dir;
    std::unique_ptr<CipherFixtures::Folder> folder;
    std::unique_ptr<TVYRASettings> settings;
    QEventLoop loop;
    TDocumentResult outcome;
    int completions = 0;
    const QByteArray source = QByteArray("<?php echo 'Grüße'; ?>\n").repeated(5000);
};

} // namespace

TEST_F(FileHelper, EnciphersAnyFileAndDeciphersItBack)
{
    TestSupport::writeFile(path(QStringLiteral("seite.php")), source);
    auto encipher = helper(QStringLiteral("seite.php"), QStringLiteral("seite.qdf"), QStringLiteral("geheim"),
                           faEnCrypt, aes());
    EXPECT_TRUE(encipher->Switch1());
    EXPECT_FALSE(encipher->Switch2());
    const TDocumentResult enciphered = run(*encipher);
    ASSERT_TRUE(enciphered.ok) << enciphered.errorText.toStdString();
    EXPECT_EQ(completions, 1);
    const QByteArray stored = TestSupport::readFile(path(QStringLiteral("seite.qdf")));
    EXPECT_FALSE(stored.contains("echo"));
    EXPECT_TRUE(stored.contains(".php"));
    EXPECT_TRUE(stored.contains("PBKDF2$"));
    EXPECT_EQ(contentOf(QStringLiteral("seite.qdf"), QStringLiteral("geheim")), source);

    // Deciphering takes the file's own cipher, whatever the helper was given.
    auto decipher = helper(QStringLiteral("seite.qdf"), QStringLiteral("zurueck.php"), QStringLiteral("geheim"),
                           faDeCrypt, xorCipher());
    const TDocumentResult deciphered = run(*decipher);
    ASSERT_TRUE(deciphered.ok) << deciphered.errorText.toStdString();
    EXPECT_EQ(TestSupport::readFile(path(QStringLiteral("zurueck.php"))), source);

    // In place: the data file is replaced by its content.
    auto inPlace = helper(QStringLiteral("seite.qdf"), QStringLiteral("seite.qdf"), QStringLiteral("geheim"), faDeCrypt);
    ASSERT_TRUE(run(*inPlace).ok);
    EXPECT_EQ(TestSupport::readFile(path(QStringLiteral("seite.qdf"))), source);
}

TEST_F(FileHelper, RefusesWhatCannotWorkAndWritesNothing)
{
    TestSupport::writeFile(path(QStringLiteral("klar.txt")), source);
    auto plain = helper(QStringLiteral("klar.txt"), QStringLiteral("aus.txt"), QStringLiteral("pw"), faDeCrypt);
    EXPECT_FALSE(plain->PerformAction());
    EXPECT_TRUE(plain->LastResult().errorText.contains(QStringLiteral("keine verschlüsselte Datendatei")));

    auto encipher = helper(QStringLiteral("klar.txt"), QStringLiteral("klar.qdf"), QStringLiteral("richtig"),
                           faEnCrypt, xorCipher());
    ASSERT_TRUE(run(*encipher).ok);
    auto wrong = helper(QStringLiteral("klar.qdf"), QStringLiteral("aus.txt"), QStringLiteral("falsch"), faDeCrypt);
    EXPECT_FALSE(wrong->PerformAction());
    EXPECT_TRUE(wrong->LastResult().errorText.contains(QStringLiteral("falsch")));

    auto missing = helper(QStringLiteral("fehlt.txt"), QStringLiteral("aus.qdf"), QStringLiteral("pw"), faEnCrypt);
    EXPECT_FALSE(missing->PerformAction());
    auto wipe = helper(QStringLiteral("klar.txt"), QStringLiteral("aus.qdf"), QStringLiteral("pw"), faWipe);
    EXPECT_FALSE(wipe->PerformAction());

    // A password whose check value cannot be formed is not taken for "no password".
    auto cyrillic = helper(QStringLiteral("klar.txt"), QStringLiteral("aus.qdf"), QStringLiteral("Жук"), faEnCrypt,
                           aes());
    EXPECT_FALSE(cyrillic->PerformAction());
    EXPECT_FALSE(cyrillic->SetPassword(QStringLiteral("Ж")));
    EXPECT_TRUE(cyrillic->SetPassword(QStringLiteral("ok")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("aus.txt"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("aus.qdf"))));
    EXPECT_EQ(completions, 1);

    // A data file whose cipher is not installed.
    CipherFixtures::Folder onlyAes({QStringLiteral("AES256GCM")});
    TVYRAFileHelper orphan(path(QStringLiteral("klar.qdf")), path(QStringLiteral("aus.txt")), QStringLiteral("richtig"),
                           nullptr, onlyAes.list.get(), false, false, {});
    orphan.SetAction(faDeCrypt);
    EXPECT_FALSE(orphan.PerformAction());
    EXPECT_TRUE(orphan.LastResult().errorText.contains(QStringLiteral("Fixture XOR")));
}

TEST_F(FileHelper, DataFileIsReEncipheredOnlyWithAutomaticDetection)
{
    TestSupport::writeFile(path(QStringLiteral("a.css")), source);
    auto first = helper(QStringLiteral("a.css"), QStringLiteral("a.qdf"), QStringLiteral("pw"), faEnCrypt, xorCipher());
    ASSERT_TRUE(run(*first).ok);
    const QByteArray xorFile = TestSupport::readFile(path(QStringLiteral("a.qdf")));

    settings->Advanced()->AutoDetectFileType = true;
    auto again = helper(QStringLiteral("a.qdf"), QStringLiteral("b.qdf"), QStringLiteral("pw"), faEnCrypt, aes());
    const TDocumentResult reEnciphered = run(*again);
    ASSERT_TRUE(reEnciphered.ok) << reEnciphered.errorText.toStdString();
    const QByteArray aesFile = TestSupport::readFile(path(QStringLiteral("b.qdf")));
    EXPECT_TRUE(aesFile.contains("AES-256-GCM"));
    EXPECT_TRUE(aesFile.contains(".css"));
    EXPECT_EQ(contentOf(QStringLiteral("b.qdf"), QStringLiteral("pw")), source);

    // Without detection the data file is just content and gets wrapped.
    settings->Advanced()->AutoDetectFileType = false;
    auto wrap = helper(QStringLiteral("a.qdf"), QStringLiteral("c.qdf"), QStringLiteral("pw"), faEnCrypt, aes());
    ASSERT_TRUE(run(*wrap).ok);
    EXPECT_EQ(contentOf(QStringLiteral("c.qdf"), QStringLiteral("pw")), xorFile);
}

TEST_F(FileHelper, ListKeepsRunningHelpersAndLetsTheCompletionDeleteOne)
{
    TestSupport::writeFile(path(QStringLiteral("x.txt")), source);
    TVYRAFileHelperList list;
    bool deletedInCompletion = false;
    const int index = list.AddItem(std::make_unique<TVYRAFileHelper>(
        path(QStringLiteral("x.txt")), path(QStringLiteral("x.qdf")), QStringLiteral("pw"), nullptr,
        folder->list.get(), false, false, [&](TVYRAFileHelper &, const TDocumentResult &result) {
            outcome = result;
            deletedInCompletion = list.DeleteItem(0);
            loop.quit();
        }));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(1), nullptr);
    list.Items(0)->SetCipher(aes());
    ASSERT_TRUE(list.Items(0)->PerformAction());
    EXPECT_TRUE(list.Items(0)->IsRunning());
    EXPECT_FALSE(list.Items(0)->PerformAction());
    EXPECT_FALSE(list.DeleteItem(0));
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(outcome.ok) << outcome.errorText.toStdString();
    EXPECT_TRUE(deletedInCompletion);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(contentOf(QStringLiteral("x.qdf"), QStringLiteral("pw")), source);
}
