#pragma once

#include <QString>
#include <vector>

// The language and country codes the META tag generator offers, with their
// German names: ISO 639-1 languages in code order ("aa" ... "zu") and
// ISO 3166-1 countries in code order ("AD" ... "ZW").
class TLangCountryAbbr
{
public:
    struct TEntry {
        const char *code;
        const char *name; // UTF-8
        QString Name() const { return QString::fromUtf8(name); }
    };
    static const std::vector<TEntry> &Languages();
    static const std::vector<TEntry> &Countries();
    // Index of the language with that code, -1 for none.
    static int LanguageIndex(const QString &code);
    static int CountryIndex(const QString &code);
};
