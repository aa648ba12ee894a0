<?php
// The class of every byte of PHP files after PHP's own tokenizer, for the
// comparison with the editor's highlighting. Usage:
//   php php_token_classes.php FILE...
// Prints one JSON object per file: {"file": ..., "runs": "H120 T5 K3 ..."},
// runs of one class letter and a byte count. Classes: H inline HTML, T open
// or close tag, S string (inside an interpolated string everything except
// its variables), C comment, V variable, K any other code, W whitespace that
// belongs to an open or close tag (not compared: the editor leaves it to
// the code after the tag).

function classOf($token, bool $inString): string
{
    if (!is_array($token)) {
        return ($token === '"' || $token === '`' || $inString) ? 'S' : 'K';
    }
    switch ($token[0]) {
        case T_INLINE_HTML:
            return 'H';
        case T_OPEN_TAG:
        case T_OPEN_TAG_WITH_ECHO:
        case T_CLOSE_TAG:
            return 'T';
        case T_COMMENT:
        case T_DOC_COMMENT:
            return 'C';
        case T_VARIABLE:
            return 'V';
        case T_CONSTANT_ENCAPSED_STRING:
        case T_ENCAPSED_AND_WHITESPACE:
        case T_START_HEREDOC:
        case T_END_HEREDOC:
            return 'S';
        default:
            return $inString ? 'S' : 'K';
    }
}

function runsOf(string $source): string
{
    $runs = [];
    $last = '';
    $count = 0;
    $inString = false;
    $add = function (string $class, int $length) use (&$runs, &$last, &$count) {
        if ($length === 0) {
            return;
        }
        if ($class === $last) {
            $count += $length;
            return;
        }
        if ($count > 0) {
            $runs[] = $last . $count;
        }
        $last = $class;
        $count = $length;
    };
    foreach (token_get_all($source) as $token) {
        $text = is_array($token) ? $token[1] : $token;
        $id = is_array($token) ? $token[0] : $token;
        $class = classOf($token, $inString);
        if ($class === 'T') {
            // Whitespace of the tag apart, byte by byte.
            $core = rtrim($text);
            $add('T', strlen($core));
            $add('W', strlen($text) - strlen($core));
        } else {
            $add($class, strlen($text));
        }
        if ($id === T_START_HEREDOC) {
            $inString = true;
        } elseif ($id === T_END_HEREDOC) {
            $inString = false;
        } elseif ($id === '"' || $id === '`') {
            $inString = !$inString;
        }
    }
    if ($count > 0) {
        $runs[] = $last . $count;
    }
    return implode(' ', $runs);
}

foreach (array_slice($argv, 1) as $file) {
    $source = file_get_contents($file);
    if ($source === false) {
        fwrite(STDERR, "cannot read $file\n");
        exit(1);
    }
    echo json_encode(['file' => $file, 'runs' => runsOf($source)], JSON_UNESCAPED_SLASHES), "\n";
}
