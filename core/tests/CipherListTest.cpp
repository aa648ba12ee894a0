#include "CipherFixtures.h"
#include "ciphers/TCryptThread.h"
#include "ciphers/TNoCipher.h"
#include "ui/TScriptedPrompter.h"
#include "utils/Hashes.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using CipherFixtures::Folder;

namespace {

QString loadMessage(const QString &folder, const QString &module)
{
    return QStringLiteral("Erweiterungs-DLL \"%1/%2.so\" konnte nicht geladen werden.").arg(folder, module);
}

} // namespace

TEST(CipherList, EmptyFolderHoldsOnlyThePassThrough)
{
    QTemporaryDir dir;
    TCipherList list(dir.path(), true);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_FALSE(list.IsCipher(0));
    EXPECT_FALSE(list.IsCipher(1));
    QStringList names;
    list.ApplyCiphers(&names, true);
    EXPECT_TRUE(names.isEmpty());
    list.ApplyCiphers(&names, false);
    EXPECT_EQ(names, QStringList{QStringLiteral("Keine oder Unbekannt")});

    const auto none = list.GetCipher(0);
    EXPECT_EQ(none->GetGUIDText(), QStringLiteral("{68743DA3-EC1D-43AC-9CB7-93CDBF287902}"));
    EXPECT_EQ(none->GetGUID(), TNoCipher::GetID());
    EXPECT_EQ(none->GetDevelopers(), QStringLiteral("Unbekannt"));
    EXPECT_EQ(none->GetSecurity(), 0);
    QString out;
    ASSERT_TRUE(none->EnCryptText(QStringLiteral("Klartext äöü"), QString(), out));
    EXPECT_EQ(out, QStringLiteral("Klartext äöü"));
}

TEST(CipherList, LoadsModulesAndCollectionsInOrder)
{
    Folder folder({QStringLiteral("FixtureXor"), QStringLiteral("AES256GCM")}, {QStringLiteral("FixtureCollection")});
    EXPECT_TRUE(folder.list->LoadErrors().isEmpty()) << folder.list->LoadErrors().join('\n').toStdString();
    QStringList names;
    folder.list->ApplyCiphers(&names, false);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Keine oder Unbekannt"), QStringLiteral("AES-256-GCM"),
                                  QStringLiteral("Fixture XOR"), QStringLiteral("Fixture Sammlung Eins"),
                                  QStringLiteral("Fixture Sammlung Zwei")}));
    EXPECT_TRUE(folder.list->IsCipher(1));
    const auto collected = folder.byName(QStringLiteral("Fixture Sammlung Zwei"));
    ASSERT_TRUE(collected);
    EXPECT_TRUE(collected->Collection());
    QString enciphered;
    QString back;
    QByteArray information;
    ASSERT_TRUE(collected->EnCryptText(QStringLiteral("abc"), QStringLiteral("KEY"), enciphered, &information));
    ASSERT_TRUE(collected->DeCryptText(enciphered, QStringLiteral("KEY"), information, back));
    EXPECT_EQ(back, QStringLiteral("abc"));
}

TEST(CipherList, BrokenModulesAreReportedOnceAndSkipped)
{
    TScriptedPrompter script;
    TPrompterScope scope(script);
    const QStringList broken{QStringLiteral("FixtureBadGuid"), QStringLiteral("FixtureFakeNoCipher"),
                             QStringLiteral("FixtureThrowsOnLoad")};
    Folder folder(broken + QStringList{QStringLiteral("FixtureXor")});
    EXPECT_EQ(folder.list->Count(), 2);
    ASSERT_EQ(script.prompts().size(), 3);
    for (int i = 0; i < broken.size(); ++i) {
        EXPECT_EQ(script.prompts()[i].text, loadMessage(folder.dir.path(), broken[i]));
        EXPECT_EQ(script.prompts()[i].caption, QStringLiteral("Fehler"));
    }
    EXPECT_TRUE(folder.list->LoadErrors().join('\n').contains(QStringLiteral("GUID is not valid")));
}

TEST(CipherList, ModuleWithoutEntryPointIsListedAsThePassThrough)
{
    TScriptedPrompter script;
    TPrompterScope scope(script);
    Folder folder({QStringLiteral("FixtureNoExport"), QStringLiteral("FixtureXor")});
    EXPECT_TRUE(script.prompts().isEmpty());
    ASSERT_EQ(folder.list->Count(), 3);
    const auto standIn = folder.list->GetCipher(1);
    ASSERT_TRUE(standIn);
    EXPECT_TRUE(standIn->IsNoCipher());
    EXPECT_EQ(standIn->GetName(), QStringLiteral("Keine oder Unbekannt"));
    EXPECT_FALSE(folder.list->IsCipher(1));
    EXPECT_TRUE(folder.list->IsCipher(2));
    // A stored document naming the pass-through still finds entry 0 first.
    EXPECT_EQ(folder.list->SearchCipher(TNoCipher::GetID()), 0);
    QString out;
    ASSERT_TRUE(standIn->EnCryptText(QStringLiteral("klar"), QStringLiteral("K"), out));
    EXPECT_EQ(out, QStringLiteral("klar"));
}

TEST(CipherList, CollectionWithoutEntryPointIsReported)
{
    TScriptedPrompter script;
    TPrompterScope scope(script);
    QTemporaryDir dir;
    CipherFixtures::install(dir.path(), {}, {QStringLiteral("FixtureXor")});
    TCipherList list(dir.path(), true);
    EXPECT_EQ(list.Count(), 1);
    ASSERT_EQ(script.prompts().size(), 1);
    EXPECT_TRUE(script.prompts()[0].text.contains(QStringLiteral("Collections/FixtureXor.so")));
}

TEST(CipherList, SearchByGuidAndName)
{
    TScriptedPrompter script;
    TPrompterScope scope(script);
    Folder folder({QStringLiteral("FixtureXor"), QStringLiteral("FixtureXorTwin")});
    ASSERT_EQ(folder.list->Count(), 3);
    const QUuid xorGuid(QStringLiteral("{660590B1-837C-4D1D-A4E8-EE671E1232D4}"));
    // Same GUID twice: the first in file order wins.
    EXPECT_EQ(folder.list->SearchCipher(xorGuid), 1);
    EXPECT_EQ(folder.list->SearchCipher(QStringLiteral("Fixture XOR Zwilling")), 2);
    EXPECT_EQ(folder.list->SearchCipher(QStringLiteral("fixture xor")), -1);
    EXPECT_EQ(folder.list->SearchCipher(QStringLiteral("Fixture XOR"), xorGuid), 1);
    // GUID names one entry, the name another: no cipher.
    EXPECT_EQ(folder.list->SearchCipher(QStringLiteral("Fixture XOR Zwilling"), xorGuid), -1);
    EXPECT_EQ(folder.list->SearchCipher(QUuid::createUuid()), -1);
}

TEST(CipherList, ViewSharesEntriesAndOutlivesItsSource)
{
    auto folder = std::make_unique<Folder>(QStringList{QStringLiteral("FixtureXor")});
    TCipherList view(*folder->list);
    EXPECT_TRUE(view.IsView());
    EXPECT_EQ(view.GetCipher(1), folder->list->GetCipher(1));
    folder->list.reset();
    ASSERT_EQ(view.Count(), 2);
    QString out;
    EXPECT_TRUE(view.GetCipher(1)->EnCryptText(QStringLiteral("x"), QStringLiteral("K"), out));
}

TEST(CipherList, ThrowingCipherIsDisabledNotFatal)
{
    Folder folder({QStringLiteral("FixtureThrowsLater")});
    const auto cipher = folder.list->GetCipher(1);
    ASSERT_TRUE(cipher);
    QString out = QStringLiteral("unverändert");
    const TCipherResult first = cipher->EnCryptText(QStringLiteral("x"), QStringLiteral("K"), out);
    EXPECT_FALSE(first.ok);
    EXPECT_TRUE(first.errorText.contains(QStringLiteral("Ausnahmefehler")));
    EXPECT_EQ(out, QStringLiteral("unverändert"));
    EXPECT_TRUE(cipher->IsDisabled());
    EXPECT_FALSE(cipher->DeCryptText(QStringLiteral("0000"), QStringLiteral("K"), QByteArray("FXOR\x01\0\0\0", 8), out));
}

TEST(CryptThread, FailedDecipherNeverYieldsTheCipherText)
{
    Folder folder({QStringLiteral("FixtureXor")});
    const auto cipher = folder.list->GetCipher(1);
    const QString key = SHA_Hash(QStringLiteral("geheim"));
    QString enciphered;
    QByteArray information;
    ASSERT_TRUE(cipher->EnCryptText(QStringLiteral("Quelltext"), key, enciphered, &information));

    QObject context;
    QEventLoop loop;
    bool done = false;
    TCryptThread good(key, enciphered, faDeCrypt, cipher, information, &context, [&](TCryptThread &thread) {
        done = true;
        EXPECT_EQ(QThread::currentThread(), context.thread());
        EXPECT_TRUE(thread.GetResult().status.ok);
        EXPECT_EQ(thread.GetResult().text, QStringLiteral("Quelltext"));
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(done);

    TCryptThread wrong(SHA_Hash(QStringLiteral("falsch!")), enciphered, faDeCrypt, cipher, information);
    wrong.wait();
    EXPECT_FALSE(wrong.GetResult().status.ok);
    EXPECT_TRUE(wrong.GetResult().status.isAuthenticationFailure());
    EXPECT_TRUE(wrong.GetResult().text.isEmpty());
}

// Two lists over the same folder share the loaded module; the one that goes
// first must not unload it under the other.
TEST(CipherListModules, SecondListOverTheSameFolderLeavesTheModuleLoaded)
{
    CipherFixtures::Folder folder({QStringLiteral("AES256GCM")});
    const auto aes = folder.byName(QStringLiteral("AES-256-GCM"));
    ASSERT_TRUE(aes);
    for (int round = 0; round < 2; ++round) {
        TCipherList second(folder.dir.path(), true);
        ASSERT_GE(second.SearchCipher(QStringLiteral("AES-256-GCM")), 0);
    }
    QString enciphered, back;
    QByteArray information;
    ASSERT_TRUE(aes->EnCryptText(QStringLiteral("noch da"), QStringLiteral("k"), enciphered, &information));
    ASSERT_TRUE(aes->DeCryptText(enciphered, QStringLiteral("k"), information, back));
    EXPECT_EQ(back, QStringLiteral("noch da"));
}
