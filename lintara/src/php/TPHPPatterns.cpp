#include "php/TPHPPatterns.h"

namespace {

// A name as written in PHP: letters, digits, "_" and every non-ASCII character.
const QString Ident = QStringLiteral(R"([a-zA-Z_\x80-\xff][a-zA-Z0-9_\x80-\xff]*)");
const QString QualifiedName = QStringLiteral(R"((?:\\?%1(?:\\%1)*))").arg(Ident);
const QString NameList = QStringLiteral(R"(%1(?:\s*,\s*%1)*)").arg(QualifiedName);

const TRegCompileOptions HeaderOptions = {TRegCompileOption::rcoAnchored, TRegCompileOption::rcoIgnoreCase};

} // namespace

TPHPPatterns::TPHPPatterns()
    : ClassRegex(QStringLiteral(R"(((?:(?:abstract|final|readonly)\s+)*)(class|trait|enum)\s+(%1))"
                                R"((?:\s*:\s*(%2))?(?:\s+extends\s+(%2))?(?:\s+implements\s+(%3))?\s*(?=\{))")
                     .arg(Ident, QualifiedName, NameList),
                 HeaderOptions, QStringLiteral("C"), RXLC_ALL),
      InterfaceRegex(QStringLiteral(R"(interface\s+(%1)(?:\s+extends\s+(%2))?\s*(?=\{))").arg(Ident, NameList),
                     HeaderOptions, QStringLiteral("C"), RXLC_ALL),
      NamespaceRegex(QStringLiteral(R"(namespace(?:\s+(%1))?\s*(?=[;{]))").arg(QualifiedName), HeaderOptions,
                     QStringLiteral("C"), RXLC_ALL)
{
}

const TPHPPatterns &TPHPPatterns::Instance()
{
    static const TPHPPatterns patterns;
    return patterns;
}
