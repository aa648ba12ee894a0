#include "editor/TSynXMLSyn.h"

TSynXMLSyn::TSynXMLSyn()
    : TSynMarkupSyn({QStringLiteral("xml"), QStringLiteral("XML"), QStringLiteral("Element"), false})
{
}
