<p>x</p><?php $a = "{$b["}"]}"; $h = <<<EOT
{$x}
EOT;
class A { abstract function f(); function g() { ?>html<?php } }