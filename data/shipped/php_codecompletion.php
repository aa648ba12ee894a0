<?php
// Writes the PHP function catalogue "php_codecompletion.xml" to standard
// output from this interpreter's own reflection: every internal function
// with its parameters, their types and whether they may be left out.
//
//   php php_codecompletion.php > php_codecompletion.xml
//
// Parameter names carry "$", "&$" for a parameter passed by reference and
// "...$" for a variadic one; a parameter without a declared type is "mixed".

function xmlText(string $text): string
{
    return htmlspecialchars($text, ENT_XML1 | ENT_QUOTES | ENT_SUBSTITUTE, 'UTF-8');
}

function typeText(?ReflectionType $type): string
{
    return $type === null ? 'mixed' : (string)$type;
}

function paramName(ReflectionParameter $param): string
{
    $prefix = $param->isVariadic() ? '...' : '';
    $prefix .= $param->isPassedByReference() ? '&' : '';
    return $prefix . '$' . $param->getName();
}

function functionXml(string $name): string
{
    $function = new ReflectionFunction($name);
    $returns = $function->hasReturnType() ? typeText($function->getReturnType()) : 'mixed';
    $xml = '  <function name="' . xmlText($function->getName()) . '" returntype="' . xmlText($returns) . '"';
    $extension = $function->getExtensionName();
    if ($extension !== false && $extension !== '')
        $xml .= ' extension="' . xmlText($extension) . '"';
    if ($function->isDeprecated())
        $xml .= ' deprecated="True"';
    $params = $function->getParameters();
    if (count($params) === 0)
        return $xml . "/>\n";
    $xml .= ">\n";
    foreach ($params as $param) {
        $optional = $param->isOptional() || $param->isVariadic() ? 'True' : 'False';
        $xml .= '    <param type="' . xmlText(typeText($param->getType())) . '" name="' . xmlText(paramName($param))
            . '" optional="' . $optional . '"/>' . "\n";
    }
    return $xml . "  </function>\n";
}

$names = get_defined_functions()['internal'];
sort($names, SORT_STRING);
$extensions = get_loaded_extensions();
sort($extensions, SORT_STRING | SORT_FLAG_CASE);

echo '<?xml version="1.0" encoding="UTF-8"?>' . "\n";
echo '<!-- Made by php_codecompletion.php from the reflection of PHP ' . xmlText(PHP_VERSION) . ' -->' . "\n";
echo '<codecompletion phpversion="' . xmlText(PHP_VERSION) . '" functions="' . count($names) . '" extensions="'
    . xmlText(implode(' ', $extensions)) . '">' . "\n";
echo "  <supportedhighlighter>php</supportedhighlighter>\n";
foreach ($names as $name)
    echo functionXml($name);
echo "</codecompletion>\n";
