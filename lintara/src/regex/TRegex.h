#pragma once

#include "regex/RegexInterfaces.h"
#include "regex/TPcre2Binding.h"

#include <QList>
#include <QStringView>
#include <functional>
#include <memory>

class TRegexLocale;
class TNameIndexLookup;
class TRegexMatch;

// A compiled pattern. Immutable after construction, so one instance serves
// several threads at once; every match call has its own result.
class TRegex : public IRegex, public IRegexInfo, public std::enable_shared_from_this<TRegex>
{
public:
    // Throws ERegexException for a pattern that does not compile and
    // EBadRegexLocale for an unknown locale.
    TRegex(const QString &pattern, TRegCompileOptions options, const QString &localeName, int category);
    ~TRegex() override;
    TRegex(const TRegex &) = delete;
    TRegex &operator=(const TRegex &) = delete;

    bool IsMatch(const QString &subject) const override;
    bool IsMatch(const QString &subject, TRegMatchOptions matchOptions) const override;
    bool IsMatch(const QString &subject, int32_t startAt) const override;
    bool IsMatch(const QString &subject, int32_t startAt, TRegMatchOptions matchOptions) const override;

    std::shared_ptr<IMatch> Match(const QString &subject) const override;
    std::shared_ptr<IMatch> Match(const QString &subject, TRegMatchOptions matchOptions) const override;
    std::shared_ptr<IMatch> Match(const QString &subject, int32_t startAt) const override;
    std::shared_ptr<IMatch> Match(const QString &subject, int32_t startAt,
                                  TRegMatchOptions matchOptions) const override;

    std::shared_ptr<IMatchCollection> Matches(const QString &subject) const override;
    std::shared_ptr<IMatchCollection> Matches(const QString &subject, TRegMatchOptions matchOptions) const override;
    void Matches(const QString &subject, const TRegexMatchEvent &event) const override;
    void Matches(const QString &subject, TRegMatchOptions matchOptions, const TRegexMatchEvent &event) const override;

    std::shared_ptr<IStringCollection> Split(const QString &subject) const override;
    std::shared_ptr<IStringCollection> Split(const QString &subject, TRegSplitOptions splitOptions) const override;
    std::shared_ptr<IStringCollection> Split(const QString &subject, TRegSplitOptions splitOptions,
                                             TRegMatchOptions matchOptions) const override;

    QString Replace(const QString &subject, const QString &replaceTemplate) const override;
    QString Replace(const QString &subject, const TRegexMatchEvaluator &evaluator) const override;
    QString Replace(const QString &subject, const QString &replaceTemplate,
                    TRegMatchOptions matchOptions) const override;
    QString Replace(const QString &subject, const TRegexMatchEvaluator &evaluator,
                    TRegMatchOptions matchOptions) const override;

    TRegCompileOptions Options() const override { return m_options; }
    QString Pattern() const override { return m_pattern; }

    // IRegexInfo
    int32_t Size() const override;
    int32_t CaptureCount() const override { return m_captureCount; }
    int32_t BackRefMax() const override;
    int32_t FirstByte() const override;
    QByteArray FirstTable() const override;
    int32_t LastLiteral() const override;
    QString LocaleName() const override;
    int32_t NamedGroupCount() const override;
    TNamedGroupInfo NamedGroups(int32_t number) const override;
    TRegCompileOptions CompiledOptions() const;

    // Runs the pattern from startAt; on success offsets holds a start and an
    // end per group (-1 for a group that did not take part). Throws
    // ERegexMatchLimit when a limit was hit.
    bool MatchOffsets(QStringView subject, int32_t startAt, TRegMatchOptions matchOptions,
                      QList<int32_t> &offsets) const;
    std::shared_ptr<TRegexMatch> MatchObject(const QString &subject, int32_t startAt,
                                             TRegMatchOptions matchOptions) const;
    // The walk shared by Matches, Split and Replace: after a non-empty match
    // it goes on at the match end, after an empty one a whole character later.
    void ForEachMatch(const QString &subject, TRegMatchOptions matchOptions,
                      const std::function<void(const TRegexMatch &)> &handle) const;

private:
    void compile();
    void readNameTable();
    uint32_t info(uint32_t what) const;
    QString replaceWith(const QString &subject, TRegMatchOptions matchOptions,
                        const std::function<QString(const TRegexMatch &)> &text) const;

    QString m_pattern;
    TRegCompileOptions m_options;
    std::unique_ptr<TRegexLocale> m_locale;
    pcre2_code_16 *m_code = nullptr;
    uint32_t m_matchOptions = 0;
    int32_t m_captureCount = 0;
    std::shared_ptr<TNameIndexLookup> m_names;
};
