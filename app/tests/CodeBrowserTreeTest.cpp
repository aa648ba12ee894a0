#include "php/TPHPSource.h"
#include "structure/TCodeBrowserTreeBuilder.h"
#include "structure/THTMLLandmarkScanner.h"
#include "structure/TProcedureListModel.h"

#include <gtest/gtest.h>

namespace {

QStringList captions(const QList<TCodeBrowserNode> &nodes)
{
    QStringList result;
    for (const TCodeBrowserNode &node : nodes)
        result << node.Text;
    return result;
}

const TCodeBrowserNode *child(const TCodeBrowserNode &node, const QString &text)
{
    for (const TCodeBrowserNode &c : node.Children)
        if (c.Text == text)
            return &c;
    return nullptr;
}

QList<TCodeBrowserNode> build(const QString &text)
{
    const TPHPSource source(text);
    return TCodeBrowserTreeBuilder::Build(source, text);
}

} // namespace

TEST(CodeBrowserTreeTest, EmptyModelGivesTheMessageOnly)
{
    for (const QString &text : {QString(), QStringLiteral("<?php echo 1;"), QStringLiteral("<p>plain</p>")}) {
        const QList<TCodeBrowserNode> roots = build(text);
        ASSERT_EQ(roots.size(), 1) << text.toStdString();
        EXPECT_EQ(roots[0].Text, "Keine PHP Elemente gefunden!");
        EXPECT_EQ(roots[0].Offset, -1);
        EXPECT_TRUE(roots[0].Children.isEmpty());
    }
}

TEST(CodeBrowserTreeTest, OneClassIsTheOnlyRootWithItsThreeVisibilityGroups)
{
    const QString text = QStringLiteral("<?php\nclass Empty {}\n");
    const QList<TCodeBrowserNode> roots = build(text);
    ASSERT_EQ(roots.size(), 1);
    EXPECT_EQ(roots[0].Text, "Empty");
    EXPECT_EQ(roots[0].ImageIndex, TCodeBrowserNode::ClassImage);
    EXPECT_EQ(roots[0].Offset, text.indexOf("class"));
    EXPECT_EQ(captions(roots[0].Children), QStringList({"Public", "Private", "Protected"}));
    for (const TCodeBrowserNode &group : roots[0].Children) {
        EXPECT_EQ(group.Offset, -1);
        EXPECT_TRUE(group.Children.isEmpty());
    }
}

TEST(CodeBrowserTreeTest, RootsAndCaptionsInTheirOrder)
{
    const QString text = QStringLiteral(R"(<?php
require_once 'lib.php';
define('LIMIT', 10);
function &helper() {}
interface Shape extends Countable { const SIDES = 0; public function area(); }
abstract class Base extends Model implements Shape, JsonSerializable {
    const VERSION = '1';
    public static $count = 0;
    private int $id;
    protected readonly string $name;
    abstract protected function load();
    final public static function &make() {}
    private function secret() {}
}
)");
    const QList<TCodeBrowserNode> roots = build(text);
    ASSERT_EQ(captions(roots),
              QStringList({"Abhängigkeiten", "Funktionen", "Konstanten", "Interfaces",
                           "Base (Model) [Shape, JsonSerializable] [abstrakt]"}));
    EXPECT_EQ(roots[0].Children[0].Text, "'lib.php'");
    EXPECT_EQ(roots[1].Children[0].Text, "helper [ref]");
    EXPECT_EQ(roots[1].Children[0].Offset, text.indexOf("function &helper"));
    EXPECT_EQ(roots[2].Children[0].Text, "LIMIT = 10");

    const TCodeBrowserNode &shape = roots[3].Children.at(0);
    EXPECT_EQ(shape.Text, "Shape (Countable)");
    EXPECT_EQ(shape.Offset, text.indexOf("interface"));
    EXPECT_EQ(captions(shape.Children), QStringList({"Konstanten", "Public", "Private", "Protected"}));
    EXPECT_EQ(captions(shape.Children[0].Children), QStringList({"SIDES = 0"}));
    EXPECT_EQ(captions(shape.Children[1].Children), QStringList({"[func] area"}));

    const TCodeBrowserNode &base = roots[4];
    EXPECT_EQ(captions(base.Children), QStringList({"Konstanten", "Public", "Private", "Protected"}));
    EXPECT_EQ(captions(child(base, "Public")->Children),
              QStringList({"[func] make [final] [statisch] [ref]", "[var] count [statisch]"}));
    EXPECT_EQ(captions(child(base, "Private")->Children), QStringList({"[func] secret", "[var] id: int"}));
    EXPECT_EQ(captions(child(base, "Protected")->Children),
              QStringList({"[func] load [abstrakt]", "[var] name: string [readonly]"}));
    EXPECT_EQ(child(base, "Private")->Children[0].Offset, text.indexOf("private function"));
}

TEST(CodeBrowserTreeTest, TraitsEnumsAndNamespaces)
{
    const QString text = QStringLiteral(R"(<?php
namespace App\Model;
trait Greets { public function hello() {} }
enum Suit: string { case Hearts = 'H'; case Spades = 'S'; const Wild = self::Spades; }
final readonly class Point {}
)");
    const QList<TCodeBrowserNode> roots = build(text);
    ASSERT_EQ(captions(roots), QStringList({"Namensräume", "[trait] Greets", "[enum] Suit: string",
                                            "Point [final] [readonly]"}));
    EXPECT_EQ(captions(roots[0].Children), QStringList({"App\\Model"}));
    EXPECT_EQ(captions(roots[2].Children), QStringList({"Fälle", "Konstanten", "Public", "Private", "Protected"}));
    EXPECT_EQ(captions(roots[2].Children[0].Children), QStringList({"Hearts = H", "Spades = S"}));
    EXPECT_EQ(captions(child(roots[1], "Public")->Children), QStringList({"[func] hello"}));
}

TEST(CodeBrowserTreeTest, TemplatesShowHtmlLandmarksAndScriptFunctions)
{
    const QString text = QStringLiteral(R"(<html><body>
<h1>Willkommen <em>hier</em></h1>
<?php function render() { echo '<h2>not html</h2>'; } ?>
<form name="login" action="<?php echo $url ?>"><input id="user"></form>
<!-- <div id="commented"> -->
<script>
function check(a) { return a; }
const send = async (x) => x;
</script>
)");
    const QList<TCodeBrowserNode> roots = build(text);
    ASSERT_EQ(captions(roots), QStringList({"Funktionen", "HTML", "JavaScript-Funktionen"}));
    EXPECT_EQ(captions(roots[1].Children),
              QStringList({"<h1> Willkommen hier", "<form> login", "<input id=\"user\">"}));
    EXPECT_EQ(roots[1].Children[1].Offset, text.indexOf("<form"));
    EXPECT_EQ(captions(roots[2].Children), QStringList({"check()", "send()"}));
    EXPECT_EQ(roots[2].Children[0].Offset, text.indexOf("check"));
}

TEST(ProcedureListTest, RowsAreCopiesInModelOrderWithPositions)
{
    TProcedureListModel model;
    {
        const TPHPSource source(QStringLiteral("<?php\nfunction b() {}\nclass K {\n  function a() {}\n}\nfunction c() {}\n"));
        model.Fill(source);
    } // the model is gone; the rows stay whole
    ASSERT_EQ(model.Rows().size(), 3);
    EXPECT_EQ(model.Rows()[0].Name, "b");
    EXPECT_EQ(model.Rows()[0].ClassCaption(), "(keine)");
    EXPECT_EQ(model.Rows()[0].PositionCaption(), "2:1");
    EXPECT_EQ(model.Rows()[1].Name, "c");
    EXPECT_EQ(model.Rows()[2].Name, "a");
    EXPECT_EQ(model.Rows()[2].ClassCaption(), "K");
    EXPECT_EQ(model.Rows()[2].PositionCaption(), "4:3");
}

TEST(ProcedureListTest, SortCycleAndColumns)
{
    TProcedureListModel model;
    const TPHPSource source(QStringLiteral(
        "<?php\nfunction zeta() {}\nclass B { function Alpha() {} }\nclass a { function beta() {} }\n"));
    model.Fill(source);
    auto names = [&] {
        QStringList list;
        for (const TProcedureListEntry &row : model.SortedRows())
            list << row.Name;
        return list;
    };
    EXPECT_EQ(names(), QStringList({"zeta", "Alpha", "beta"}));
    EXPECT_EQ(model.Direction(TProcedureListModel::colProcedure), 0);

    model.ClickColumn(TProcedureListModel::colProcedure);
    EXPECT_EQ(model.Direction(TProcedureListModel::colProcedure), 1);
    EXPECT_EQ(names(), QStringList({"Alpha", "beta", "zeta"})); // case-insensitive
    model.ClickColumn(TProcedureListModel::colProcedure);
    EXPECT_EQ(model.Direction(TProcedureListModel::colProcedure), -1);
    EXPECT_EQ(names(), QStringList({"zeta", "beta", "Alpha"}));
    model.ClickColumn(TProcedureListModel::colProcedure);
    EXPECT_EQ(model.Direction(TProcedureListModel::colProcedure), 1);

    model.ClickColumn(TProcedureListModel::colClass);
    EXPECT_EQ(model.Direction(TProcedureListModel::colProcedure), 0);
    EXPECT_EQ(names(), QStringList({"zeta", "beta", "Alpha"})); // "(keine)", "a", "B"

    model.ClickColumn(TProcedureListModel::colLine);
    EXPECT_EQ(names(), QStringList({"zeta", "Alpha", "beta"}));
    model.ClickColumn(TProcedureListModel::colLine); // twice reverses
    EXPECT_EQ(names(), QStringList({"beta", "Alpha", "zeta"}));
}
