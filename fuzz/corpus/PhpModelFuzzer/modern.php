<html><?php echo "<?"; ?>
<?php
namespace App\Models;

use Foo\Bar;
// class Fake {}
#[Attribute]
final readonly class User extends Model implements \JsonSerializable, Countable
{
    public const A = 'x';
    final protected const int B = 10, C = self::A . "{";
    private ?int $id = null;
    public static array $list = [1, 2], $other;
    var $old = 5;

    abstract public function foo(int $a, string ...$rest): ?static;

    public static function &bar(array $a = array(), &$b = 1): void
    {
        $x = "{$a['x']}"; $y = '}'; $f = function ($q) use ($x) { return $q; };
        $c = new class(1) extends Foo { public function inner() {} };
        function nested_global() {}
    }
}
interface Shape extends A, B { const X = 1; public function area(): float; }
trait T { function t1() {} }
enum Suit: string implements HasLabel { case Hearts = 'H'; case Spades = 'S'; public function label(): string { return ucfirst($this->value); } }
if (!function_exists('helper')) { function helper() { return <<<EOT
  class NotAClass {
  EOT; } }
define('MY_CONST', 'value');
require_once __DIR__ . '/a.php';
$x = Foo::class;
