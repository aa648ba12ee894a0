#pragma once

#include "orvane_export.h"

#include <QString>
#include <QStringList>

class TSearchMatcher;

// Replaces every hit of a search in files on disk. Each file is read as the
// editor reads it, searched again (it may have changed since the search),
// and written back whole through a temporary file in its own encoding, with
// its BOM and line breaks; a file that cannot be read, encoded or written
// stays as it was and is reported.
class ORVANE_EXPORT TFileReplacer
{
public:
    struct TOutcome {
        int filesChanged = 0;
        int replacements = 0;
        // One German message per file that could not be changed.
        QStringList failures;
    };

    TFileReplacer(const TSearchMatcher &matcher, const QString &replacement);
    TOutcome Replace(const QStringList &fileNames) const;

private:
    // Number of replacements made (0: nothing to do); an error text in failure.
    int replaceIn(const QString &fileName, QString &failure) const;

    const TSearchMatcher &m_matcher;
    QString m_replacement;
};
