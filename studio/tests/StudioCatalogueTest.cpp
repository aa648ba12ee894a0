#include "catalogues/TDocTypeList.h"
#include "catalogues/TSpecialCharacterList.h"
#include "framework/TVYRACore.h"
#include "TestSupport.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pugixml.hpp>

using TestSupport::sourceDir;
using TestSupport::writeFile;

namespace {

class StudioCatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_core = std::make_unique<TVYRACore>(TVYRACoreConfig{nullptr, m_root.filePath("app"),
                                                             m_root.filePath("common"), m_root.filePath("user"),
                                                             TVYRAEditorTypes::etBoth, false, {}});
    }
    QString dataFile(const char *name) const { return m_core->GetAppDataDir() + QString::fromLatin1(name); }
    void writeDocTypes(const QByteArray &content) const { writeFile(dataFile("doctypes.xml"), content); }
    void writeCharTab(const QByteArray &content) const { writeFile(dataFile("chartab.xml"), content); }
    void copyShipped(const char *name) const
    {
        ASSERT_TRUE(QFile::copy(sourceDir() + "/data/shipped/" + name, dataFile(name))) << name;
    }

    QTemporaryDir m_root;
    std::unique_ptr<TVYRACore> m_core;
};

} // namespace

TEST_F(StudioCatalogueTest, MissingFilesGiveEmptyCataloguesWithoutComplaint)
{
    TDocTypeList docTypes(m_core.get());
    TSpecialCharacterList characters(m_core.get());
    EXPECT_EQ(docTypes.GetCount(), 0);
    EXPECT_EQ(characters.GetCount(), 0);
    EXPECT_TRUE(docTypes.ErrorText().isEmpty());
    EXPECT_TRUE(characters.ErrorText().isEmpty());
    EXPECT_EQ(characters.IndexOf(160), -1);

    TDocTypeList noCore(nullptr);
    EXPECT_EQ(noCore.GetCount(), 0);
    EXPECT_TRUE(noCore.ReloadFromXml());
}

TEST_F(StudioCatalogueTest, DamagedFilesGiveEmptyCataloguesAndNameTheFile)
{
    writeDocTypes("<doctypes><doctype name=\"HTML 5\">&lt;!DOCTYPE html&gt;</doctype>");
    writeCharTab("<chartab><char entity=\"&amp;nbsp;\" ascii=\"160\"/><char entity=</chartab>");
    std::unique_ptr<TDocTypeList> docTypes;
    std::unique_ptr<TSpecialCharacterList> characters;
    ASSERT_NO_THROW(docTypes = std::make_unique<TDocTypeList>(m_core.get()));
    ASSERT_NO_THROW(characters = std::make_unique<TSpecialCharacterList>(m_core.get()));
    EXPECT_EQ(docTypes->GetCount(), 0);
    EXPECT_EQ(characters->GetCount(), 0);
    EXPECT_TRUE(docTypes->ErrorText().contains(dataFile("doctypes.xml"))) << docTypes->ErrorText().toStdString();
    EXPECT_TRUE(characters->ErrorText().contains(dataFile("chartab.xml")));
    EXPECT_TRUE(characters->ErrorText().contains(QStringLiteral("beschädigt")));

    // Mended on disk, the next reload reads it; damaged again, nothing stale stays.
    writeCharTab("<chartab><char entity=\"&amp;nbsp;\" ascii=\"160\"/></chartab>");
    EXPECT_TRUE(characters->ReloadFromXml());
    EXPECT_EQ(characters->GetCount(), 1);
    EXPECT_TRUE(characters->ErrorText().isEmpty());
    writeCharTab("<chartab><char entity=\"&amp;nbsp;\" ascii=\"160\"></chartab>");
    EXPECT_FALSE(characters->ReloadFromXml());
    EXPECT_EQ(characters->GetCount(), 0);
    EXPECT_EQ(characters->IndexOf(160), -1);
}

TEST_F(StudioCatalogueTest, DocTypesKeepFileOrderAndSkipChildrenWithoutName)
{
    writeDocTypes("<doctypes>\n"
                  "  <doctype name=\"HTML 5\">&lt;!DOCTYPE html&gt;</doctype>\n"
                  "  <doctype>&lt;!DOCTYPE ohne-namen&gt;</doctype>\n"
                  "  <!-- Kommentar -->\n"
                  "  <other name=\"Eigener Typ\"><![CDATA[<!DOCTYPE eigen SYSTEM \"x.dtd\">]]></other>\n"
                  "  <doctype name=\"Leer\"/>\n"
                  "</doctypes>");
    TDocTypeList list(m_core.get());
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetItems(0)->DocTypeName, QStringLiteral("HTML 5"));
    EXPECT_EQ(list.GetItems(0)->DocTypeText, QStringLiteral("<!DOCTYPE html>"));
    EXPECT_EQ(list.GetItems(1)->DocTypeName, QStringLiteral("Eigener Typ"));
    EXPECT_EQ(list.GetItems(1)->DocTypeText, QStringLiteral("<!DOCTYPE eigen SYSTEM \"x.dtd\">"));
    EXPECT_EQ(list.GetItems(2)->DocTypeText, QString());
    EXPECT_EQ(list.GetItems(3), nullptr);
    EXPECT_EQ(list.GetItems(-1), nullptr);
}

TEST_F(StudioCatalogueTest, CharactersKeepTheFirstEntryOfACodeAndSkipIncompleteChildren)
{
    writeCharTab("<chartab>"
                 "<char entity=\"&amp;nbsp;\" ascii=\"160\"/>"
                 "<char entity=\"&amp;NonBreakingSpace;\" ascii=\"160\"/>"
                 "<char entity=\"&amp;ohne;\"/>"
                 "<char ascii=\"65\"/>"
                 "<char/>"
                 "<char entity=\"&amp;text;\" ascii=\"sechzig\"/>"
                 "<char entity=\"&amp;neg;\" ascii=\"-1\"/>"
                 "<char entity=\"&amp;hoch;\" ascii=\"1114112\"/>"
                 "<char entity=\"&amp;halb;\" ascii=\"55296\"/>"
                 "<char entity=\"&amp;Afr;\" ascii=\"120068\"/>"
                 "<char entity=\"&amp;amp;\" ascii=\" 38 \"/>"
                 "<char entity=\"&amp;euro;\" ascii=\"$20AC\"/>"
                 "<char entity=\"&amp;copy;\" ascii=\"0xa9\"/>"
                 "<char entity=\"&amp;hex;\" ascii=\"$\"/>"
                 "</chartab>");
    TSpecialCharacterList list(m_core.get());
    ASSERT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.GetItems(0)->Entity, QStringLiteral("&nbsp;"));
    EXPECT_EQ(list.GetItems(0)->Code, 160u);
    EXPECT_EQ(list.GetItems(0)->Character(), QString(QChar(0xA0)));
    EXPECT_EQ(list.GetItems(1)->Entity, QStringLiteral("&Afr;"));
    EXPECT_EQ(list.GetItems(1)->Character(), QString::fromUtf8("\xF0\x9D\x94\x84"));
    EXPECT_EQ(list.IndexOf(160), 0);
    EXPECT_EQ(list.IndexOf(38), 2);
    EXPECT_EQ(list.IndexOf(0x20AC), 3);
    EXPECT_EQ(list.IndexOf(0xA9), 4);
    EXPECT_EQ(list.IndexOf(65), -1);
    EXPECT_EQ(list.GetItems(5), nullptr);
}

TEST_F(StudioCatalogueTest, ShippedDocTypesHoldHtml5AndTheHtml4AndXhtmlTypes)
{
    copyShipped("doctypes.xml");
    TDocTypeList list(m_core.get());
    EXPECT_TRUE(list.ErrorText().isEmpty()) << list.ErrorText().toStdString();
    QStringList names;
    for (int i = 0; i < list.GetCount(); ++i) {
        names.append(list.GetItems(i)->DocTypeName);
        const QString text = list.GetItems(i)->DocTypeText;
        EXPECT_TRUE(text.startsWith(QStringLiteral("<!DOCTYPE ")) && text.endsWith(QLatin1Char('>'))) << i;
    }
    EXPECT_EQ(names, (QStringList{"HTML 5", "HTML 4.01 Strict", "HTML 4.01 Transitional", "HTML 4.01 Frameset",
                                  "XHTML 1.0 Strict", "XHTML 1.0 Transitional", "XHTML 1.0 Frameset", "XHTML 1.1"}));
    EXPECT_EQ(list.GetItems(0)->DocTypeText, QStringLiteral("<!DOCTYPE html>"));
    EXPECT_EQ(list.GetItems(2)->DocTypeText,
              QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                             "\"http://www.w3.org/TR/html4/loose.dtd\">"));
    EXPECT_EQ(list.GetItems(7)->DocTypeText,
              QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.1//EN\" "
                             "\"http://www.w3.org/TR/xhtml11/DTD/xhtml11.dtd\">"));
}

TEST_F(StudioCatalogueTest, ShippedCharacterTableHoldsEveryNamedReference)
{
    copyShipped("chartab.xml");
    TSpecialCharacterList list(m_core.get());
    EXPECT_TRUE(list.ErrorText().isEmpty()) << list.ErrorText().toStdString();

    pugi::xml_document raw;
    ASSERT_TRUE(raw.load_file(dataFile("chartab.xml").toLocal8Bit().constData()));
    int children = 0;
    QSet<QString> codes;
    for (pugi::xml_node child : raw.document_element().children("char")) {
        ++children;
        codes.insert(QString::fromUtf8(child.attribute("ascii").value()));
    }
    EXPECT_GT(children, 2000);
    // Names that share a character count once, under the first of them.
    EXPECT_EQ(list.GetCount(), codes.size());
    EXPECT_GT(list.GetCount(), 1400);

    const auto entityOf = [&list](quint32 code) {
        const int index = list.IndexOf(code);
        return index < 0 ? QString() : list.GetItems(index)->Entity;
    };
    EXPECT_EQ(entityOf(160), QStringLiteral("&nbsp;"));
    EXPECT_EQ(entityOf(38), QStringLiteral("&amp;"));
    EXPECT_EQ(entityOf(60), QStringLiteral("&lt;"));
    EXPECT_EQ(entityOf(169), QStringLiteral("&copy;"));
    EXPECT_EQ(entityOf(8364), QStringLiteral("&euro;"));
    EXPECT_EQ(entityOf(0x1D504), QStringLiteral("&Afr;"));
    for (int i = 0; i < list.GetCount(); ++i) {
        const QString entity = list.GetItems(i)->Entity;
        EXPECT_TRUE(entity.startsWith(QLatin1Char('&')) && entity.endsWith(QLatin1Char(';'))) << i;
        EXPECT_EQ(list.IndexOf(list.GetItems(i)->Code), i);
    }
}
