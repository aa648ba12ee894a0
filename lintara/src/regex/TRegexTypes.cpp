#include "regex/TRegexTypes.h"

#include <array>
#include <utility>

namespace {

// The stored option words, by ordinal.
constexpr std::array<uint32_t, 13> CompileWords = {
    0x10, 0x1, 0x20, 0x4, 0x8, 0x40, 0x2, 0x200, 0x1000, 0x800, 0x2000, 0x4000, 0x8000,
};
constexpr std::array<uint32_t, 4> MatchWords = {0x10, 0x80, 0x100, 0x400};

template<typename Set, size_t N>
uint32_t encode(Set options, const std::array<uint32_t, N> &words)
{
    uint32_t value = 0;
    for (size_t i = 0; i < N; ++i)
        if (options.bits() & (uint32_t(1) << i))
            value |= words[i];
    return value;
}

template<typename Set, size_t N>
Set decode(uint32_t value, const std::array<uint32_t, N> &words)
{
    uint32_t bits = 0;
    for (size_t i = 0; i < N; ++i)
        if (value & words[i])
            bits |= uint32_t(1) << i;
    return Set::fromBits(bits);
}

} // namespace

uint32_t EncodeRegCompileOptions(TRegCompileOptions options)
{
    return encode(options, CompileWords);
}

TRegCompileOptions DecodeRegCompileOptions(uint32_t value)
{
    return decode<TRegCompileOptions>(value, CompileWords);
}

uint32_t EncodeRegMatchOptions(TRegMatchOptions options)
{
    return encode(options, MatchWords);
}

TRegMatchOptions DecodeRegMatchOptions(uint32_t value)
{
    return decode<TRegMatchOptions>(value, MatchWords);
}
