#include "highlighters/StandardHighlighters.h"

#include "editor/TSynCssSyn.h"
#include "editor/TSynGeneralSyn.h"
#include "editor/TSynHTMLSyn.h"
#include "editor/TSynJScriptSyn.h"
#include "editor/TSynPHPSyn.h"
#include "editor/TSynSQLSyn.h"
#include "editor/TSynXMLSyn.h"
#include "highlighters/TIHighlighters.h"

void AddDefaultHighlighter(TIHighlighters &highlighters, const QString &longName)
{
    highlighters.AddHighlighter(QStringLiteral("none"), longName, std::make_shared<TSynGeneralSyn>());
}

void AddStandardHighlighters(TIHighlighters &highlighters)
{
    highlighters.AddHighlighter(QStringLiteral("html"), QStringLiteral("HTML"), std::make_shared<TSynHTMLSyn>());
    highlighters.AddHighlighter(QStringLiteral("php"), QStringLiteral("PHP"), std::make_shared<TSynPHPSyn>());
    highlighters.AddHighlighter(QStringLiteral("javascript"), QStringLiteral("Java Script"),
                                std::make_shared<TSynJScriptSyn>());
    highlighters.AddHighlighter(QStringLiteral("css"), QStringLiteral("CSS"), std::make_shared<TSynCssSyn>());
    highlighters.AddHighlighter(QStringLiteral("xml"), QStringLiteral("XML"), std::make_shared<TSynXMLSyn>());
    highlighters.AddHighlighter(QStringLiteral("sql"), QStringLiteral("SQL"), std::make_shared<TSynSQLSyn>());
}
