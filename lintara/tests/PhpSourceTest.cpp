#include "php/TPHPClassConstant.h"
#include "php/TPHPClassMethod.h"
#include "php/TPHPSource.h"

#include <gtest/gtest.h>

namespace {

QString crlf(QString text)
{
    return text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
}

TPHPClassMethod *classMethod(const TPHPSource &s, int cls, int method)
{
    return dynamic_cast<TPHPClassMethod *>(s.GetClasses(cls)->GetMethods(method));
}

} // namespace

TEST(PhpSource, EmptyAndNonPhpTextsGiveNoEntities)
{
    TPHPSource empty(QString{});
    EXPECT_EQ(empty.GetClassCount(), 0);
    EXPECT_EQ(empty.Name, QString());
    TPHPSource html(QStringLiteral("<p>class A { function f() {} }</p>"));
    EXPECT_EQ(html.GetClassCount(), 0);
    EXPECT_EQ(html.GetMethodCount(), 0);
    TPHPSource mixed(QStringLiteral("<p>function g() {}</p><?php function f() {} ?>"));
    ASSERT_EQ(mixed.GetMethodCount(), 1);
    EXPECT_EQ(mixed.GetMethods(0)->Name, QStringLiteral("f"));
}

TEST(PhpSource, OffsetsAreOffsetsInTheWholeText)
{
    const QString text = QStringLiteral("<b>x</b><?php echo \"<?\"; function f() { } ?>");
    TPHPSource source(text);
    ASSERT_EQ(source.GetMethodCount(), 1);
    EXPECT_EQ(source.GetMethods(0)->Offset, text.indexOf(QLatin1String("function")));
    EXPECT_EQ(source.GetMethods(0)->BodyStart, text.indexOf(u'{'));
    EXPECT_EQ(source.GetMethods(0)->BodyEnd, text.indexOf(u'}') + 1);
}

TEST(PhpSource, PureFileWithoutClosingTagYieldsItsWholeModel)
{
    for (const QString &text : {QStringLiteral("<?php\nclass A {\n    function f() {}\n}\nfunction g() {}\n"),
                                crlf(QStringLiteral("<?php\nclass A {\n    function f() {}\n}\nfunction g() {}\n"))}) {
        TPHPSource source(text);
        ASSERT_EQ(source.GetClassCount(), 1);
        EXPECT_EQ(source.GetClasses(0)->GetMethodCount(), 1);
        ASSERT_EQ(source.GetMethodCount(), 1);
        EXPECT_EQ(source.GetMethods(0)->Name, QStringLiteral("g"));
        EXPECT_EQ(source.Name, QStringLiteral("A"));
    }
}

TEST(PhpSource, ClassHeadersAndModifiers)
{
    TPHPSource source(QStringLiteral("<?php class A extends B implements I, J {}\nabstract class C {}\n"
                                     "final readonly class D {}\ntrait T {}\nenum E: string implements I { case X = 'x'; }"));
    ASSERT_EQ(source.GetClassCount(), 5);
    const TPHPClass &a = *source.GetClasses(0);
    EXPECT_EQ(a.Name, QStringLiteral("A"));
    EXPECT_EQ(a.Extends, QStringLiteral("B"));
    EXPECT_EQ(a.Implements, QStringLiteral("I, J"));
    EXPECT_TRUE(source.GetClasses(1)->IsAbstract);
    EXPECT_TRUE(source.GetClasses(2)->IsFinal);
    EXPECT_TRUE(source.GetClasses(2)->IsReadOnly);
    EXPECT_EQ(source.GetClasses(3)->Kind, ckTrait);
    const TPHPClass &e = *source.GetClasses(4);
    EXPECT_EQ(e.Kind, ckEnum);
    EXPECT_EQ(e.BackingType, QStringLiteral("string"));
    ASSERT_EQ(e.GetConstantCount(), 1);
    EXPECT_EQ(e.GetConstants(0)->Name, QStringLiteral("X"));
    EXPECT_EQ(e.GetConstants(0)->Value, QStringLiteral("x"));
}

TEST(PhpSource, MembersWithTypesVisibilityAndValues)
{
    TPHPSource source(QStringLiteral(
        "<?php class K {\n"
        "  var $x = 5;\n"
        "  private static ?int $n = null, $m;\n"
        "  public readonly array $list;\n"
        "  const A = 'x';\n"
        "  const B = 10;\n"
        "  protected const C = self::B * 2;\n"
        "  public static function &f($a, &$b = 1) {}\n"
        "  final protected function g(array $o = array(1, 2), string $s = ','): ?static { return $this; }\n"
        "}"));
    ASSERT_EQ(source.GetClassCount(), 1);
    const TPHPClass &k = *source.GetClasses(0);
    ASSERT_EQ(k.GetVariableCount(), 4);
    EXPECT_EQ(k.GetVariables(0)->Name, QStringLiteral("x"));
    EXPECT_EQ(k.GetVariables(0)->Visibility, vvPublic);
    EXPECT_EQ(k.GetVariables(0)->Value, QStringLiteral("5"));
    EXPECT_EQ(k.GetVariables(1)->Visibility, vvPrivate);
    EXPECT_TRUE(k.GetVariables(1)->IsStatic);
    EXPECT_EQ(k.GetVariables(1)->Type, QStringLiteral("?int"));
    EXPECT_EQ(k.GetVariables(2)->Name, QStringLiteral("m"));
    EXPECT_TRUE(k.GetVariables(3)->IsReadOnly);
    ASSERT_EQ(k.GetConstantCount(), 3);
    EXPECT_EQ(k.GetConstants(0)->Value, QStringLiteral("x"));
    EXPECT_EQ(k.GetConstants(1)->Value, QStringLiteral("10"));
    EXPECT_EQ(k.GetConstants(2)->Value, QStringLiteral("self::B * 2"));
    EXPECT_EQ(static_cast<TPHPClassConstant *>(k.GetConstants(2))->Visibility, vvProtected);

    const TPHPClassMethod *f = classMethod(source, 0, 0);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->Visibility, vvPublic);
    EXPECT_TRUE(f->IsStatic);
    EXPECT_TRUE(f->ByReference);
    EXPECT_EQ(f->Name, QStringLiteral("f"));
    EXPECT_EQ(f->Parameters, (QStringList{QStringLiteral("$a"), QStringLiteral("&$b = 1")}));
    const TPHPClassMethod *g = classMethod(source, 0, 1);
    EXPECT_TRUE(g->IsFinal);
    EXPECT_EQ(g->Visibility, vvProtected);
    EXPECT_EQ(g->ReturnType, QStringLiteral("?static"));
    EXPECT_EQ(g->Parameters, (QStringList{QStringLiteral("array $o = array(1, 2)"), QStringLiteral("string $s = ','")}));
    EXPECT_EQ(g->Body, QStringLiteral("{ return $this; }"));
}

TEST(PhpSource, AbstractMethodHasNoBodyAndDoesNotTakeTheNext)
{
    TPHPSource source(QStringLiteral("<?php abstract class A {\n  abstract protected function a($x);\n"
                                     "  public function b() { return 1; }\n}"));
    const TPHPClass &a = *source.GetClasses(0);
    ASSERT_EQ(a.GetMethodCount(), 2);
    EXPECT_TRUE(classMethod(source, 0, 0)->IsAbstract);
    EXPECT_EQ(a.GetMethods(0)->BodyStart, -1);
    EXPECT_EQ(a.GetMethods(0)->Body, QString());
    EXPECT_EQ(a.GetMethods(1)->Body, QStringLiteral("{ return 1; }"));
}

TEST(PhpSource, DeclarationsAfterCommentsAtColumnZeroAreKept)
{
    for (const QString &text :
         {QStringLiteral("<?php\n// note\nclass A {}\n# note\ninterface I {}\n/* block\n*/\nfunction f() {}\n"
                         "// x\ninclude 'a.php';\n# y\ndefine('N', 1);\n"),
          crlf(QStringLiteral("<?php\n// note\nclass A {}\n# note\ninterface I {}\n/* block\n*/\nfunction f() {}\n"
                              "// x\ninclude 'a.php';\n# y\ndefine('N', 1);\n"))}) {
        TPHPSource source(text);
        EXPECT_EQ(source.GetClassCount(), 1);
        EXPECT_EQ(source.GetInterfaceCount(), 1);
        EXPECT_EQ(source.GetMethodCount(), 1);
        EXPECT_EQ(source.GetIncludeCount(), 1);
        EXPECT_EQ(source.GetConstantCount(), 1);
    }
}

TEST(PhpSource, CodeInsideLiteralsAndCommentsIsIgnored)
{
    TPHPSource source(QStringLiteral("<?php\n$a = 'class X {}';\n$b = \"function g() { {$c['}']} }\";\n"
                                     "/* class Y {} */\n$d = <<<EOT\nclass Z {}\nEOT;\n$e = Foo::class;\n"
                                     "$o = new class { function anon() {} };\nclass Real { function m() { $s = '{'; } }"));
    ASSERT_EQ(source.GetClassCount(), 1);
    EXPECT_EQ(source.GetClasses(0)->Name, QStringLiteral("Real"));
    EXPECT_EQ(source.GetClasses(0)->GetMethodCount(), 1);
    EXPECT_EQ(source.GetMethodCount(), 0);
}

TEST(PhpSource, NestedAndConditionalFunctionsAreGlobal)
{
    TPHPSource source(QStringLiteral("<?php if (!function_exists('h')) { function h() {} }\n"
                                     "class C { function m() { function inner() {} } }"));
    ASSERT_EQ(source.GetMethodCount(), 2);
    EXPECT_EQ(source.GetMethods(0)->Name, QStringLiteral("h"));
    EXPECT_EQ(source.GetMethods(1)->Name, QStringLiteral("inner"));
    EXPECT_EQ(source.GetClasses(0)->GetMethodCount(), 1);
}

TEST(PhpSource, UnclosedBodiesAreDropped)
{
    TPHPSource source(QStringLiteral("<?php function ok() {}\nfunction f() {\nclass A { function g() {"));
    ASSERT_EQ(source.GetMethodCount(), 1);
    EXPECT_EQ(source.GetClassCount(), 0);
    TPHPSource noBody(QStringLiteral("<?php function f()"));
    EXPECT_EQ(noBody.GetMethodCount(), 0);
}

TEST(PhpSource, IncludesDefinesNamespaces)
{
    TPHPSource source(QStringLiteral("<?php namespace App\\Http;\r\nrequire_once 'a.php';\r\n$include_path = 1;\r\n"
                                     "define('NAME', 'value');\r\nclass K {}\r\nfunction f() {}"));
    ASSERT_EQ(source.GetIncludeCount(), 1);
    EXPECT_EQ(source.GetIncludes(0)->Kind, ikRequireOnce);
    EXPECT_EQ(source.GetIncludes(0)->Keyword, QStringLiteral("require_once"));
    EXPECT_EQ(source.GetIncludes(0)->FileName, QStringLiteral(" 'a.php'"));
    ASSERT_EQ(source.GetConstantCount(), 1);
    EXPECT_EQ(source.GetConstantEx(0)->Name, QStringLiteral("NAME"));
    EXPECT_EQ(source.GetConstantEx(0)->Value, QStringLiteral("value"));
    EXPECT_EQ(source.GetClasses(0)->QualifiedName(), QStringLiteral("App\\Http\\K"));
    EXPECT_EQ(source.GetMethods(0)->Namespace, QStringLiteral("App\\Http"));
}

TEST(PhpSource, NonAsciiNamesAndCharactersOutsideTheBmp)
{
    const QString text = QStringLiteral("<?php // \U0001F600 Grüße\n$s = \"\U0001F600\";\nclass Größe {\n"
                                        "  public $maß = 'ä';\n  function zähle() {}\n}\nfunction \U0001F600f() {}");
    TPHPSource source(text);
    ASSERT_EQ(source.GetClassCount(), 1);
    const TPHPClass &c = *source.GetClasses(0);
    EXPECT_EQ(c.Name, QStringLiteral("Größe"));
    EXPECT_EQ(c.NameOffset, text.indexOf(QStringLiteral("Größe")));
    EXPECT_EQ(c.GetVariables(0)->Name, QStringLiteral("maß"));
    EXPECT_EQ(c.GetMethods(0)->Name, QStringLiteral("zähle"));
    EXPECT_EQ(c.GetMethods(0)->NameOffset, text.indexOf(QStringLiteral("zähle")));
    ASSERT_EQ(source.GetMethodCount(), 1);
    EXPECT_EQ(source.GetMethods(0)->Name, QStringLiteral("\U0001F600f"));
}

TEST(PhpSource, InterfacesAndFindEntityAt)
{
    const QString text = QStringLiteral("<?php interface I extends A, B { const X = 1; public function f(int $a): void; }\n"
                                        "class C { public $v; function m() { return 1; } }\ninclude 'x.php';");
    TPHPSource source(text);
    ASSERT_EQ(source.GetInterfaceCount(), 1);
    const TPHPInterface &i = *source.GetInterfaces(0);
    EXPECT_EQ(i.Extends, QStringLiteral("A, B"));
    ASSERT_EQ(i.GetMethodCount(), 1);
    EXPECT_EQ(i.GetInterfaceMethod(0)->BodyStart, -1);
    EXPECT_EQ(i.GetInterfaceMethod(0)->BodyEnd, -1);
    EXPECT_EQ(source.FindEntityAt(text.indexOf(QLatin1String("function f"))), &i);
    EXPECT_EQ(source.FindEntityAt(text.indexOf(QLatin1String("return"))), source.GetClasses(0)->GetMethods(0));
    EXPECT_EQ(source.FindEntityAt(text.indexOf(QLatin1String("$v"))), source.GetClasses(0)->GetVariables(0));
    EXPECT_EQ(source.FindEntityAt(text.indexOf(QLatin1String("x.php"))), source.GetIncludes(0));
    EXPECT_EQ(source.FindEntityAt(2), nullptr);
    EXPECT_EQ(source.FindMethod(source.GetClasses(0), QStringLiteral("m")), source.GetClasses(0)->GetMethods(0));
    EXPECT_EQ(source.FindMethod(&i, QStringLiteral("f")), i.GetMethods(0));
    EXPECT_EQ(source.FindMethod(nullptr, QStringLiteral("m")), nullptr);
    EXPECT_EQ(source.FindClass(QStringLiteral("c")), -1);
}

TEST(PhpSource, EntitiesParseTheirOwnText)
{
    TPHPClass cls(nullptr, QStringLiteral("class A extends B { function f($x) {} }"), 100);
    EXPECT_EQ(cls.Name, QStringLiteral("A"));
    EXPECT_EQ(cls.Extends, QStringLiteral("B"));
    ASSERT_EQ(cls.GetMethodCount(), 1);
    EXPECT_EQ(cls.GetMethods(0)->Offset, 120);
    EXPECT_EQ(cls.GetMethods(0)->Parent, &cls);
    TPHPMethod fn(nullptr, QStringLiteral("function &g($a = [1, 2], $b) { }"), 0, true);
    EXPECT_EQ(fn.Name, QStringLiteral("g"));
    EXPECT_EQ(fn.Parameters, (QStringList{QStringLiteral("$a = [1, 2]"), QStringLiteral("$b")}));
    fn.ParseParameters(QStringLiteral("$x = \"a,b\", $y"));
    EXPECT_EQ(fn.Parameters, (QStringList{QStringLiteral("$x = \"a,b\""), QStringLiteral("$y")}));
}

TEST(PhpSource, ReparseReplacesTheModel)
{
    TPHPSource source(QStringLiteral("<?php class A {}"));
    source.SetSourceText(QStringLiteral("<?php class B {} class C {}"));
    ASSERT_EQ(source.GetClassCount(), 2);
    EXPECT_EQ(source.GetClasses(0)->Name, QStringLiteral("B"));
    EXPECT_EQ(TPHPSource::Version(), QStringLiteral("Lintara 2.6 RC1"));
}
