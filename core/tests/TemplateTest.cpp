#include "documents/TVYRATemplate.h"
#include "utils/VYRAExceptions.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Template, RoundTripAndWrongFormat)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TVYRATemplate::CreateTemplate(dir.filePath(QStringLiteral("t.qtf")), QStringLiteral("Klasse"),
                                              QStringLiteral("class {->template_name<-} {}"), QStringLiteral("php"),
                                              false));
    TVYRATemplate back(dir.filePath(QStringLiteral("t.qtf")), QString(), nullptr, nullptr, nullptr, true);
    ASSERT_TRUE(back.LoadFromFile());
    EXPECT_EQ(back.TemplateName(), QStringLiteral("Klasse"));
    EXPECT_EQ(back.TemplateHighlighter(), QStringLiteral("php"));
    EXPECT_FALSE(back.TemplateEditorMode());
    EXPECT_EQ(back.ProcessText(), QStringLiteral("class Klasse {}"));
    EXPECT_FALSE(back.PerformAction(faDeCrypt, {}));

    TestSupport::writeFile(dir.filePath(QStringLiteral("x.qtf")), QByteArray("\x0f\0\0\0Talvex Dokument", 19));
    TVYRATemplate wrong(dir.filePath(QStringLiteral("x.qtf")), QString(), nullptr, nullptr, nullptr, true);
    try {
        wrong.LoadFromFile();
        FAIL();
    } catch (const EInvalidVYRAFormat &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Datenstrom enhält keine gültige VYRA kompatible Template Datei"));
    }
}

TEST(Template, EveryPlaceholderWithItsOwnArgumentInOnePass)
{
    TTemplateValues values;
    values.templateName = QStringLiteral("N");
    values.now = QDateTime(QDate(2024, 3, 9), QTime(14, 5, 6));
    const QString text = QStringLiteral("{->datetime:'yyyy'<-}/{->datetime:'yyyy'<-} {->datetime:'dd.mm.yyyy hh:nn'<-} "
                                        "{->template_name<-}{->template_name<-} {->unbekannt<-} {->datetime:'yy");
    EXPECT_EQ(TTemplatePlaceholders::Process(text, values),
              QStringLiteral("2024/2024 09.03.2024 14:05 NN {->unbekannt<-} {->datetime:'yy"));
}

TEST(Template, IncludeIsNotSearchedAgain)
{
    QTemporaryDir dir;
    // The included file holds placeholders, including one naming itself.
    TestSupport::writeFile(dir.filePath(QStringLiteral("kopf.txt")),
                           "Kopf {->include:'kopf.txt'<-} {->template_name<-}\n");
    TestSupport::writeFile(dir.filePath(QStringLiteral("fuss.txt")), "Fu\xdf"); // Windows-1252
    TTemplateValues values;
    values.baseFolder = dir.path();
    values.templateName = QStringLiteral("T");
    const QString result = TTemplatePlaceholders::Process(
        QStringLiteral("{->include:'kopf.txt'<-}|{->include:'fuss.txt'<-}|{->include:'fehlt.txt'<-}"), values);
    EXPECT_EQ(result, QStringLiteral("Kopf {->include:'kopf.txt'<-} {->template_name<-}\n|Fuß|"));
}

TEST(Template, InstallTemplateAndUnencodableName)
{
    QTemporaryDir dir;
    TestSupport::writeFile(dir.filePath(QStringLiteral("quelle.php")), "<?php\n");
    EXPECT_FALSE(TVYRATemplate::InstallTemplate(dir.filePath(QStringLiteral("fehlt.php")), dir.path(), true,
                                                QStringLiteral("X"), QStringLiteral("php")));
    ASSERT_TRUE(TVYRATemplate::InstallTemplate(dir.filePath(QStringLiteral("quelle.php")), dir.filePath(QStringLiteral("T")),
                                               true, QStringLiteral("PHP-Datei"), QStringLiteral("php")));
    TVYRATemplate back(dir.filePath(QStringLiteral("T/quelle.qtf")), QString(), nullptr, nullptr, nullptr, true);
    ASSERT_TRUE(back.LoadFromFile());
    EXPECT_EQ(back.TemplateText(), QStringLiteral("<?php\n"));

    const TDocumentResult bad = TVYRATemplate::CreateTemplate(dir.filePath(QStringLiteral("T/quelle.qtf")),
                                                              QStringLiteral("Шаблон"), QStringLiteral("x"),
                                                              QStringLiteral("php"), true);
    EXPECT_FALSE(bad.ok);
    EXPECT_TRUE(bad.errorText.contains(QStringLiteral("Name")));
    ASSERT_TRUE(back.LoadFromFile());
    EXPECT_EQ(back.TemplateName(), QStringLiteral("PHP-Datei"));
}

namespace {

QByteArray templateField(const QByteArray &windows1252)
{
    const qint32 size = qint32(windows1252.size());
    QByteArray out(reinterpret_cast<const char *>(&size), 4); // little endian on every machine we build for
    return out + windows1252;
}

} // namespace

TEST(Template, StoredBytesArePinned)
{
    // Built field by field without the library's writer; umlauts and the euro
    // sign in Windows-1252, line breaks as they were typed.
    const QByteArray stored = templateField("Talvex Template") + templateField("1.0") + templateField("1")
        + templateField("Seitenkopf f\xfcr Gr\xfc\xdf" "e") + templateField("html")
        + templateField("<h1>{->template_name<-}</h1>\r\n<p>Preis: 5 \x80</p>\n");
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("kopf.qtf"));
    TestSupport::writeFile(source, stored);

    TVYRATemplate back(source, QString(), nullptr, nullptr, nullptr, true);
    ASSERT_TRUE(back.LoadFromFile());
    EXPECT_EQ(back.GetFileVersion(), QStringLiteral("1.0"));
    EXPECT_TRUE(back.TemplateEditorMode());
    EXPECT_EQ(back.TemplateName(), QStringLiteral("Seitenkopf für Grüße"));
    EXPECT_EQ(back.TemplateHighlighter(), QStringLiteral("html"));
    EXPECT_EQ(back.TemplateText(), QStringLiteral("<h1>{->template_name<-}</h1>\r\n<p>Preis: 5 €</p>\n"));

    const QString copy = dir.filePath(QStringLiteral("kopie.qtf"));
    QString version;
    ASSERT_TRUE(back.SaveToFile(copy, version));
    EXPECT_EQ(TestSupport::readFile(copy), stored);
}
