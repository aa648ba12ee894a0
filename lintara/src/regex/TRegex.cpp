#include "regex/TRegex.h"

#include "regex/RegexExceptions.h"
#include "regex/TNameIndexLookup.h"
#include "regex/TRegexLocale.h"
#include "regex/TRegexMatch.h"
#include "regex/TRegexMatchCollection.h"
#include "regex/TRegexPatternTranslator.h"
#include "regex/TRegexStringCollection.h"
#include "regex/TSubstitute.h"

namespace {

const char16_t EmptySubject[1] = {0};

PCRE2_SPTR16 codeUnits(QStringView text)
{
    return reinterpret_cast<PCRE2_SPTR16>(text.utf16() ? text.utf16() : EmptySubject);
}

// Length of the character at pos: 2 for a surrogate pair, else 1.
int32_t characterLength(QStringView text, int32_t pos)
{
    if (pos + 1 < text.size() && text[pos].isHighSurrogate() && text[pos + 1].isLowSurrogate())
        return 2;
    return 1;
}

} // namespace

TRegex::TRegex(const QString &pattern, TRegCompileOptions options, const QString &localeName, int category)
    : m_pattern(pattern), m_options(options),
      m_locale(std::make_unique<TRegexLocale>(localeName, category)),
      m_names(std::make_shared<TNameIndexLookup>())
{
    compile();
    readNameTable();
}

TRegex::~TRegex()
{
    pcre2_code_free_16(m_code);
}

void TRegex::compile()
{
    const TPcre2Binding::CompileFlags flags = TPcre2Binding::compileFlags(m_options);
    const QString source = m_options.contains(TRegCompileOption::rcoUTF8)
                               ? m_pattern
                               : TRegexPatternTranslator::ForUnicode(m_pattern);
    pcre2_compile_context_16 *context = pcre2_compile_context_create_16(nullptr);
    pcre2_set_compile_extra_options_16(context, flags.extraOptions);
    if (m_locale->Tables())
        pcre2_set_character_tables_16(context, m_locale->Tables());
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    m_code = pcre2_compile_16(codeUnits(source), PCRE2_SIZE(source.size()), flags.options, &errorCode,
                              &errorOffset, context);
    pcre2_compile_context_free_16(context);
    if (!m_code)
        throw ERegexException(QStringLiteral("Invalid Pattern '%1': error at position %2: %3")
                                  .arg(m_pattern)
                                  .arg(qint64(errorOffset))
                                  .arg(TPcre2Binding::errorMessage(errorCode)));
    m_matchOptions = flags.matchOptions;
    uint32_t jitOptions = PCRE2_JIT_COMPLETE;
    if (flags.matchOptions & PCRE2_PARTIAL_SOFT)
        jitOptions |= PCRE2_JIT_PARTIAL_SOFT;
    // Without the JIT (unsupported machine, no memory) the interpreter runs.
    pcre2_jit_compile_16(m_code, jitOptions);
    m_captureCount = int32_t(info(PCRE2_INFO_CAPTURECOUNT));
}

uint32_t TRegex::info(uint32_t what) const
{
    uint32_t value = 0;
    const int rc = pcre2_pattern_info_16(m_code, what, &value);
    if (rc < 0)
        throw ERegexException(TPcre2Binding::errorName(rc));
    return value;
}

void TRegex::readNameTable()
{
    const uint32_t count = info(PCRE2_INFO_NAMECOUNT);
    if (count == 0)
        return;
    const uint32_t entrySize = info(PCRE2_INFO_NAMEENTRYSIZE);
    PCRE2_SPTR16 table = nullptr;
    pcre2_pattern_info_16(m_code, PCRE2_INFO_NAMETABLE, &table);
    for (uint32_t i = 0; i < count; ++i) {
        PCRE2_SPTR16 entry = table + i * entrySize;
        // The first code unit is the group number, then the name, zero-terminated.
        m_names->Add(QString::fromUtf16(reinterpret_cast<const char16_t *>(entry + 1)), int32_t(entry[0]));
    }
}

bool TRegex::MatchOffsets(QStringView subject, int32_t startAt, TRegMatchOptions matchOptions,
                          QList<int32_t> &offsets) const
{
    offsets.clear();
    if (startAt < 0 || startAt > subject.size())
        return false;
    const uint32_t pairs = uint32_t(m_captureCount) + 1;
    pcre2_match_data_16 *data = TPcre2Binding::threadMatchData(pairs);
    pcre2_match_context_16 *context = TPcre2Binding::threadMatchContext();
    const uint32_t options = TPcre2Binding::matchFlags(matchOptions) | m_matchOptions;
    int rc = pcre2_match_16(m_code, codeUnits(subject), PCRE2_SIZE(subject.size()), PCRE2_SIZE(startAt), options,
                            data, context);
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT) // deep nesting: the interpreter keeps its stack on the heap
        rc = pcre2_match_16(m_code, codeUnits(subject), PCRE2_SIZE(subject.size()), PCRE2_SIZE(startAt),
                            options | PCRE2_NO_JIT, data, context);
    if (rc == PCRE2_ERROR_NOMATCH)
        return false;
    if (rc < 0) {
        if (TPcre2Binding::isLimitError(rc))
            throw ERegexMatchLimit(TPcre2Binding::errorName(rc));
        throw ERegexException(TPcre2Binding::errorName(rc));
    }
    const PCRE2_SIZE *vector = pcre2_get_ovector_pointer_16(data);
    offsets.resize(qsizetype(pairs) * 2);
    for (uint32_t i = 0; i < pairs * 2; ++i)
        offsets[i] = vector[i] == PCRE2_UNSET ? -1 : int32_t(vector[i]);
    return true;
}

std::shared_ptr<TRegexMatch> TRegex::MatchObject(const QString &subject, int32_t startAt,
                                                 TRegMatchOptions matchOptions) const
{
    QList<int32_t> offsets;
    MatchOffsets(subject, startAt, matchOptions, offsets);
    return std::make_shared<TRegexMatch>(subject, std::move(offsets), m_captureCount + 1, m_names);
}

void TRegex::ForEachMatch(const QString &subject, TRegMatchOptions matchOptions,
                          const std::function<void(const TRegexMatch &)> &handle) const
{
    int32_t start = 0;
    for (;;) {
        std::shared_ptr<TRegexMatch> m = MatchObject(subject, start, matchOptions);
        if (!m->Success())
            return;
        handle(*m);
        const int32_t end = m->Index() + m->Length();
        const int32_t next = m->Length() > 0 ? end : end + characterLength(subject, end);
        start = std::max(next, start + 1);
    }
}

bool TRegex::IsMatch(const QString &subject) const
{
    return IsMatch(subject, 0, {});
}

bool TRegex::IsMatch(const QString &subject, TRegMatchOptions matchOptions) const
{
    return IsMatch(subject, 0, matchOptions);
}

bool TRegex::IsMatch(const QString &subject, int32_t startAt) const
{
    return IsMatch(subject, startAt, {});
}

bool TRegex::IsMatch(const QString &subject, int32_t startAt, TRegMatchOptions matchOptions) const
{
    QList<int32_t> offsets;
    return MatchOffsets(subject, startAt, matchOptions, offsets);
}

std::shared_ptr<IMatch> TRegex::Match(const QString &subject) const
{
    return MatchObject(subject, 0, {});
}

std::shared_ptr<IMatch> TRegex::Match(const QString &subject, TRegMatchOptions matchOptions) const
{
    return MatchObject(subject, 0, matchOptions);
}

std::shared_ptr<IMatch> TRegex::Match(const QString &subject, int32_t startAt) const
{
    return MatchObject(subject, startAt, {});
}

std::shared_ptr<IMatch> TRegex::Match(const QString &subject, int32_t startAt, TRegMatchOptions matchOptions) const
{
    return MatchObject(subject, startAt, matchOptions);
}

std::shared_ptr<IMatchCollection> TRegex::Matches(const QString &subject) const
{
    return Matches(subject, TRegMatchOptions());
}

std::shared_ptr<IMatchCollection> TRegex::Matches(const QString &subject, TRegMatchOptions matchOptions) const
{
    auto collection = std::make_shared<TRegexMatchCollection>();
    ForEachMatch(subject, matchOptions, [&](const TRegexMatch &m) {
        collection->Add(std::const_pointer_cast<TRegexMatch>(m.shared_from_this()));
    });
    return collection;
}

void TRegex::Matches(const QString &subject, const TRegexMatchEvent &event) const
{
    Matches(subject, TRegMatchOptions(), event);
}

void TRegex::Matches(const QString &subject, TRegMatchOptions matchOptions, const TRegexMatchEvent &event) const
{
    if (!event)
        return;
    ForEachMatch(subject, matchOptions, [&](const TRegexMatch &m) {
        event(std::const_pointer_cast<TRegexMatch>(m.shared_from_this()));
    });
}

std::shared_ptr<IStringCollection> TRegex::Split(const QString &subject) const
{
    return Split(subject, TRegSplitOptions(), TRegMatchOptions());
}

std::shared_ptr<IStringCollection> TRegex::Split(const QString &subject, TRegSplitOptions splitOptions) const
{
    return Split(subject, splitOptions, TRegMatchOptions());
}

std::shared_ptr<IStringCollection> TRegex::Split(const QString &subject, TRegSplitOptions splitOptions,
                                                 TRegMatchOptions matchOptions) const
{
    QStringList pieces;
    int32_t previous = 0;
    const bool withSeparators = splitOptions.contains(TRegSplitOption::rsoIncludeSeparators);
    ForEachMatch(subject, matchOptions, [&](const TRegexMatch &m) {
        pieces.append(subject.mid(previous, m.Index() - previous));
        if (withSeparators)
            pieces.append(m.Value());
        for (int32_t g = 1; g < m.Count(); ++g)
            if (m.GroupStart(g) != -1)
                pieces.append(m.GroupValue(g));
        previous = m.Index() + m.Length();
    });
    pieces.append(subject.mid(previous));
    return std::make_shared<TRegexStringCollection>(pieces);
}

QString TRegex::replaceWith(const QString &subject, TRegMatchOptions matchOptions,
                            const std::function<QString(const TRegexMatch &)> &text) const
{
    QString result;
    int32_t previous = 0;
    ForEachMatch(subject, matchOptions, [&](const TRegexMatch &m) {
        result += QStringView(subject).mid(previous, m.Index() - previous);
        result += text(m);
        previous = m.Index() + m.Length();
    });
    result += QStringView(subject).mid(previous);
    return result;
}

QString TRegex::Replace(const QString &subject, const QString &replaceTemplate) const
{
    return Replace(subject, replaceTemplate, TRegMatchOptions());
}

QString TRegex::Replace(const QString &subject, const TRegexMatchEvaluator &evaluator) const
{
    return Replace(subject, evaluator, TRegMatchOptions());
}

QString TRegex::Replace(const QString &subject, const QString &replaceTemplate, TRegMatchOptions matchOptions) const
{
    return replaceWith(subject, matchOptions, [&](const TRegexMatch &m) {
        return TSubstitute(m.shared_from_this()).Expand(replaceTemplate);
    });
}

QString TRegex::Replace(const QString &subject, const TRegexMatchEvaluator &evaluator,
                        TRegMatchOptions matchOptions) const
{
    if (!evaluator)
        return subject;
    return replaceWith(subject, matchOptions, [&](const TRegexMatch &m) {
        return evaluator(std::const_pointer_cast<TRegexMatch>(m.shared_from_this()));
    });
}

int32_t TRegex::Size() const
{
    size_t size = 0;
    pcre2_pattern_info_16(m_code, PCRE2_INFO_SIZE, &size);
    return int32_t(size);
}

int32_t TRegex::BackRefMax() const
{
    return int32_t(info(PCRE2_INFO_BACKREFMAX));
}

int32_t TRegex::FirstByte() const
{
    switch (info(PCRE2_INFO_FIRSTCODETYPE)) {
    case 1: return int32_t(info(PCRE2_INFO_FIRSTCODEUNIT));
    case 2: return -1;
    default: return -2;
    }
}

QByteArray TRegex::FirstTable() const
{
    const uint8_t *bitmap = nullptr;
    pcre2_pattern_info_16(m_code, PCRE2_INFO_FIRSTBITMAP, &bitmap);
    if (!bitmap)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(bitmap), 32);
}

int32_t TRegex::LastLiteral() const
{
    return info(PCRE2_INFO_LASTCODETYPE) == 1 ? int32_t(info(PCRE2_INFO_LASTCODEUNIT)) : -1;
}

QString TRegex::LocaleName() const
{
    return m_locale->LocaleName();
}

int32_t TRegex::NamedGroupCount() const
{
    return m_names->Count();
}

TNamedGroupInfo TRegex::NamedGroups(int32_t number) const
{
    return m_names->Items(number);
}

TRegCompileOptions TRegex::CompiledOptions() const
{
    const TRegCompileOptions own = {TRegCompileOption::rcoExtra, TRegCompileOption::rcoUTF8,
                                    TRegCompileOption::rcoNoUTF8Check, TRegCompileOption::rcoPartial};
    return TPcre2Binding::fromCompileOptions(info(PCRE2_INFO_ALLOPTIONS))
         | TRegCompileOptions::fromBits(m_options.bits() & own.bits());
}
