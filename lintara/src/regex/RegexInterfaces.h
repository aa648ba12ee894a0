#pragma once

#include "lintara_export.h"
#include "regex/TRegexTypes.h"

#include <QString>
#include <cstdint>
#include <memory>

// The facade's interfaces. Objects are shared: every interface pointer is a
// std::shared_ptr, and an object lives as long as one of them. Asking one
// interface for another is a std::dynamic_pointer_cast; the identities below
// are the ones plug-ins use for the same question.

class LINTARA_EXPORT ICaptureGroup
{
public:
    static constexpr const char *IID = "{2AAF1F28-63F8-4977-95EE-13AAC0E3E866}";
    virtual ~ICaptureGroup() = default;
    virtual bool Success() const = 0;
    virtual QString Value() const = 0;
    virtual int32_t Index() const = 0;
    virtual int32_t Length() const = 0;
};

class LINTARA_EXPORT ICaptureGroupCollection
{
public:
    static constexpr const char *IID = "{662BAD69-E186-4582-A3EB-568AE049E16A}";
    virtual ~ICaptureGroupCollection() = default;
    virtual int32_t Count() const = 0;
    virtual std::shared_ptr<ICaptureGroup> Items(int32_t number) const = 0;
    virtual std::shared_ptr<ICaptureGroup> NamedItems(const QString &name) const = 0;
};

// A match; as a capture group it describes group 0.
class LINTARA_EXPORT IMatch : public ICaptureGroup
{
public:
    static constexpr const char *IID = "{99E6F66B-1D9F-41D6-8C30-497AF04EF2BA}";
    virtual std::shared_ptr<ICaptureGroupCollection> Groups() const = 0;
};

class LINTARA_EXPORT IMatchCollection
{
public:
    static constexpr const char *IID = "{86D9C75F-754A-4A71-9965-3854DB68F8E9}";
    virtual ~IMatchCollection() = default;
    virtual int32_t Count() const = 0;
    virtual std::shared_ptr<IMatch> Items(int32_t number) const = 0;
};

class LINTARA_EXPORT IStringCollection
{
public:
    static constexpr const char *IID = "{4FC62381-7D61-4399-B22E-4AB27BBC070C}";
    virtual ~IStringCollection() = default;
    virtual int32_t Count() const = 0;
    virtual QString Items(int32_t number) const = 0;
};

class LINTARA_EXPORT IRegex
{
public:
    static constexpr const char *IID = "{C8DA961E-33ED-4C3A-AA9F-400DD9A766EB}";
    virtual ~IRegex() = default;

    virtual bool IsMatch(const QString &subject) const = 0;
    virtual bool IsMatch(const QString &subject, TRegMatchOptions matchOptions) const = 0;
    virtual bool IsMatch(const QString &subject, int32_t startAt) const = 0;
    virtual bool IsMatch(const QString &subject, int32_t startAt, TRegMatchOptions matchOptions) const = 0;

    virtual std::shared_ptr<IMatch> Match(const QString &subject) const = 0;
    virtual std::shared_ptr<IMatch> Match(const QString &subject, TRegMatchOptions matchOptions) const = 0;
    virtual std::shared_ptr<IMatch> Match(const QString &subject, int32_t startAt) const = 0;
    virtual std::shared_ptr<IMatch> Match(const QString &subject, int32_t startAt,
                                          TRegMatchOptions matchOptions) const = 0;

    virtual std::shared_ptr<IMatchCollection> Matches(const QString &subject) const = 0;
    virtual std::shared_ptr<IMatchCollection> Matches(const QString &subject, TRegMatchOptions matchOptions) const = 0;
    virtual void Matches(const QString &subject, const TRegexMatchEvent &event) const = 0;
    virtual void Matches(const QString &subject, TRegMatchOptions matchOptions,
                         const TRegexMatchEvent &event) const = 0;

    virtual std::shared_ptr<IStringCollection> Split(const QString &subject) const = 0;
    virtual std::shared_ptr<IStringCollection> Split(const QString &subject, TRegSplitOptions splitOptions) const = 0;
    virtual std::shared_ptr<IStringCollection> Split(const QString &subject, TRegSplitOptions splitOptions,
                                                     TRegMatchOptions matchOptions) const = 0;

    virtual QString Replace(const QString &subject, const QString &replaceTemplate) const = 0;
    virtual QString Replace(const QString &subject, const TRegexMatchEvaluator &evaluator) const = 0;
    virtual QString Replace(const QString &subject, const QString &replaceTemplate,
                            TRegMatchOptions matchOptions) const = 0;
    virtual QString Replace(const QString &subject, const TRegexMatchEvaluator &evaluator,
                            TRegMatchOptions matchOptions) const = 0;

    virtual TRegCompileOptions Options() const = 0;
    virtual QString Pattern() const = 0;
};

class LINTARA_EXPORT IRegexInfo
{
public:
    static constexpr const char *IID = "{9BEAD385-793F-441A-8721-D161B2DCA6B7}";
    virtual ~IRegexInfo() = default;
    virtual int32_t Size() const = 0;
    virtual int32_t CaptureCount() const = 0;
    virtual int32_t BackRefMax() const = 0;
    // The first code unit a match must start with; -1 when a match starts at
    // a line start, -2 when nothing is known.
    virtual int32_t FirstByte() const = 0;
    // 256-bit map of possible first code units below 256, empty when none.
    virtual QByteArray FirstTable() const = 0;
    virtual int32_t LastLiteral() const = 0;
    virtual QString LocaleName() const = 0;
    virtual TRegCompileOptions Options() const = 0;
    virtual QString Pattern() const = 0;
    virtual int32_t NamedGroupCount() const = 0;
    virtual TNamedGroupInfo NamedGroups(int32_t number) const = 0;
};

class LINTARA_EXPORT INameIndexLookup
{
public:
    static constexpr const char *IID = "{4EB901AE-50F9-4552-84B6-1676613B6F0E}";
    virtual ~INameIndexLookup() = default;
    virtual int32_t IndexOf(const QString &name) const = 0;
    virtual void Add(const QString &name, int32_t number) = 0;
    virtual int32_t Count() const = 0;
    virtual TNamedGroupInfo Items(int32_t number) const = 0;
};
