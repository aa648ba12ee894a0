#include "Base64.h"

#include "Avx2Kernels.h"

#include <array>
#include <cstring>

namespace aesgcm {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Two characters for each 12-bit value, as they lie in memory.
constexpr std::array<uint32_t, 4096> kPairs = [] {
    std::array<uint32_t, 4096> table{};
    for (uint32_t i = 0; i < 4096; ++i)
        table[i] = uint32_t(uint8_t(kAlphabet[i >> 6])) | uint32_t(uint8_t(kAlphabet[i & 63])) << 16;
    return table;
}();

constexpr uint32_t kInvalid = 0x01000000;

// The value of a character at position (0..3) of a group, shifted into place;
// kInvalid for a byte outside the alphabet.
constexpr std::array<std::array<uint32_t, 256>, 4> kDecode = [] {
    std::array<std::array<uint32_t, 256>, 4> tables{};
    for (auto &table : tables) {
        for (auto &entry : table)
            entry = kInvalid;
    }
    for (uint32_t value = 0; value < 64; ++value) {
        const auto c = uint8_t(kAlphabet[value]);
        for (int position = 0; position < 4; ++position)
            tables[size_t(position)][c] = value << (18 - 6 * position);
    }
    return tables;
}();

inline uint32_t decodeChar(char16_t c, int position)
{
    return c < 256 ? kDecode[size_t(position)][c] : kInvalid;
}

inline void encodeGroup(const uint8_t *bytes, char16_t *out)
{
    const uint32_t v = (uint32_t(bytes[0]) << 16) | (uint32_t(bytes[1]) << 8) | bytes[2];
    const uint64_t chars = uint64_t(kPairs[v >> 12]) | uint64_t(kPairs[v & 0xFFF]) << 32;
    std::memcpy(out, &chars, sizeof chars);
}

// Three bytes of four characters; false for a character outside the alphabet.
inline bool decodeGroup(const char16_t *text, uint8_t *out)
{
    const uint32_t v = decodeChar(text[0], 0) | decodeChar(text[1], 1) | decodeChar(text[2], 2)
        | decodeChar(text[3], 3);
    if (v & kInvalid)
        return false;
    out[0] = uint8_t(v >> 16);
    out[1] = uint8_t(v >> 8);
    out[2] = uint8_t(v);
    return true;
}

} // namespace

void EncodeBase64(const uint8_t *bytes, size_t length, char16_t *out)
{
    size_t i = avx2::Available() ? avx2::EncodeBase64(bytes, length, out) : 0;
    char16_t *p = out + i / 3 * 4;
    for (; i + 3 <= length; i += 3, p += 4)
        encodeGroup(bytes + i, p);
    const size_t rest = length - i;
    if (rest > 0) {
        const uint32_t v = (uint32_t(bytes[i]) << 16) | (rest == 2 ? uint32_t(bytes[i + 1]) << 8 : 0);
        p[0] = char16_t(kAlphabet[v >> 18]);
        p[1] = char16_t(kAlphabet[(v >> 12) & 63]);
        p[2] = rest == 2 ? char16_t(kAlphabet[(v >> 6) & 63]) : u'=';
        p[3] = u'=';
    }
}

size_t DecodedLength(const char16_t *text, size_t length)
{
    if (length % 4 != 0)
        return SIZE_MAX;
    if (length == 0)
        return 0;
    const size_t padding = text[length - 1] != u'=' ? 0 : text[length - 2] == u'=' ? 2 : 1;
    return length / 4 * 3 - padding;
}

bool DecodeBase64Body(const char16_t *text, size_t length, uint8_t *out)
{
    if (length % 4 != 0)
        return false;
    size_t i = avx2::Available() ? avx2::DecodeBase64(text, length, out) : 0;
    for (uint8_t *p = out + i / 4 * 3; i < length; i += 4, p += 3) {
        if (!decodeGroup(text + i, p))
            return false;
    }
    return true;
}

bool DecodeBase64(const char16_t *text, size_t length, uint8_t *out)
{
    if (length % 4 != 0)
        return false;
    if (length == 0)
        return true;
    size_t padding = 0;
    if (text[length - 1] == u'=')
        padding = text[length - 2] == u'=' ? 2 : 1;
    const size_t full = length - (padding ? 4 : 0);
    if (!DecodeBase64Body(text, full, out))
        return false;
    if (padding == 0)
        return true;
    const char16_t *q = text + full;
    const uint32_t a = decodeChar(q[0], 0), b = decodeChar(q[1], 1);
    const uint32_t c = padding == 1 ? decodeChar(q[2], 2) : 0;
    if ((a | b | c) & kInvalid)
        return false;
    // The bits beyond the data must be zero, so each text has one decoding.
    const uint32_t v = a | b | c;
    if ((padding == 2 && (v & 0xFFFF) != 0) || (padding == 1 && (v & 0xFF) != 0))
        return false;
    uint8_t *p = out + full / 4 * 3;
    *p++ = uint8_t(v >> 16);
    if (padding == 1)
        *p = uint8_t(v >> 8);
    return true;
}

} // namespace aesgcm
