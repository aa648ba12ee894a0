#pragma once

#include "facade/ITextRegex.h"
#include "orvane_export.h"
#include "settings/VYRASettingsTypes.h"

#include <QList>
#include <QString>
#include <memory>

class IRegex;

// One search pattern, prepared once and then used on any number of texts
// from any number of threads: plain text or a regular expression, with or
// without case and whole words. Documents and files on disk go through the
// same matcher, so they give the same hits for the same text.
class ORVANE_EXPORT TSearchMatcher
{
public:
    // Raises ERegexException when xsoUseRegEx is set and the pattern does
    // not compile, before anything is searched.
    TSearchMatcher(const QString &pattern, TVYRASearchOptions options);

    // Every hit in text, front to back, never overlapping.
    QList<TTextMatch> FindAll(const QString &text) const;
    // Quick test whether text can hold a hit at all (false means none).
    bool MayMatch(const QString &text) const;

    const QString &Pattern() const { return m_pattern; }
    TVYRASearchOptions Options() const { return m_options; }

private:
    QList<TTextMatch> findPlain(const QString &text) const;
    QList<TTextMatch> findRegex(const QString &text) const;

    QString m_pattern;
    TVYRASearchOptions m_options;
    Qt::CaseSensitivity m_case;
    std::shared_ptr<IRegex> m_regex;
};
