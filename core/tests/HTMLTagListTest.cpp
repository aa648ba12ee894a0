#include "TestSupport.h"
#include "completion/TVYRAHTMLTagList.h"
#include "utils/VYRAExceptions.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// The universal block stands first: it is still applied after all tags.
const QByteArray TagList = R"(<anything>
  <universalattributes>
    <attribute exclude="br; HR" helptext="Klassen">class</attribute>
    <attribute type="event" exclude="">onclick</attribute>
  </universalattributes>
  <tag name="a" helptext="Verweis">
    <attribute type="select" values="_blank|_self" helptext="Ziel">target</attribute>
    <attribute type="selectedit" values="a b|&quot;c d&quot;|e">rel</attribute>
    <attribute>href</attribute>
    <attribute type="integer">href</attribute>
    <attribute type="boolean">Href</attribute>
    <other>ignored</other>
  </tag>
  <tag name="br"/>
  <tag name="hr"><attribute type="unknown">class</attribute></tag>
  <tag name="p"><attribute type="color">class</attribute></tag>
  <tag name="a"/>
</anything>)";

TVYRAHTMLTagList loaded()
{
    TVYRAHTMLTagList list;
    list.LoadFromData(TagList);
    return list;
}

} // namespace

TEST(HTMLTagListTest, TagsKeepTheirFirstAttributeOfEachName)
{
    const TVYRAHTMLTagList list = loaded();
    ASSERT_EQ(list.GetCount(), 5);
    const TVYRAHTMLTag &a = list.GetTags(list.IndexOf(QStringLiteral("a")));
    EXPECT_EQ(a.HelpText, QStringLiteral("Verweis"));
    // target, rel, href, Href (names are case-sensitive), class, onclick
    EXPECT_EQ(a.GetCount(), 6);
    const TVYRAHTMLTagAttribute &href = a.GetAttributes(a.IndexOf(QStringLiteral("href")));
    EXPECT_EQ(href.AttributeType, atText);
    EXPECT_EQ(a.GetAttributes(a.IndexOf(QStringLiteral("Href"))).AttributeType, atBoolean);
    EXPECT_EQ(list.GetTags(list.IndexOf(QStringLiteral("br"))).HelpText, QString());
    // The first tag of a name is found; names are case-sensitive.
    EXPECT_EQ(list.IndexOf(QStringLiteral("a")), 0);
    EXPECT_EQ(list.IndexOf(QStringLiteral("A")), -1);
    EXPECT_EQ(a.IndexOf(QStringLiteral("HREF")), -1);
}

TEST(HTMLTagListTest, TypesAndValuesOfAttributes)
{
    const TVYRAHTMLTagList list = loaded();
    const TVYRAHTMLTag &a = list.GetTags(0);
    const TVYRAHTMLTagAttribute &target = a.GetAttributes(a.IndexOf(QStringLiteral("target")));
    EXPECT_EQ(target.AttributeType, atSelect);
    EXPECT_EQ(target.HelpText, QStringLiteral("Ziel"));
    EXPECT_EQ(target.Values, (QStringList{QStringLiteral("_blank"), QStringLiteral("_self")}));
    // selectedit is a select too; blanks split outside double quotes.
    const TVYRAHTMLTagAttribute &rel = a.GetAttributes(a.IndexOf(QStringLiteral("rel")));
    EXPECT_EQ(rel.AttributeType, atSelect);
    EXPECT_EQ(rel.Values, (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c d"),
                                       QStringLiteral("e")}));
    EXPECT_EQ(a.GetAttributes(a.IndexOf(QStringLiteral("onclick"))).AttributeType, atEvent);
    const TVYRAHTMLTag &hr = list.GetTags(list.IndexOf(QStringLiteral("hr")));
    EXPECT_EQ(hr.GetAttributes(0).AttributeType, atText);
    EXPECT_EQ(TVYRAHTMLTagAttribute::TypeFromName(QStringLiteral("color")), atColor);
    EXPECT_EQ(TVYRAHTMLTagAttribute::TypeFromName(QStringLiteral("Integer")), atText);
    EXPECT_EQ(TVYRAHTMLTagAttribute::SplitDelimited(QStringLiteral("x|"), u'|'),
              (QStringList{QStringLiteral("x"), QString()}));
}

TEST(HTMLTagListTest, UniversalAttributesGoToEveryTagNotExcludedAndNeverTwice)
{
    const TVYRAHTMLTagList list = loaded();
    const TVYRAHTMLTag &br = list.GetTags(list.IndexOf(QStringLiteral("br")));
    EXPECT_EQ(br.IndexOf(QStringLiteral("class")), -1);
    EXPECT_GE(br.IndexOf(QStringLiteral("onclick")), 0);
    // hr is excluded in another case, but lists class itself.
    const TVYRAHTMLTag &hr = list.GetTags(list.IndexOf(QStringLiteral("hr")));
    EXPECT_EQ(hr.GetCount(), 2);
    // p had class already: its own stays, no second one.
    const TVYRAHTMLTag &p = list.GetTags(list.IndexOf(QStringLiteral("p")));
    EXPECT_EQ(p.GetCount(), 2);
    EXPECT_EQ(p.GetAttributes(p.IndexOf(QStringLiteral("class"))).AttributeType, atColor);
    const TVYRAHTMLTag &a = list.GetTags(0);
    EXPECT_EQ(a.GetAttributes(a.IndexOf(QStringLiteral("class"))).HelpText, QStringLiteral("Klassen"));
}

TEST(HTMLTagListTest, FilesMissingOrDamaged)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("taglist.xml"));
    EXPECT_EQ(TVYRAHTMLTagList(file).GetCount(), 0);
    writeFile(file, TagList);
    TVYRAHTMLTagList list(file);
    EXPECT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.FileName(), file);
    writeFile(file, "<taglist><tag name='a'>");
    EXPECT_THROW(list.LoadTagList(), EInvalidVYRAFormat);
}

TEST(HTMLTagListTest, ShippedCatalogueCoversHtml5)
{
    const TVYRAHTMLTagList list(sourceDir() + QStringLiteral("/data/shipped/taglist.xml"));
    EXPECT_GT(list.GetCount(), 100);
    for (const char *name : {"article", "video", "dialog", "template", "input", "meta"})
        EXPECT_GE(list.IndexOf(QString::fromLatin1(name)), 0) << name;
    const TVYRAHTMLTag &input = list.GetTags(list.IndexOf(QStringLiteral("input")));
    const TVYRAHTMLTagAttribute &type = input.GetAttributes(input.IndexOf(QStringLiteral("type")));
    EXPECT_EQ(type.AttributeType, atSelect);
    EXPECT_TRUE(type.Values.contains(QStringLiteral("datetime-local")));
    EXPECT_EQ(input.GetAttributes(input.IndexOf(QStringLiteral("required"))).AttributeType, atBoolean);
    EXPECT_EQ(input.GetAttributes(input.IndexOf(QStringLiteral("maxlength"))).AttributeType, atInteger);
    EXPECT_EQ(input.GetAttributes(input.IndexOf(QStringLiteral("onclick"))).AttributeType, atEvent);
    EXPECT_GE(input.IndexOf(QStringLiteral("class")), 0);
    // Event handlers go to no element of the head.
    const TVYRAHTMLTag &title = list.GetTags(list.IndexOf(QStringLiteral("title")));
    EXPECT_EQ(title.IndexOf(QStringLiteral("onclick")), -1);
    EXPECT_GE(title.IndexOf(QStringLiteral("lang")), 0);
}
