#include "TestSupport.h"
#include "completion/TPHPCatalogueBuilder.h"
#include "completion/TPHPVersionCheck.h"
#include "completion/TVYRACodeCompletionService.h"
#include "completion/TVYRAPHPCodeCompletion.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pugixml.hpp>

using namespace TestSupport;

namespace {

const QString Php = QStringLiteral("/usr/bin/php");

QString generator()
{
    return sourceDir() + QStringLiteral("/data/shipped/php_codecompletion.php");
}

// The parameters of one function of a catalogue file as "name:type:optional".
QStringList paramsOf(const QString &catalogue, const char *function)
{
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_file(QFile::encodeName(catalogue).constData()));
    const pugi::xml_node node = doc.document_element().find_child_by_attribute("function", "name", function);
    QStringList params;
    for (pugi::xml_node p = node.first_child(); p; p = p.next_sibling())
        params.append(QStringLiteral("%1:%2:%3").arg(QString::fromUtf8(p.attribute("name").value()),
                                                      QString::fromUtf8(p.attribute("type").value()),
                                                      QString::fromUtf8(p.attribute("optional").value())));
    return params;
}

class PHPCatalogueBuilderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(Php)) << "php-cli is needed";
        ASSERT_TRUE(dir.isValid());
        target = dir.filePath(QStringLiteral("user/php_codecompletion.xml"));
    }
    QString script(const char *name, const QByteArray &text)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        writeFile(path, text);
        return path;
    }
    QTemporaryDir dir;
    QString target;
};

} // namespace

TEST_F(PHPCatalogueBuilderTest, GeneratorDescribesTheInterpretersFunctions)
{
    const TPHPCatalogueBuildResult result = TPHPCatalogueBuilder(Php, generator()).Build(target);
    ASSERT_TRUE(result) << result.error.toStdString();
    EXPECT_GT(result.functionCount, 1000);
    EXPECT_EQ(result.phpVersion, TPHPVersionCheck::InterpreterVersion(Php, 10000));
    EXPECT_FALSE(result.phpVersion.isEmpty());

    EXPECT_EQ(paramsOf(target, "str_replace"),
              (QStringList{QStringLiteral("$search:array|string:False"), QStringLiteral("$replace:array|string:False"),
                           QStringLiteral("$subject:array|string:False"), QStringLiteral("&$count:mixed:True")}));
    EXPECT_EQ(paramsOf(target, "strlen"), QStringList{QStringLiteral("$string:string:False")});
    const QStringList match = paramsOf(target, "preg_match");
    ASSERT_GE(match.size(), 3);
    EXPECT_EQ(match[2], QStringLiteral("&$matches:mixed:True"));
    EXPECT_TRUE(paramsOf(target, "sprintf").last().startsWith(QStringLiteral("...$values:")));
    EXPECT_TRUE(paramsOf(target, "sprintf").last().endsWith(QStringLiteral(":True")));
    EXPECT_TRUE(paramsOf(target, "phpversion").value(0).startsWith(QStringLiteral("$extension:?string:True")));

    // The catalogue loads as the PHP catalogue and shows the signature.
    TVYRACodeCompletionService service;
    service.LoadCustom(target, TVYRACodeCompletionService::PHPClass());
    auto &php = *static_cast<TVYRAPHPCodeCompletion *>(service.GetItem(0));
    EXPECT_EQ(php.PHPVersion(), result.phpVersion);
    const int index = php.FindFunction(QStringLiteral("STR_REPLACE"));
    ASSERT_GE(index, 0);
    EXPECT_TRUE(php.GetCompleter()->ItemList()[index].endsWith(
        QStringLiteral("(array|string $search, array|string $replace, array|string $subject, [ mixed &$count ])")));
    EXPECT_EQ(php.GetCompleter()->ItemList().size(), result.functionCount);
}

TEST_F(PHPCatalogueBuilderTest, AUserCatalogueWinsOverTheShippedOne)
{
    const QString common = dir.filePath(QStringLiteral("common/"));
    const QString user = dir.filePath(QStringLiteral("user/"));
    EXPECT_EQ(TPHPCatalogueBuilder::CatalogueToLoad(common, user), common + QStringLiteral("php_codecompletion.xml"));
    ASSERT_TRUE(TPHPCatalogueBuilder(Php, generator()).Build(user + TPHPCatalogueBuilder::FileName()));
    EXPECT_EQ(TPHPCatalogueBuilder::CatalogueToLoad(common, user), user + QStringLiteral("php_codecompletion.xml"));
}

TEST_F(PHPCatalogueBuilderTest, FailuresLeaveTheOldCatalogueWholeAndSayWhy)
{
    writeFile(target, "<codecompletion phpversion=\"1.0.0\"/>");
    const QByteArray old = readFile(target);

    TPHPCatalogueBuildResult result = TPHPCatalogueBuilder(Php, dir.filePath(QStringLiteral("none.php"))).Build(target);
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.error.contains(QStringLiteral("none.php"))) << result.error.toStdString();

    result = TPHPCatalogueBuilder(dir.filePath(QStringLiteral("no-php")), generator()).Build(target);
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.error.contains(QStringLiteral("no-php"))) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(target));

    result = TPHPCatalogueBuilder(Php, script("fails.php", "<?php fwrite(STDERR, \"kaputt\\n\"); exit(3);")).Build(target);
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.error.contains(QStringLiteral("Code 3"))) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QStringLiteral("kaputt")));

    result = TPHPCatalogueBuilder(Php, script("text.php", "<?php echo 'no catalogue';")).Build(target);
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.error.contains(QStringLiteral("text.php"))) << result.error.toStdString();
    result = TPHPCatalogueBuilder(Php, script("empty.php", "<?php echo '<codecompletion/>';")).Build(target);
    EXPECT_FALSE(result);

    QElapsedTimer timer;
    timer.start();
    result = TPHPCatalogueBuilder(Php, script("slow.php", "<?php sleep(20);"), 300).Build(target);
    EXPECT_FALSE(result);
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_TRUE(result.error.contains(QStringLiteral("beendet"))) << result.error.toStdString();

    EXPECT_EQ(readFile(target), old);
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("user"))).entryList(QDir::Files),
              QStringList{QStringLiteral("php_codecompletion.xml")});
}

TEST_F(PHPCatalogueBuilderTest, VersionCheckComparesInterpreterAndCatalogue)
{
    ASSERT_TRUE(TPHPCatalogueBuilder(Php, generator()).Build(target));
    TPHPVersionCheckResult check = TPHPVersionCheck::Check(Php, target);
    EXPECT_EQ(check.state, TPHPVersionState::pvsSame);
    EXPECT_EQ(check.catalogueVersion, check.interpreterVersion);

    writeFile(target, "<?xml version=\"1.0\"?>\n<!-- old -->\n<codecompletion phpversion=\"5.6.40\"><function/>");
    check = TPHPVersionCheck::Check(Php, target);
    EXPECT_EQ(check.state, TPHPVersionState::pvsDiffers);
    EXPECT_EQ(check.catalogueVersion, QStringLiteral("5.6.40"));

    writeFile(target, "<codecompletion><function name='x'/></codecompletion>");
    EXPECT_EQ(TPHPVersionCheck::Check(Php, target).state, TPHPVersionState::pvsUnknown);

    check = TPHPVersionCheck::Check(dir.filePath(QStringLiteral("no-php")), target);
    EXPECT_EQ(check.state, TPHPVersionState::pvsUnknown);
    EXPECT_TRUE(check.error.contains(QStringLiteral("no-php")));

    // The shipped catalogue records the version it was made from.
    EXPECT_FALSE(TPHPVersionCheck::CatalogueVersion(sourceDir() + QStringLiteral("/data/shipped/php_codecompletion.xml"))
                     .isEmpty());
}
