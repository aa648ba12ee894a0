#include "highlighter/THighlighterSet.h"

#include "editor/TSynCssSyn.h"
#include "editor/TSynGeneralSyn.h"
#include "editor/TSynHTMLSyn.h"
#include "editor/TSynJScriptSyn.h"
#include "editor/TSynPHPSyn.h"
#include "editor/TSynSQLSyn.h"
#include "editor/TSynXMLSyn.h"
#include "highlighter/TSynMultiSynPCRE.h"

THighlighterSet::THighlighterSet()
{
    m_highlighters.push_back(std::make_unique<TSynHTMLSyn>());
    m_highlighters.push_back(std::make_unique<TSynPHPSyn>());
    m_highlighters.push_back(std::make_unique<TSynJScriptSyn>());
    m_highlighters.push_back(std::make_unique<TSynCssSyn>());
    m_highlighters.push_back(std::make_unique<TSynXMLSyn>());
    m_highlighters.push_back(std::make_unique<TSynSQLSyn>());
    m_highlighters.push_back(std::make_unique<TSynGeneralSyn>());

    auto multi = std::make_unique<TSynMultiSynPCRE>(QStringLiteral("phphtml"), QStringLiteral("PHP/HTML"));
    multi->setDefaultHighlighter(byName(QStringLiteral("html")));
    struct SchemeDefinition
    {
        const char *name, *start, *end, *highlighter;
        bool caseSensitive;
    };
    const SchemeDefinition schemes[] = {
        {"PHP", TSynMultiSynPCRE::PhpStartExpr, TSynMultiSynPCRE::PhpEndExpr, "php", true},
        {"CSS", "<style[^>]*>", "</style>", "css", false},
        {"JavaScript", "<script[^>]*>", "</script>", "javascript", false},
    };
    for (const SchemeDefinition &definition : schemes) {
        TScheme &scheme = multi->addScheme(QString::fromLatin1(definition.name));
        scheme.setCaseSensitive(definition.caseSensitive);
        scheme.setStartExpr(QString::fromLatin1(definition.start));
        scheme.setEndExpr(QString::fromLatin1(definition.end));
        scheme.setHighlighter(byName(QString::fromLatin1(definition.highlighter)));
    }
    m_phpHtml = multi.get();
    m_highlighters.push_back(std::move(multi));
}

THighlighterSet::~THighlighterSet() = default;

TSynCustomHighlighter *THighlighterSet::byName(const QString &name) const
{
    for (const auto &highlighter : m_highlighters) {
        if (highlighter->name() == name)
            return highlighter.get();
    }
    return nullptr;
}

TSynCustomHighlighter *THighlighterSet::forExtension(const QString &extension) const
{
    const QString ext = extension.toLower();
    if (ext == u"php" || ext == u"php3" || ext == u"php4" || ext == u"php5" || ext == u"phtml" || ext == u"html"
        || ext == u"htm" || ext == u"inc")
        return m_phpHtml;
    if (ext == u"js" || ext == u"mjs")
        return byName(QStringLiteral("javascript"));
    if (ext == u"css")
        return byName(QStringLiteral("css"));
    if (ext == u"xml" || ext == u"xsl" || ext == u"xslt" || ext == u"svg" || ext == u"qpg")
        return byName(QStringLiteral("xml"));
    if (ext == u"sql")
        return byName(QStringLiteral("sql"));
    return byName(QStringLiteral("general"));
}
