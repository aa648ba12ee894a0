#pragma once

#include "regex/TRegexTypes.h"

#include <QString>

// Character tables of one C-library locale for a compiled pattern. "C" with
// RXLC_ALL needs none: the library's built-in tables are the C locale's.
class TRegexLocale
{
public:
    // Throws EBadRegexLocale when the locale or the category is unknown.
    TRegexLocale(const QString &localeName, int category);
    ~TRegexLocale();
    TRegexLocale(const TRegexLocale &) = delete;
    TRegexLocale &operator=(const TRegexLocale &) = delete;

    const uint8_t *Tables() const { return m_tables; }
    const QString &LocaleName() const { return m_localeName; }
    bool OwnsTables() const { return m_ownsTables; }

private:
    const uint8_t *m_tables = nullptr;
    QString m_localeName;
    bool m_ownsTables = false;
};
