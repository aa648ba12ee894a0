#include "snippets/TSnippet.h"

TSnippet::TSnippet(QString name, QString code, QString shortcut, TSnippetGroup *group)
    : Name(std::move(name))
    , Code(std::move(code))
    , Shortcut(std::move(shortcut))
    , m_group(group)
{
}

TSnippet::TSnippet(QString name, QString code, TSnippetGroup *group)
    : TSnippet(std::move(name), std::move(code), QString(), group)
{
}

QString TSnippet::HintText() const
{
    QString code = Code;
    code.replace(QLatin1String("%cursor%"), QLatin1String("|"));
    code.replace(QLatin1Char('\t'), QLatin1String("     "));
    QString hint = QStringLiteral("Snippet-Text: \n") + code;
    if (!Shortcut.isEmpty())
        hint = QStringLiteral("Kurztext für Templatesystem: ") + Shortcut + QStringLiteral("\n\n") + hint;
    return hint;
}
