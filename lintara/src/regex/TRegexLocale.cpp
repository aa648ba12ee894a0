#include "regex/TRegexLocale.h"

#include "regex/RegexExceptions.h"
#include "regex/TPcre2Binding.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>
#include <new>

namespace {

int categoryMask(int category)
{
    switch (category) {
    case RXLC_ALL: return LC_ALL_MASK;
    case RXLC_COLLATE: return LC_COLLATE_MASK;
    case RXLC_CTYPE: return LC_CTYPE_MASK;
    case RXLC_MONETARY: return LC_MONETARY_MASK;
    case RXLC_NUMERIC: return LC_NUMERIC_MASK;
    case RXLC_TIME: return LC_TIME_MASK;
    default: return -1;
    }
}

int nameItem(int category)
{
    switch (category) {
    case RXLC_COLLATE: return _NL_LOCALE_NAME(LC_COLLATE);
    case RXLC_MONETARY: return _NL_LOCALE_NAME(LC_MONETARY);
    case RXLC_NUMERIC: return _NL_LOCALE_NAME(LC_NUMERIC);
    case RXLC_TIME: return _NL_LOCALE_NAME(LC_TIME);
    default: return _NL_LOCALE_NAME(LC_CTYPE);
    }
}

// Makes the locale current for this thread only while it lives.
class ThreadLocaleScope
{
public:
    explicit ThreadLocaleScope(locale_t locale) : m_previous(uselocale(locale)) {}
    ~ThreadLocaleScope() { uselocale(m_previous); }
    ThreadLocaleScope(const ThreadLocaleScope &) = delete;
    ThreadLocaleScope &operator=(const ThreadLocaleScope &) = delete;

private:
    locale_t m_previous;
};

} // namespace

TRegexLocale::TRegexLocale(const QString &localeName, int category)
    : m_localeName(QStringLiteral("C"))
{
    if (localeName == QLatin1String("C") && category == RXLC_ALL)
        return;
    const int mask = categoryMask(category);
    locale_t locale = mask < 0 ? locale_t(nullptr) : newlocale(mask, localeName.toLocal8Bit().constData(), nullptr);
    if (!locale)
        throw EBadRegexLocale(QStringLiteral("Invalid locale string %1 or invalid locale category %2")
                                  .arg(localeName)
                                  .arg(category));
    {
        ThreadLocaleScope scope(locale);
        m_tables = pcre2_maketables_16(nullptr);
    }
    m_localeName = QString::fromLocal8Bit(nl_langinfo_l(nameItem(category), locale));
    freelocale(locale);
    if (!m_tables)
        throw std::bad_alloc();
    m_ownsTables = true;
}

TRegexLocale::~TRegexLocale()
{
    if (m_ownsTables)
        pcre2_maketables_free_16(nullptr, m_tables);
}
