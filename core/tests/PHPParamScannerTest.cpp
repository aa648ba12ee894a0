#include "completion/TPHPParamScanner.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QStringList Functions{QStringLiteral("FOO"), QStringLiteral("bar"), QStringLiteral("str_replace"),
                            QStringLiteral("Größe")};

int lookup(const QString &name)
{
    for (int i = 0; i < Functions.size(); ++i) {
        if (Functions[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

TPHPCallPosition atEnd(const QString &line)
{
    return TPHPParamScanner::Scan(line, int(line.size()) + 1, lookup);
}

} // namespace

TEST(PHPParamScannerTest, CountsParametersOfTheEnclosingCallAndSkipsClosedGroups)
{
    const TPHPCallPosition foo = atEnd(QStringLiteral("foo($a, bar($b), "));
    EXPECT_EQ(foo.FunctionIndex, 0);
    EXPECT_EQ(foo.ParamIndex, 2);
    EXPECT_EQ(foo.Name, QStringLiteral("foo"));

    const TPHPCallPosition bar = atEnd(QStringLiteral("bar(1"));
    EXPECT_EQ(bar.FunctionIndex, 1);
    EXPECT_EQ(bar.ParamIndex, 0);

    // Inside the inner call the inner function wins.
    const TPHPCallPosition inner = atEnd(QStringLiteral("$x = foo($a, bar($b, $c"));
    EXPECT_EQ(inner.FunctionIndex, 1);
    EXPECT_EQ(inner.ParamIndex, 1);

    // Deeply nested closed groups are skipped whole.
    EXPECT_EQ(atEnd(QStringLiteral("foo(bar(bar(1, 2), (3, 4)), 5, ")).ParamIndex, 2);
}

TEST(PHPParamScannerTest, NamesMatchInAnyCaseAndWithBlanksBeforeTheBracket)
{
    EXPECT_EQ(atEnd(QStringLiteral("FoO(")).FunctionIndex, 0);
    EXPECT_EQ(atEnd(QStringLiteral("STR_REPLACE ($a, ")).FunctionIndex, 2);
    EXPECT_EQ(atEnd(QStringLiteral("STR_REPLACE ($a, ")).ParamIndex, 1);
    EXPECT_EQ(atEnd(QStringLiteral("größe($a")).FunctionIndex, 3);
    // "×" (215) is no identifier character: the name is "e", unknown.
    EXPECT_FALSE(atEnd(QStringLiteral("größe×e(")).Found());
}

TEST(PHPParamScannerTest, StringsAndCommentsHideTheirCommasAndBrackets)
{
    EXPECT_EQ(atEnd(QStringLiteral("str_replace(\",\", ')(,', ")).ParamIndex, 2);
    EXPECT_EQ(atEnd(QStringLiteral("str_replace(\"a\\\",(\", ")).ParamIndex, 1);
    EXPECT_EQ(atEnd(QStringLiteral("str_replace(/* a, b) */ $x, ")).ParamIndex, 1);
    // A caret inside a string still belongs to the call.
    const QString line = QStringLiteral("foo($a, 'x, y");
    EXPECT_EQ(atEnd(line).ParamIndex, 1);
    // A line comment before the caret: the call in the comment is no call.
    EXPECT_FALSE(atEnd(QStringLiteral("$a = 1; // foo(")).Found());
    EXPECT_FALSE(atEnd(QStringLiteral("$a = 1; # foo(")).Found());
    // "#[" starts an attribute, not a comment.
    EXPECT_TRUE(atEnd(QStringLiteral("#[foo(")).Found());
}

TEST(PHPParamScannerTest, AnUnknownBracketStartsTheCountAnew)
{
    // The commas inside array( belong to the array, not to foo.
    const TPHPCallPosition call = atEnd(QStringLiteral("foo($a, array(1, 2, "));
    EXPECT_EQ(call.FunctionIndex, 0);
    EXPECT_EQ(call.ParamIndex, 1);
    // "$count = (" is a grouping, never a call of count.
    EXPECT_FALSE(atEnd(QStringLiteral("$foo = (1, ")).Found());
    EXPECT_FALSE(atEnd(QStringLiteral("if ($a, ")).Found());
}

TEST(PHPParamScannerTest, CaretPositionDecidesWhatIsScanned)
{
    const QString line = QStringLiteral("foo($a, $b); bar(");
    // Caret right after "foo(": parameter 0 of foo.
    TPHPCallPosition call = TPHPParamScanner::Scan(line, 5, lookup);
    EXPECT_EQ(call.FunctionIndex, 0);
    EXPECT_EQ(call.ParamIndex, 0);
    // Caret after "$a, ": parameter 1.
    call = TPHPParamScanner::Scan(line, 9, lookup);
    EXPECT_EQ(call.ParamIndex, 1);
    // After the closed call: nothing open before "bar(".
    EXPECT_FALSE(TPHPParamScanner::Scan(line, 13, lookup).Found());
    // A caret beyond the line's end scans from the end.
    EXPECT_EQ(TPHPParamScanner::Scan(line, 200, lookup).FunctionIndex, 1);
    // Column 1, an empty line and a caret before column 1 find nothing.
    EXPECT_FALSE(TPHPParamScanner::Scan(line, 1, lookup).Found());
    EXPECT_FALSE(TPHPParamScanner::Scan(QString(), 1, lookup).Found());
    EXPECT_FALSE(TPHPParamScanner::Scan(line, -5, lookup).Found());
    // A closing bracket whose group opened on an earlier line ends the scan.
    EXPECT_FALSE(atEnd(QStringLiteral("   $b), ")).Found());
}
