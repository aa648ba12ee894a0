<?php
// Reference outline from PHP's own tokenizer: classes, interfaces, traits,
// enums, functions and methods, one JSON object per line in the format of
// talvex-outline. Usage: php reference_outline.php FILE...

function significant(array $tokens, int $i, int $step): int
{
    $skip = [T_WHITESPACE, T_COMMENT, T_DOC_COMMENT];
    for ($i += $step; $i >= 0 && $i < count($tokens); $i += $step) {
        if (!is_array($tokens[$i]) || !in_array($tokens[$i][0], $skip, true)) {
            return $i;
        }
    }
    return -1;
}

// Index of the significant token before the attributes that end at $i.
function skipAttributes(array $tokens, int $i): int
{
    while ($i >= 0 && $tokens[$i] === ']') {
        for ($depth = 0; $i >= 0; $i--) {
            $id = is_array($tokens[$i]) ? $tokens[$i][0] : $tokens[$i];
            if ($id === ']') {
                $depth++;
            } elseif ($id === '[' || $id === T_ATTRIBUTE) {
                if (--$depth === 0) {
                    break;
                }
            }
        }
        if ($i < 0 || !is_array($tokens[$i]) || $tokens[$i][0] !== T_ATTRIBUTE) {
            return $i; // an ordinary "]" after all
        }
        $i = significant($tokens, $i, -1);
    }
    return $i;
}

function isName($token): bool
{
    return is_array($token) && preg_match('/^[a-zA-Z_\x80-\xff][a-zA-Z0-9_\x80-\xff]*$/', $token[1]);
}

function outline(string $file): void
{
    $tokens = @token_get_all(file_get_contents($file));
    $kinds = [T_CLASS => 'class', T_INTERFACE => 'interface', T_TRAIT => 'trait', T_ENUM => 'enum'];
    $stack = [];      // per open brace: ['class', name] / ['anon'] / ['block']
    $pending = null;  // what the next "{" opens
    $n = count($tokens);
    for ($i = 0; $i < $n; $i++) {
        $t = $tokens[$i];
        $id = is_array($t) ? $t[0] : $t;
        if ($id === '{' || $id === T_CURLY_OPEN || $id === T_DOLLAR_OPEN_CURLY_BRACES) {
            $stack[] = $pending ?? ['block'];
            $pending = null;
            continue;
        }
        if ($id === '}') {
            array_pop($stack);
            continue;
        }
        if (isset($kinds[$id])) {
            $prev = skipAttributes($tokens, significant($tokens, $i, -1));
            $prevId = $prev >= 0 && is_array($tokens[$prev]) ? $tokens[$prev][0] : ($prev >= 0 ? $tokens[$prev] : null);
            if ($prevId === T_DOUBLE_COLON || $prevId === T_OBJECT_OPERATOR || $prevId === T_NULLSAFE_OBJECT_OPERATOR) {
                continue;
            }
            $next = significant($tokens, $i, 1);
            if ($prevId === T_NEW || $next < 0 || !isName($tokens[$next])) {
                $pending = ['anon'];
                continue;
            }
            $name = $tokens[$next][1];
            emit($file, $kinds[$id], $name, null, $tokens[$next][2]);
            $pending = ['class', $name];
            continue;
        }
        if ($id === T_FUNCTION) {
            $prev = significant($tokens, $i, -1);
            $prevId = $prev >= 0 && is_array($tokens[$prev]) ? $tokens[$prev][0] : null;
            if ($prevId === T_USE || $prevId === T_DOUBLE_COLON || $prevId === T_OBJECT_OPERATOR) {
                continue;
            }
            $next = significant($tokens, $i, 1);
            if ($next >= 0 && in_array($tokens[$next] === '&' ? '&' : (is_array($tokens[$next]) ? token_name($tokens[$next][0]) : ''),
                ['&', 'T_AMPERSAND_FOLLOWED_BY_VAR_OR_VARARG', 'T_AMPERSAND_NOT_FOLLOWED_BY_VAR_OR_VARARG'], true)) {
                $next = significant($tokens, $next, 1);
            }
            if ($next < 0 || !isName($tokens[$next])) {
                continue; // a closure
            }
            $paren = significant($tokens, $next, 1);
            if ($paren < 0 || $tokens[$paren] !== '(') {
                continue;
            }
            $top = end($stack) ?: ['block'];
            if ($top[0] === 'anon') {
                continue;
            }
            if ($top[0] === 'class') {
                emit($file, 'method', $tokens[$next][1], $top[1], $tokens[$next][2]);
            } else {
                emit($file, 'function', $tokens[$next][1], null, $tokens[$next][2]);
            }
        }
    }
}

function emit(string $file, string $kind, string $name, ?string $class, int $line): void
{
    echo json_encode(['file' => $file, 'kind' => $kind, 'name' => $name, 'class' => $class, 'line' => $line],
        JSON_UNESCAPED_SLASHES | JSON_UNESCAPED_UNICODE | JSON_INVALID_UTF8_SUBSTITUTE), "\n";
}

foreach (array_slice($argv, 1) as $file) {
    outline($file);
}
