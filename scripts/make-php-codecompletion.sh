#!/bin/sh
# Regenerates the shipped PHP function catalogue from the reflection of the
# PHP interpreter given as $1 (default: php on the PATH). The generator is
# the script shipped beside the catalogue; the program runs the same script
# to rebuild a user's catalogue from the configured interpreter.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
php=${1:-php}
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
"$php" "$here/data/shipped/php_codecompletion.php" > "$tmp"
chmod 644 "$tmp"
mv "$tmp" "$here/data/shipped/php_codecompletion.xml"
trap - EXIT
echo "php_codecompletion.xml: $(grep -c '<function ' "$here/data/shipped/php_codecompletion.xml") Funktionen"
