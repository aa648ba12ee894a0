#include "utils/WildCards.h"

#include "utils/VYRAExceptions.h"

#include <QLocale>
#include <QStringList>

namespace {

constexpr int kMaxStarLevels = 8;

// Number of text code units a "?" consumes at pos (a surrogate pair is one character).
qsizetype charLength(const QString &text, qsizetype pos)
{
    if (text.at(pos).isHighSurrogate() && pos + 1 < text.size() && text.at(pos + 1).isLowSurrogate())
        return 2;
    return 1;
}

// Walks pattern and text from the left. On a mismatch only the most recent
// star is resumed one character further: when that star cannot lead to a
// match, no earlier star can either, so the result equals a full backtracking
// search without its exponential cost. Each star reached counts as one level
// (consecutive stars too), exactly as a stack of resumable stars would hold them.
bool matchWild(const QString &pattern, const QString &text, int maxLevels)
{
    qsizetype p = 0;
    qsizetype t = 0;
    qsizetype starPattern = -1; // pattern position after the most recent star
    qsizetype starText = 0;     // text position that star resumes from
    int levels = 0;

    while (true) {
        if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            ++levels;
            if (maxLevels > 0 && levels > maxLevels) {
                throw EWildcardError(
                    QStringLiteral("CompareWildString(%1, %2)\r\ntoo many levels of '*'").arg(pattern, text));
            }
            starPattern = ++p;
            starText = t;
            continue;
        }
        if (p == pattern.size() && t == text.size())
            return true;
        if (p < pattern.size() && t < text.size()) {
            if (pattern.at(p) == QLatin1Char('?')) {
                t += charLength(text, t);
                ++p;
                continue;
            }
            if (pattern.at(p) == text.at(t)) {
                ++p;
                ++t;
                continue;
            }
        }
        // Mismatch: resume the most recent star unless it already reached the end.
        if (starPattern < 0 || starText >= text.size())
            return false;
        ++starText;
        p = starPattern;
        t = starText;
    }
}

} // namespace

bool CompareWildString(const QString &pattern, const QString &text)
{
    return matchWild(pattern, text, kMaxStarLevels);
}

bool CompareWildText(const QString &pattern, const QString &text)
{
    const QLocale locale;
    return CompareWildString(locale.toUpper(pattern), locale.toUpper(text));
}

bool MatchesFileMask(const QString &masks, const QString &fileName)
{
    const QLocale locale;
    const QString name = locale.toUpper(fileName);
    const QStringList parts = masks.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QString mask = part.trimmed();
        if (mask.isEmpty())
            continue;
        if (mask == QLatin1String("*.*") || matchWild(locale.toUpper(mask), name, 0))
            return true;
    }
    return false;
}
