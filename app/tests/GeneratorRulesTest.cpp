#include "generators/TFontList.h"
#include "generators/TGeneratorElements.h"
#include "generators/THTMLColorConversions.h"
#include "generators/THtmlElementFinder.h"
#include "generators/TLangCountryAbbr.h"
#include "generators/TStyleSheetDialog.h"

#include <gtest/gtest.h>

TEST(TableGenerator, TwoRowsOfThreeCellsWithoutOptions)
{
    TTableOptions table;
    table.rows = QStringLiteral("2");
    table.columns = QStringLiteral("3");
    const QString row = QStringLiteral("  <tr>\r\n    <td></td>\r\n    <td></td>\r\n    <td></td>\r\n  </tr>\r\n");
    EXPECT_EQ(table.Html(), QStringLiteral("<table cellpadding=\"0\" cellspacing=\"0\">\r\n") + row + row
                                + QStringLiteral("</table>"));
}

TEST(TableGenerator, AttributesComeInTheirOrderAndUserTextsCannotBreakThem)
{
    TTableOptions table;
    table.alignment = 2;
    table.useBackground = true;
    table.background = QStringLiteral("#FFCC00");
    table.useSummary = true;
    table.summary = QStringLiteral("Preise in \"Euro\"");
    table.cellPadding = QStringLiteral("2");
    table.useBorder = true;
    EXPECT_EQ(table.Attributes(),
              QStringLiteral("align=\"center\" bgcolor=\"#FFCC00\" summary=\"Preise in &quot;Euro&quot;\" "
                             "cellpadding=\"2\" cellspacing=\"0\" style=\"border-style: solid; border-color: black; "
                             "border-width: 1;\""));
}

TEST(TableGenerator, RowsAndColumnsAreBoundedWithAMessage)
{
    TTableOptions table;
    EXPECT_TRUE(table.Check().isEmpty());
    table.rows = QStringLiteral("100000");
    EXPECT_TRUE(table.Check().contains(QStringLiteral("Zeilenanzahl \"100000\"")));
    table.rows = QStringLiteral("1000");
    table.columns = QStringLiteral("abc");
    EXPECT_TRUE(table.Check().contains(QStringLiteral("Spaltenanzahl \"abc\"")));
    table.columns = QStringLiteral("0");
    EXPECT_FALSE(table.Check().isEmpty());
    EXPECT_EQ(TTableOptions::Count(QStringLiteral("x")), 0);

    // The preview shows 100 rows still, more only as a warning.
    table.columns = QStringLiteral("1");
    table.rows = QStringLiteral("100");
    EXPECT_TRUE(table.PreviewHtml().startsWith(QStringLiteral("<table")));
    EXPECT_TRUE(table.PreviewHtml().contains(QStringLiteral("<td>Talvex Studio</td>")));
    table.rows = QStringLiteral("101");
    EXPECT_TRUE(table.PreviewHtml().startsWith(QStringLiteral("<b>Warnung:</b>")));
}

TEST(TableBorder, EachDeclarationTakesItsShortestForm)
{
    using S = TTableBorderStyles;
    EXPECT_EQ(S::Declaration(QStringLiteral("x"), {QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("a")}),
              QStringLiteral("x: a; "));
    EXPECT_EQ(S::Declaration(QStringLiteral("x"), {QStringLiteral("t"), QStringLiteral("s"), QStringLiteral("t"), QStringLiteral("s")}),
              QStringLiteral("x: t s; "));
    EXPECT_EQ(S::Declaration(QStringLiteral("x"), {QStringLiteral("t"), QStringLiteral("s"), QStringLiteral("b"), QStringLiteral("s")}),
              QStringLiteral("x: t s b; "));
    EXPECT_EQ(S::Declaration(QStringLiteral("x"), {QStringLiteral("t"), QStringLiteral("r"), QStringLiteral("b"), QStringLiteral("l")}),
              QStringLiteral("x: t r b l; "));

    S border;
    border.Side(S::bsLeft).StyleIndex = 2;
    border.Side(S::bsRight).StyleIndex = 2;
    border.Side(S::bsTop).BorderWidth = S::NormalizeWidth(QStringLiteral(" 3 "));
    EXPECT_EQ(border.Css(), QStringLiteral("border-style: solid dotted; border-color: black; border-width: 3px 1 1;"));
    EXPECT_EQ(S::NormalizeWidth(QStringLiteral("2em")), QStringLiteral("2em"));
}

TEST(TableBorder, LabelAndEditorsFollowTheSelectedSides)
{
    TTableBorderStyles border;
    EXPECT_EQ(border.SelectionLabel(), QStringLiteral("[Kein Rahmenbereich ausgewählt]"));
    EXPECT_EQ(border.EditorSide(), -1);
    border.Side(TTableBorderStyles::bsBottom).Active = true;
    border.Side(TTableBorderStyles::bsLeft).Active = true;
    EXPECT_EQ(border.SelectionLabel(), QStringLiteral("[Ausgewählte Rahmen: Links, Unten]"));
    EXPECT_EQ(border.EditorSide(), TTableBorderStyles::bsBottom);
    border.SelectAll();
    EXPECT_EQ(border.SelectionLabel(), QStringLiteral("[Ausgewählte Rahmen: Links, Unten, Rechts, Oben]"));
    EXPECT_EQ(border.EditorSide(), TTableBorderStyles::bsTop);
    EXPECT_EQ(TTableBorderStyles::StyleKeyword(9), QStringLiteral("outset"));
}

TEST(HtmlColors, KeywordsAndHashFormsConvertBothWays)
{
    using C = THTMLColorConversions;
    ASSERT_EQ(C::KeywordCount(), 141);
    EXPECT_STREQ(C::Keyword(0).name, "aliceblue");
    EXPECT_STREQ(C::Keyword(140).name, "yellowgreen");
    EXPECT_EQ(C::HTMLToColor(QStringLiteral("#ff0000")), QColor(Qt::red));
    EXPECT_EQ(C::HTMLToColor(QStringLiteral("ff0000")), QColor(Qt::red));
    EXPECT_EQ(C::HTMLToColor(QStringLiteral("RED")), QColor(Qt::red));
    EXPECT_EQ(C::HTMLToColor(QStringLiteral("LightGrey")), QColor(0xD3, 0xD3, 0xD3));
    EXPECT_EQ(C::HTMLToColor(QStringLiteral("#gg0000")), QColor(Qt::black));
    EXPECT_EQ(C::HTMLToColor(QStringLiteral("nocolor")), QColor(Qt::black));
    // Three digits stand for six: "#fff" is white, not black.
    EXPECT_EQ(C::HTMLToColor(QStringLiteral("#fff")), QColor(Qt::white));
    EXPECT_EQ(C::HTMLToColor(QStringLiteral("#1a3")), QColor(0x11, 0xAA, 0x33));
    EXPECT_TRUE(C::IsHTMLColor(QStringLiteral("#fff")));
    EXPECT_FALSE(C::IsHTMLColor(QStringLiteral("#ffff")));

    EXPECT_EQ(C::ColorToHTML(QColor(Qt::red)), QStringLiteral("red"));
    EXPECT_EQ(C::ColorToHTML(QColor(0, 255, 255)), QStringLiteral("aqua"));
    EXPECT_EQ(C::ColorToHTML(QColor(0x12, 0xAB, 0x0C)), QStringLiteral("#12AB0C"));
    EXPECT_EQ(C::ColorToHTML(QColor()), QStringLiteral("#000000"));
}

TEST(MetaTags, LinesCarryTheDocumentsCharsetLanguageAndRobots)
{
    TMetaTagOptions meta;
    meta.author = QStringLiteral("Anna \"A\" Muster");
    meta.countryCode = QStringLiteral("DE");
    meta.indexing = TMetaTagOptions::miNoIndexFollow;
    meta.noCache = true;
    meta.charset = QStringLiteral("windows-1252");
    meta.generator = QStringLiteral("Talvex Studio 1.0");
    const QStringList lines = meta.Html().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], QStringLiteral("<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1252\" />"));
    EXPECT_EQ(lines[1], QStringLiteral("<meta name=\"author\" content=\"Anna &quot;A&quot; Muster\" />"));
    EXPECT_EQ(lines[5], QStringLiteral("<meta http-equiv=\"cache-control\" content=\"no-cache\" />"));
    EXPECT_EQ(lines[7], QStringLiteral("<meta http-equiv=\"content-language\" content=\"de-DE\" />"));
    EXPECT_EQ(lines[8], QStringLiteral("<meta name=\"robots\" content=\"NOINDEX,FOLLOW\" />"));
    EXPECT_EQ(lines[9], QStringLiteral("<meta name=\"revisit-after\" content=\"2 days\" />"));
    EXPECT_EQ(lines[10], QStringLiteral("<meta name=\"generator\" content=\"Talvex Studio 1.0\" />"));

    meta.countryCode.clear();
    meta.noCache = false;
    meta.indexing = TMetaTagOptions::miIndexNoFollow;
    EXPECT_EQ(meta.ContentLanguage(), QStringLiteral("de"));
    EXPECT_EQ(meta.Robots(), QStringLiteral("INDEX,NOFOLLOW"));
    EXPECT_EQ(meta.Html().count(QStringLiteral("\r\n")), 9);
}

TEST(LanguageAndCountryTables, HoldTheCodesInOrderWithGermanNames)
{
    const auto &languages = TLangCountryAbbr::Languages();
    ASSERT_EQ(languages.size(), 141u);
    EXPECT_STREQ(languages.front().code, "aa");
    EXPECT_STREQ(languages.back().name, "Zulu");
    EXPECT_STREQ(languages[21].code, "de");
    EXPECT_EQ(languages[21].Name(), QStringLiteral("Deutsch"));
    const auto &countries = TLangCountryAbbr::Countries();
    EXPECT_STREQ(countries.front().name, "Andorra");
    EXPECT_STREQ(countries.back().code, "ZW");
    for (size_t i = 1; i < countries.size(); ++i)
        EXPECT_LT(qstrcmp(countries[i - 1].code, countries[i].code), 0) << countries[i].code;
    EXPECT_EQ(TLangCountryAbbr::CountryIndex(QStringLiteral("at")), 11);
}

TEST(LinkImageAndStyleSheet, TagsFollowTheirTemplates)
{
    TLinkOptions link;
    link.kind = TLinkOptions::lkAnchor;
    link.anchor = QStringLiteral("oben");
    link.target = QStringLiteral("  ");
    EXPECT_EQ(link.Html(QStringLiteral("%cursor%")), QStringLiteral("<a href=\"#oben\">%cursor%</a>"));
    link.kind = TLinkOptions::lkExternal;
    link.protocol = QStringLiteral("mailto:");
    link.address = QStringLiteral("a@b.de");
    link.target = QStringLiteral("_blank");
    EXPECT_EQ(link.OpeningTag(), QStringLiteral("<a href=\"mailto:a@b.de\" target=\"_blank\">"));

    TImageOptions image;
    image.source = QStringLiteral("bild.png");
    image.alt = QStringLiteral("Ein \"Bild\"");
    EXPECT_EQ(image.Html(), QStringLiteral("<img src=\"bild.png\" alt=\"Ein &quot;Bild&quot;\" border=\"0\"  />"));
    image.hspace = QStringLiteral("5");
    image.alignment = 2;
    image.manualSize = true;
    image.width = 20;
    image.height = 10;
    EXPECT_EQ(image.Html(), QStringLiteral("<img src=\"bild.png\" alt=\"Ein &quot;Bild&quot;\" border=\"0\" "
                                           "align=\"middle\" hspace=\"5\" width=\"20\" height=\"10\"  />"));
    EXPECT_EQ(TStyleSheetDialog::Html(QStringLiteral("css/a.css")),
              QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"css/a.css\" />"));
}

TEST(FontList, NamesAreUniqueMovableAndQuotedWhenTheyHoldBlanks)
{
    TFontList fonts;
    EXPECT_TRUE(fonts.Add(QStringLiteral("Verdana")));
    EXPECT_TRUE(fonts.Add(QStringLiteral(" Times New Roman ")));
    EXPECT_FALSE(fonts.Add(QStringLiteral("Verdana")));
    EXPECT_FALSE(fonts.Add(QStringLiteral("   ")));
    EXPECT_TRUE(fonts.Add(QStringLiteral("serif")));
    EXPECT_EQ(fonts.Text(), QStringLiteral("Verdana, 'Times New Roman', serif"));
    EXPECT_EQ(fonts.Move(0, -1), 0);
    EXPECT_EQ(fonts.Move(2, 1), 2);
    EXPECT_EQ(fonts.Move(1, -1), 0);
    EXPECT_EQ(fonts.Fonts().first(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(TFontList::Parse(fonts.Text()), fonts.Fonts());

    QStringList groups;
    EXPECT_TRUE(fonts.AddAsGroup(groups));
    EXPECT_FALSE(fonts.AddAsGroup(groups));
    EXPECT_EQ(groups.size(), 1);
    EXPECT_FALSE(TFontList().AddAsGroup(groups));
}

TEST(ElementFinder, FindsTheInnermostElementAroundTheCaret)
{
    const QString text = QStringLiteral("<p><table id=\"o\"><tr><td><TABLE id=\"i\" title='a>b'><tr><td>x</td></tr></TABLE>"
                                        "</td></tr></table></p>");
    const int inInner = int(text.indexOf(QLatin1Char('x')));
    const auto inner = THtmlElementFinder::Enclosing(text, inInner, QStringLiteral("table"));
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->attributes.value(QStringLiteral("id")), QStringLiteral("i"));
    EXPECT_EQ(inner->attributes.value(QStringLiteral("title")), QStringLiteral("a>b"));
    EXPECT_EQ(text.mid(inner->start, inner->length).right(8), QStringLiteral("</TABLE>"));
    const auto outer = THtmlElementFinder::Enclosing(text, int(text.indexOf(QStringLiteral("</td></tr></table>"))),
                                                     QStringLiteral("table"));
    ASSERT_TRUE(outer);
    EXPECT_EQ(outer->attributes.value(QStringLiteral("id")), QStringLiteral("o"));
    EXPECT_FALSE(THtmlElementFinder::Enclosing(text, 1, QStringLiteral("table")));
    EXPECT_FALSE(THtmlElementFinder::Enclosing(text, inInner, QStringLiteral("a")));

    const QString img = QStringLiteral("x <img src=\"a.png\" alt=\"&quot;A&quot;\" /> y");
    const auto image = THtmlElementFinder::Enclosing(img, 5, QStringLiteral("img"), true);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->start, 2);
    EXPECT_EQ(image->attributes.value(QStringLiteral("alt")), QStringLiteral("\"A\""));
    EXPECT_FALSE(THtmlElementFinder::Enclosing(img, 1, QStringLiteral("img"), true));
}

TEST(ElementFinder, GeneratorValuesComeBackFromTheirOwnOutput)
{
    TTableOptions table;
    table.rows = QStringLiteral("2");
    table.columns = QStringLiteral("3");
    table.alignment = 3;
    table.useSummary = true;
    table.summary = QStringLiteral("a \"b\"");
    table.useBorder = true;
    table.border.Side(TTableBorderStyles::bsTop).StyleIndex = 4;
    table.border.Side(TTableBorderStyles::bsLeft).BorderColor = QStringLiteral("#FF0000");
    const QString html = table.Html();
    const auto found = THtmlElementFinder::Enclosing(html, 30, QStringLiteral("table"));
    ASSERT_TRUE(found);
    const TTableOptions back = TGeneratorElements::Table(*found);
    EXPECT_EQ(back.Html(), html);

    TMetaTagOptions meta;
    meta.author = QStringLiteral("Anna");
    meta.keywords = QStringLiteral("a, \"b\"");
    meta.countryCode = QStringLiteral("AT");
    meta.indexing = TMetaTagOptions::miNoIndexNoFollow;
    meta.noCache = true;
    meta.revisit = QStringLiteral("7 days");
    const QString block = QStringLiteral("<head>\n  ") + QString(meta.Html()).replace(QStringLiteral("\r\n"), QStringLiteral("\n  ")) + QStringLiteral("\n</head>");
    const auto metas = THtmlElementFinder::MetaBlock(block, 20);
    ASSERT_TRUE(metas);
    EXPECT_EQ(metas->start, 9);
    EXPECT_TRUE(block.mid(metas->start + metas->length).startsWith(QStringLiteral("\n</head>")));
    EXPECT_EQ(TGeneratorElements::Meta(*metas).Html(), meta.Html());
    EXPECT_FALSE(THtmlElementFinder::MetaBlock(block, 2));

    TLinkOptions link;
    link.kind = TLinkOptions::lkExternal;
    link.protocol = QStringLiteral("ftp://");
    link.address = QStringLiteral("host/x");
    link.target = QStringLiteral("_top");
    const QString a = link.Html(QStringLiteral("Text"));
    EXPECT_EQ(TGeneratorElements::Link(*THtmlElementFinder::Enclosing(a, 3, QStringLiteral("a"))).Html(QStringLiteral("Text")), a);

    TImageOptions image;
    image.source = QStringLiteral("b.gif");
    image.vspace = QStringLiteral("4");
    image.alignment = 6;
    image.manualSize = true;
    image.width = 7;
    image.height = 8;
    const QString tag = image.Html();
    EXPECT_EQ(TGeneratorElements::Image(*THtmlElementFinder::Enclosing(tag, 3, QStringLiteral("img"), true)).Html(), tag);
}
