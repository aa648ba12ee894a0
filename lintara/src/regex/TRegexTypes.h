#pragma once

#include "lintara_export.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>

// Compile options; the ordinal decides the bit of a TRegCompileOptions set.
enum class TRegCompileOption {
    rcoAnchored = 0,
    rcoIgnoreCase = 1,
    rcoDollarEndOnly = 2,
    rcoSingleLine = 3,
    rcoIgnorePatternWhitespace = 4,
    rcoExtra = 5,
    rcoMultiLine = 6,
    rcoUngreedy = 7,
    rcoNoAutoCapture = 8,
    rcoUTF8 = 9,
    rcoNoUTF8Check = 10,
    rcoAutoCallout = 11,
    rcoPartial = 12,
};

enum class TRegMatchOption {
    rmoAnchored = 0,
    rmoNotBOL = 1,
    rmoNotEOL = 2,
    rmoNotEmpty = 3,
};

enum class TRegSplitOption {
    rsoIncludeSeparators = 0,
};

// The C library's locale category numbers.
enum TRegexLocaleCategory : int {
    RXLC_ALL = 0,
    RXLC_COLLATE = 1,
    RXLC_CTYPE = 2,
    RXLC_MONETARY = 3,
    RXLC_NUMERIC = 4,
    RXLC_TIME = 5,
};

// A set over one of the option enumerations: bit n stands for ordinal n.
template<typename E>
class TEnumSet
{
public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(E value) : m_bits(bit(value)) {}
    constexpr TEnumSet(std::initializer_list<E> values)
    {
        for (E v : values)
            m_bits |= bit(v);
    }
    static constexpr TEnumSet fromBits(uint32_t bits)
    {
        TEnumSet s;
        s.m_bits = bits;
        return s;
    }

    constexpr bool contains(E value) const { return (m_bits & bit(value)) != 0; }
    constexpr bool isEmpty() const { return m_bits == 0; }
    constexpr uint32_t bits() const { return m_bits; }
    constexpr TEnumSet operator|(TEnumSet other) const { return fromBits(m_bits | other.m_bits); }
    constexpr TEnumSet &operator|=(TEnumSet other)
    {
        m_bits |= other.m_bits;
        return *this;
    }
    constexpr TEnumSet without(E value) const { return fromBits(m_bits & ~bit(value)); }
    constexpr bool operator==(const TEnumSet &) const = default;

private:
    static constexpr uint32_t bit(E value) { return uint32_t(1) << static_cast<int>(value); }
    uint32_t m_bits = 0;
};

using TRegCompileOptions = TEnumSet<TRegCompileOption>;
using TRegMatchOptions = TEnumSet<TRegMatchOption>;
using TRegSplitOptions = TEnumSet<TRegSplitOption>;

struct TNamedGroupInfo
{
    QString Name;
    int32_t Number = 0;
};

class IMatch;
using TRegexMatchEvaluator = std::function<QString(const std::shared_ptr<IMatch> &theMatch)>;
using TRegexMatchEvent = std::function<void(const std::shared_ptr<IMatch> &theMatch)>;

// Conversion to and from the numeric option words our callers store.
LINTARA_EXPORT uint32_t EncodeRegCompileOptions(TRegCompileOptions options);
LINTARA_EXPORT TRegCompileOptions DecodeRegCompileOptions(uint32_t value);
LINTARA_EXPORT uint32_t EncodeRegMatchOptions(TRegMatchOptions options);
LINTARA_EXPORT TRegMatchOptions DecodeRegMatchOptions(uint32_t value);
