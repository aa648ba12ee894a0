<?php
/**
 * Doc comment über € and 😀
 */
namespace App\Models;

$name = "Hallo $user, \"quoted\" ?> still string";
$multi = 'first line
second line with \' escaped';
$heredoc = <<<EOT
  Heredoc with $var and "quotes"
  EOT;
$nowdoc = <<<'RAW'
No $interpolation here
RAW;
function greet(string $who): string {
    # hash comment
    return sprintf('%s', $who) . 0x1F + 1.5e3; // trailing
}
/* block
   comment */ echo `ls -l`;
?>
<p>Inline HTML</p>
<?= $short ?>
