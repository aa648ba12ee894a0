#include "editor/TSynHTMLSyn.h"

TSynHTMLSyn::TSynHTMLSyn()
    : TSynMarkupSyn({QStringLiteral("html"), QStringLiteral("HTML"), QStringLiteral("Tag"), true})
{
}
