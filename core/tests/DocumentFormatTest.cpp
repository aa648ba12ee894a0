#include "CipherFixtures.h"
#include "documents/ECipherNotInstalled.h"
#include "documents/TPasswordVerifier.h"
#include "documents/TVYRADocument.h"
#include "utils/VYRAExceptions.h"
#include "utils/Hashes.h"
#include "utils/Passwords.h"

#include <QBuffer>
#include <QEventLoop>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QString kEmptyKey = QStringLiteral("DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
const QString kNoCipherGuid = QStringLiteral("{68743DA3-EC1D-43AC-9CB7-93CDBF287902}");
const QString kNoCipherName = QStringLiteral("Keine oder Unbekannt");

// Builds a ".qcd" field by field, without the library's writers.
QByteArray field(const QByteArray &latin1)
{
    QByteArray out(4, '\0');
    qToLittleEndian<qint32>(qint32(latin1.size()), out.data());
    return out + latin1;
}

QByteArray handMadeDocument(const QByteArray &passwordField, const QByteArray &text)
{
    const QString checksum = CreateChecksum(kNoCipherGuid, kNoCipherName, QString::fromLatin1(text));
    return field("Talvex Dokument") + field("1.0") + field(".php") + field(kNoCipherGuid.toLatin1())
        + field(kNoCipherName.toLatin1()) + field(passwordField) + field(checksum.toLatin1()) + field(text);
}

class Document : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new CipherFixtures::Folder({QStringLiteral("FixtureXor"), QStringLiteral("AES256GCM")});
    }
    static void TearDownTestSuite()
    {
        delete s_folder;
        s_folder = nullptr;
    }

    std::unique_ptr<TVYRADocument> make(const QString &name = QStringLiteral("doc.qcd"))
    {
        return std::make_unique<TVYRADocument>(dir.filePath(name), QStringLiteral("1.0"), nullptr,
                                               s_folder->list.get(), nullptr, false);
    }
    std::shared_ptr<TCustomCipher> cipher(const QString &name) { return s_folder->byName(name); }
    // Loads and opens; the password request answers `typed` (nullopt = cancel).
    TOpenResult open(TVYRADocument &doc, std::optional<QString> typed, bool continueBad = false)
    {
        EXPECT_TRUE(doc.LoadFromFile());
        return doc.OpenStored(
            [typed](TVYRADocument &) -> std::optional<QString> {
                if (!typed)
                    return std::nullopt;
                return TPasswordVerifier::KeyOf(*typed);
            },
            [continueBad](TVYRADocument &) { return continueBad; });
    }

    static CipherFixtures::Folder *s_folder;
    QTemporaryDir dir;
};

CipherFixtures::Folder *Document::s_folder = nullptr;

} // namespace

TEST_F(Document, KnownCheckValueOfTheEmptyPassword)
{
    EXPECT_EQ(TPasswordVerifier::EmptyKey(), kEmptyKey);
    EXPECT_EQ(TPasswordVerifier::Normalise(QString()), kEmptyKey);
    EXPECT_EQ(TPasswordVerifier::Create(QString()), SHA_Hash(kEmptyKey));
    EXPECT_TRUE(IsEmptyPassword(TPasswordVerifier::Create(QString())));
}

TEST_F(Document, RoundTripWithoutCipherOrPassword)
{
    auto doc = make();
    doc->SetSourceExtension(QStringLiteral(".php"));
    doc->SetUncText(QStringLiteral("<?php echo 'Grüße €'; ?>\r\n"));
    ASSERT_TRUE(doc->SaveToFile());
    EXPECT_FALSE(doc->GetModified());
    EXPECT_EQ(doc->StoredPasswordHash(), SHA_Hash(kEmptyKey));

    auto back = make();
    int asked = 0;
    ASSERT_TRUE(back->LoadFromFile());
    EXPECT_FALSE(back->NeedsPassword());
    const TOpenResult result = back->OpenStored(
        [&](TVYRADocument &) -> std::optional<QString> {
            ++asked;
            return QString();
        },
        {});
    EXPECT_EQ(result.outcome, TOpenOutcome::Success);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(back->UncryptedText(), doc->UncryptedText());
    EXPECT_EQ(back->SourceExtension(), QStringLiteral(".php"));
    EXPECT_EQ(back->FileTypeText(), QStringLiteral("Talvex Dokument"));
}

TEST_F(Document, IndependentlyWrittenDocumentsOpen)
{
    // Written the way earlier versions did: empty password field, SHA of the
    // empty text, SHA of that, and an old unsalted verifier of a real password.
    const QList<QByteArray> emptyForms{QByteArray(), kEmptyKey.toLatin1(), SHA_Hash(kEmptyKey).toLatin1()};
    for (const QByteArray &form : emptyForms) {
        TestSupport::writeFile(dir.filePath(QStringLiteral("old.qcd")), handMadeDocument(form, "Hallo Welt"));
        auto doc = make(QStringLiteral("old.qcd"));
        EXPECT_EQ(open(*doc, std::nullopt).outcome, TOpenOutcome::Success) << form.constData();
        EXPECT_EQ(doc->UncryptedText(), QStringLiteral("Hallo Welt"));
    }
    const QByteArray oldVerifier = SHA_Hash(SHA_Hash(QStringLiteral("alt"))).toLatin1();
    TestSupport::writeFile(dir.filePath(QStringLiteral("old.qcd")), handMadeDocument(oldVerifier, "Text"));
    auto wrong = make(QStringLiteral("old.qcd"));
    EXPECT_EQ(open(*wrong, QStringLiteral("neu")).outcome, TOpenOutcome::WrongPassword);
    auto right = make(QStringLiteral("old.qcd"));
    EXPECT_EQ(open(*right, QStringLiteral("alt")).outcome, TOpenOutcome::Success);
    EXPECT_EQ(right->UncryptedText(), QStringLiteral("Text"));
    // Our writer produces the same bytes for the same state.
    auto ours = make(QStringLiteral("ours.qcd"));
    ours->SetSourceExtension(QStringLiteral(".php"));
    ours->SetUncText(QStringLiteral("Hallo Welt"));
    ASSERT_TRUE(ours->SaveToFile());
    EXPECT_EQ(TestSupport::readFile(dir.filePath(QStringLiteral("ours.qcd"))),
              handMadeDocument(SHA_Hash(kEmptyKey).toLatin1(), "Hallo Welt"));
}

TEST_F(Document, EncipheredRoundTripStoresSlowVerifier)
{
    auto doc = make();
    doc->AssignCipher(cipher(QStringLiteral("AES-256-GCM")));
    ASSERT_TRUE(doc->SetPlainPassword(QStringLiteral("Tür zu!")));
    doc->SetUncText(QStringLiteral("geheimer Quelltext"));
    ASSERT_TRUE(doc->SaveToFile());
    const QByteArray bytes = TestSupport::readFile(doc->GetFileName());
    EXPECT_FALSE(bytes.contains("geheimer"));
    EXPECT_TRUE(bytes.contains("PBKDF2$200000$"));
    EXPECT_FALSE(bytes.contains(SHA_Hash(doc->GetPassword()).toLatin1()));

    auto cancelled = make();
    EXPECT_EQ(open(*cancelled, std::nullopt).outcome, TOpenOutcome::Cancelled);
    EXPECT_TRUE(cancelled->UncryptedText().isEmpty());
    auto wrong = make();
    EXPECT_EQ(open(*wrong, QStringLiteral("tür zu!")).outcome, TOpenOutcome::WrongPassword);
    EXPECT_TRUE(wrong->UncryptedText().isEmpty());
    auto right = make();
    const TOpenResult opened = open(*right, QStringLiteral("Tür zu!"));
    ASSERT_EQ(opened.outcome, TOpenOutcome::Success) << opened.errorText.toStdString();
    EXPECT_EQ(right->UncryptedText(), QStringLiteral("geheimer Quelltext"));
    EXPECT_EQ(right->GetCipher()->GetName(), QStringLiteral("AES-256-GCM"));
}

TEST_F(Document, ChangedByteIsABadFileAndNeverShowsCipherText)
{
    auto doc = make();
    doc->AssignCipher(cipher(QStringLiteral("Fixture XOR")));
    doc->SetPlainPassword(QStringLiteral("pw"));
    doc->SetUncText(QStringLiteral("abcdef"));
    ASSERT_TRUE(doc->SaveToFile());
    QByteArray bytes = TestSupport::readFile(doc->GetFileName());
    bytes[bytes.size() - 3] = bytes[bytes.size() - 3] == '0' ? '1' : '0';
    TestSupport::writeFile(doc->GetFileName(), bytes);

    auto refused = make();
    EXPECT_EQ(open(*refused, QStringLiteral("pw")).outcome, TOpenOutcome::BadFile);
    EXPECT_FALSE(refused->IsPlainTextKnown());
    // Going on opens what the cipher makes of it; saving it is possible again.
    auto anyway = make();
    EXPECT_EQ(open(*anyway, QStringLiteral("pw"), true).outcome, TOpenOutcome::Success);
    EXPECT_NE(anyway->UncryptedText(), QStringLiteral("abcdef"));
}

TEST_F(Document, FailedDecipherKeepsTheTextUnknown)
{
    auto doc = make();
    doc->AssignCipher(cipher(QStringLiteral("AES-256-GCM")));
    doc->SetPlainPassword(QStringLiteral("pw"));
    doc->SetUncText(QStringLiteral("abcdef"));
    ASSERT_TRUE(doc->SaveToFile());
    // A changed cipher text with a matching checksum: only the cipher notices.
    auto tampered = make();
    ASSERT_TRUE(tampered->LoadFromFile());
    QString enc = tampered->EncryptedText();
    enc[2] = enc[2] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    tampered->SetEncText(enc);
    tampered->SetPassword(TPasswordVerifier::KeyOf(QStringLiteral("pw")));
    const TDocumentResult result = tampered->DeCrypt();
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(tampered->IsPlainTextKnown());
    EXPECT_TRUE(tampered->UncryptedText().isEmpty());
    // Nothing unknown is ever written back.
    EXPECT_FALSE(tampered->SaveToFile(dir.filePath(QStringLiteral("copy.qcd")), enc).ok);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("copy.qcd"))));
}

TEST_F(Document, MissingCipherModuleRefusesToOpen)
{
    auto doc = make();
    doc->AssignCipher(cipher(QStringLiteral("Fixture XOR")));
    doc->SetPlainPassword(QStringLiteral("pw"));
    doc->SetUncText(QStringLiteral("Text"));
    ASSERT_TRUE(doc->SaveToFile());
    TCipherList without(dir.filePath(QStringLiteral("leer")), true);
    TVYRADocument other(doc->GetFileName(), QString(), nullptr, &without, nullptr, true);
    try {
        other.LoadFromFile();
        FAIL() << "opened without its cipher";
    } catch (const ECipherNotInstalled &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("\"Fixture XOR\"")));
        EXPECT_TRUE(error.message().contains(QStringLiteral("nicht installiert")));
    }
    EXPECT_TRUE(other.EncryptedText().isEmpty());
}

TEST_F(Document, SaveAsAfterChoosingACipherAlwaysEnciphers)
{
    auto doc = make(QStringLiteral("plain.qcd"));
    doc->SetUncText(QStringLiteral("Klartext"));
    ASSERT_TRUE(doc->SaveToFile());
    auto reopened = make(QStringLiteral("plain.qcd"));
    ASSERT_EQ(open(*reopened, std::nullopt).outcome, TOpenOutcome::Success);
    ASSERT_FALSE(reopened->GetModified());
    reopened->AssignCipher(cipher(QStringLiteral("Fixture XOR")));
    reopened->SetPlainPassword(QStringLiteral("neu"));
    QString checksum;
    ASSERT_TRUE(reopened->SaveToFile(dir.filePath(QStringLiteral("secret.qcd")), checksum));
    EXPECT_FALSE(TestSupport::readFile(dir.filePath(QStringLiteral("secret.qcd"))).contains("Klartext"));
    auto secret = make(QStringLiteral("secret.qcd"));
    ASSERT_EQ(open(*secret, QStringLiteral("neu")).outcome, TOpenOutcome::Success);
    EXPECT_EQ(secret->UncryptedText(), QStringLiteral("Klartext"));
}

TEST_F(Document, UnencodableCharacterFailsTheSaveAndKeepsTheFile)
{
    auto doc = make();
    doc->SetUncText(QStringLiteral("alt"));
    ASSERT_TRUE(doc->SaveToFile());
    const QByteArray before = TestSupport::readFile(doc->GetFileName());
    doc->SetUncText(QStringLiteral("Привет"));
    const TDocumentResult result = doc->SaveToFile();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.errorText.contains(QStringLiteral("Text")));
    EXPECT_TRUE(doc->GetModified());
    EXPECT_EQ(TestSupport::readFile(doc->GetFileName()), before);
    // Enciphered, the same text is fine: the cipher text is Base64.
    doc->AssignCipher(cipher(QStringLiteral("AES-256-GCM")));
    EXPECT_TRUE(doc->SaveToFile());
}

TEST_F(Document, ShorterDocumentLeavesExactlyTheNewLength)
{
    auto doc = make();
    doc->SetUncText(QString(5000, QLatin1Char('x')));
    ASSERT_TRUE(doc->SaveToFile());
    doc->SetUncText(QStringLiteral("kurz"));
    ASSERT_TRUE(doc->SaveToFile());
    QString checksum;
    ASSERT_TRUE(doc->SaveToFile(dir.filePath(QStringLiteral("fresh.qcd")), checksum));
    EXPECT_EQ(TestSupport::readFile(doc->GetFileName()), TestSupport::readFile(dir.filePath(QStringLiteral("fresh.qcd"))));
    auto back = make();
    ASSERT_EQ(open(*back, std::nullopt).outcome, TOpenOutcome::Success);
    EXPECT_EQ(back->UncryptedText(), QStringLiteral("kurz"));
}

TEST_F(Document, DamagedFilesRaiseTheirDocumentedErrors)
{
    const QByteArray good = handMadeDocument(QByteArray(), "Inhalt");
    auto doc = make(QStringLiteral("bad.qcd"));
    TestSupport::writeFile(doc->GetFileName(), good.left(good.size() - 3));
    EXPECT_THROW(doc->LoadFromFile(), EStreamReadError);
    QByteArray huge = good;
    qToLittleEndian<qint32>(0x7FFFFFF0, huge.data() + huge.size() - 10); // text length far beyond the file
    TestSupport::writeFile(doc->GetFileName(), huge);
    EXPECT_THROW(doc->LoadFromFile(), EStreamReadError);
    TestSupport::writeFile(doc->GetFileName(), field("Talvex Template") + good.mid(19));
    EXPECT_THROW(doc->LoadFromFile(), EInvalidVYRAFormat);
    // Identifier and name swapped (the data-file order): no cipher matches.
    const QByteArray swapped = field("Talvex Dokument") + field("1.0") + field(".php") + field(kNoCipherName.toLatin1())
        + field(kNoCipherGuid.toLatin1()) + field({}) + field("x") + field("t");
    TestSupport::writeFile(doc->GetFileName(), swapped);
    EXPECT_THROW(doc->LoadFromFile(), ECipherNotInstalled);
    EXPECT_TRUE(doc->EncryptedText().isEmpty());
}

TEST_F(Document, BackgroundDecipherReturnsOnTheMainThread)
{
    auto doc = make();
    doc->AssignCipher(cipher(QStringLiteral("Fixture XOR")));
    doc->SetPlainPassword(QStringLiteral("k"));
    doc->SetUncText(QStringLiteral("im Hintergrund"));
    ASSERT_TRUE(doc->SaveToFile());
    auto back = make();
    ASSERT_TRUE(back->LoadFromFile());
    back->SetPassword(TPasswordVerifier::KeyOf(QStringLiteral("k")));
    QEventLoop loop;
    bool ok = false;
    ASSERT_TRUE(back->PerformAction(faDeCrypt, [&](TVYRADataFile &, const TDocumentResult &result) {
        ok = result.ok;
        loop.quit();
    }));
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(ok);
    EXPECT_EQ(back->UncryptedText(), QStringLiteral("im Hintergrund"));
    EXPECT_FALSE(back->GetModified());
}
