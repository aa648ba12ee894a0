#pragma once

#include "facade/ITextRegex.h"
#include "settings/VYRASettingsTypes.h"
#include "vyra_export.h"

#include <QList>
#include <QString>

// Every match of a search in a text, by plain comparison or by regular
// expression, honouring case and whole words. Plain search is our own; the
// regular expressions come from the injected engine.
class VYRA_EXPORT TTextFinder
{
public:
    TTextFinder(const ITextRegex *regex, TVYRASearchOptions options);
    QList<TTextMatch> FindAll(const QString &text, const QString &pattern) const;

    static bool IsWordChar(QChar c);
    static bool IsWholeWord(const QString &text, const TTextMatch &match);

private:
    QList<TTextMatch> findPlain(const QString &text, const QString &pattern) const;

    const ITextRegex *m_regex;
    TVYRASearchOptions m_options;
};
