#pragma once

#include "regex/TRegex.h"

// The compiled patterns of the PHP model, made once per process and shared
// by every parser (a compiled pattern serves several threads at once). They
// run on the code mask, where comments and literals are blanks, anchored at
// the start of a declaration.
class TPHPPatterns
{
public:
    static const TPHPPatterns &Instance();

    // Groups: 1 modifiers (abstract, final, readonly), 2 keyword (class,
    // trait, enum), 3 name, 4 enum backing type, 5 extends, 6 implements.
    TRegex ClassRegex;
    // Groups: 1 name, 2 extends.
    TRegex InterfaceRegex;
    // Groups: 1 namespace name (empty for the global namespace).
    TRegex NamespaceRegex;

private:
    TPHPPatterns();
};
