#include "TestSupport.h"
#include "analysis/TAttributeWriter.h"
#include "analysis/TTagInspection.h"
#include "analysis/TTagScanner.h"
#include "completion/TVYRAHTMLTagList.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Catalogue = R"(<taglist>
  <tag name="a" helptext="Verweis">
    <attribute type="text">href</attribute>
    <attribute type="select" values="_blank|_self">target</attribute>
    <attribute type="text">id</attribute>
  </tag>
  <tag name="br" helptext="Zeilenumbruch"><attribute>class</attribute></tag>
  <tag name="input" helptext="Eingabe">
    <attribute type="boolean">disabled</attribute>
    <attribute type="text">value</attribute>
    <attribute type="text">valid</attribute>
  </tag>
</taglist>)";

TVYRAHTMLTagList catalogue()
{
    TVYRAHTMLTagList tags;
    tags.LoadFromData(Catalogue);
    return tags;
}

QString tagAt(const QString &text, int caret)
{
    const TVYRAHTMLTagList tags = catalogue();
    const TTagInspection found = TTagInspection::Inspect(text, caret, tags);
    return found.Found() ? tags.GetTags(found.TagIndex).Name : QString();
}

} // namespace

TEST(TagScanTest, CaretPositionsAroundTags)
{
    const QString text = QStringLiteral("<a href=\"x\">link</a> <br>");
    EXPECT_EQ(tagAt(text, 0), "a");                     // on "<"
    EXPECT_EQ(tagAt(text, 4), "a");                     // inside
    EXPECT_EQ(tagAt(text, int(text.indexOf('>'))), "a"); // on ">"
    EXPECT_EQ(tagAt(text, int(text.indexOf("link")) + 1), QString()); // between tags
    EXPECT_EQ(tagAt(text, int(text.size()) - 1), "br");  // on the last ">"
    EXPECT_EQ(tagAt(text, int(text.size())), QString()); // at the end of the text, behind it
    EXPECT_EQ(tagAt(text, int(text.size()) + 5), QString());
    EXPECT_EQ(tagAt(QString(), 0), QString());
    EXPECT_EQ(tagAt(QStringLiteral("<a href"), 7), QString()); // never closed
    EXPECT_EQ(tagAt(QStringLiteral("<"), 1), QString());
}

TEST(TagScanTest, NameEndsAtTabAndSlashAndUnknownNamesGiveNoTag)
{
    EXPECT_EQ(tagAt(QStringLiteral("<br/>"), 1), "br");
    EXPECT_EQ(tagAt(QStringLiteral("<a\thref=\"x\">"), 1), "a");
    EXPECT_EQ(tagAt(QStringLiteral("<A HREF=x>"), 2), "a");
    EXPECT_EQ(tagAt(QStringLiteral("<blink>"), 2), QString());

    const TTagInspection found = TTagInspection::Inspect(QStringLiteral("xx<br/>"), 3, catalogue());
    EXPECT_EQ(found.TagStart, 2);
    EXPECT_EQ(found.TagLength, 5);
}

TEST(TagScanTest, AttributesAsWritten)
{
    const TTagInspection a =
        TTagInspection::Inspect(QStringLiteral("<a href=\"x.html\" target=_blank>"), 3, catalogue());
    EXPECT_EQ(a.Attributes, QStringList({"href=x.html", "target=_blank"}));
    EXPECT_EQ(a.Value("HREF"), "x.html");
    EXPECT_TRUE(a.Value("id").isNull());

    EXPECT_TRUE(TTagInspection::Inspect(QStringLiteral("<input disabled>"), 2, catalogue()).Attributes.isEmpty());
    EXPECT_EQ(TTagScanner::ParseAttributes(u" value=\"\""), QStringList({"value="}));
    EXPECT_EQ(TTagScanner::ParseAttributes(u" title='a b' id=x"), QStringList({"title=a b", "id=x"}));
    // What stands inside a quoted value is no attribute.
    EXPECT_EQ(TTagScanner::ParseAttributes(u" title=\"id=5 &quot;q&quot;\""), QStringList({"title=id=5 \"q\""}));
}

TEST(AttributeWriterTest, ReplacesOnlyTheAttributeOfThatName)
{
    // "id" inside "valid" and inside another value stays untouched.
    EXPECT_EQ(TAttributeWriter::Write("<input valid=\"1\" title=\"id=2\" id=\"3\">", "id", "4", atText),
              "<input valid=\"1\" title=\"id=2\" id=\"4\">");
    EXPECT_EQ(TAttributeWriter::Write("<a href='old one' target=_self>", "href", "new", atText),
              "<a href=\"new\" target=_self>");
    EXPECT_EQ(TAttributeWriter::Write("<a href=old.html>", "href", "new.html", atText), "<a href=\"new.html\">");
    EXPECT_EQ(TAttributeWriter::Write("<a ID=1 id=2>", "id", "9", atText), "<a id=\"9\" id=2>");
    // A name with pattern characters is taken literally.
    EXPECT_EQ(TAttributeWriter::Write("<a x.y=1 xzy=2>", "x.y", "3", atText), "<a x.y=\"3\" xzy=2>");
}

TEST(AttributeWriterTest, QuotesAreEscapedAndReadBack)
{
    const QString written = TAttributeWriter::Write("<a title=\"\">", "title", "say \"hi\"", atText);
    EXPECT_EQ(written, "<a title=\"say &quot;hi&quot;\">");
    EXPECT_EQ(TTagScanner::ParseAttributes(QStringView(written).mid(2, written.size() - 3)),
              QStringList({"title=say \"hi\""}));
}

TEST(AttributeWriterTest, BooleanValuesOnlyForBooleanAttributes)
{
    EXPECT_EQ(TAttributeWriter::Write("<input disabled value=x>", "disabled", "False", atBoolean),
              "<input value=x>");
    EXPECT_EQ(TAttributeWriter::Write("<input disabled=\"disabled\">", "disabled", "False", atBoolean), "<input>");
    EXPECT_EQ(TAttributeWriter::Write("<input>", "disabled", "True", atBoolean), "<input disabled=\"disabled\">");
    EXPECT_EQ(TAttributeWriter::Write("<input value=a>", "value", "False", atText), "<input value=\"False\">");
    EXPECT_EQ(TAttributeWriter::Write("<input>", "value", "True", atText), "<input value=\"True\">");
    // Clearing a value removes the attribute; nothing to remove changes nothing.
    EXPECT_EQ(TAttributeWriter::Write("<a href=\"x\" id=y>", "href", "", atText), "<a id=y>");
    EXPECT_EQ(TAttributeWriter::Write("<a>", "href", "", atText), "<a>");
}

TEST(AttributeWriterTest, NewAttributeGoesRightBehindTheName)
{
    EXPECT_EQ(TAttributeWriter::Write("<a href=\"x\">", "id", "top", atText), "<a id=\"top\" href=\"x\">");
    EXPECT_EQ(TAttributeWriter::Write("<br>", "class", "c", atText), "<br class=\"c\">");
    EXPECT_EQ(TAttributeWriter::Write("<br/>", "class", "c", atText), "<br class=\"c\" />");
    EXPECT_EQ(TAttributeWriter::Write("<a\nhref=x>", "id", "i", atText), "<a id=\"i\"\nhref=x>");
    EXPECT_EQ(TAttributeWriter::Write("no tag", "id", "i", atText), "no tag");
}
