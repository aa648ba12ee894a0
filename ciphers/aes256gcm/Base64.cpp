#include "Base64.h"

#include <array>

namespace aesgcm {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<int8_t, 128> makeDecodeTable()
{
    std::array<int8_t, 128> table{};
    for (auto &entry : table)
        entry = -1;
    for (int i = 0; i < 64; ++i)
        table[size_t(kAlphabet[i])] = int8_t(i);
    return table;
}

constexpr std::array<int8_t, 128> kDecode = makeDecodeTable();

inline int decodeChar(char16_t c) { return c < 128 ? kDecode[c] : -1; }

} // namespace

void EncodeBase64(const uint8_t *bytes, size_t length, char16_t *out)
{
    char16_t *p = out;
    size_t i = 0;
    for (; i + 3 <= length; i += 3) {
        const uint32_t v = (uint32_t(bytes[i]) << 16) | (uint32_t(bytes[i + 1]) << 8) | bytes[i + 2];
        p[0] = char16_t(kAlphabet[v >> 18]);
        p[1] = char16_t(kAlphabet[(v >> 12) & 63]);
        p[2] = char16_t(kAlphabet[(v >> 6) & 63]);
        p[3] = char16_t(kAlphabet[v & 63]);
        p += 4;
    }
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

bool DecodeBase64(const char16_t *text, size_t length, uint8_t *out)
{
    if (length % 4 != 0)
        return false;
    if (length == 0)
        return true;
    size_t padding = 0;
    if (text[length - 1] == u'=')
        padding = text[length - 2] == u'=' ? 2 : 1;
    uint8_t *p = out;
    const size_t full = length - (padding ? 4 : 0);
    for (size_t i = 0; i < full; i += 4) {
        const int a = decodeChar(text[i]), b = decodeChar(text[i + 1]), c = decodeChar(text[i + 2]),
                  d = decodeChar(text[i + 3]);
        if ((a | b | c | d) < 0)
            return false;
        const uint32_t v = (uint32_t(a) << 18) | (uint32_t(b) << 12) | (uint32_t(c) << 6) | uint32_t(d);
        p[0] = uint8_t(v >> 16);
        p[1] = uint8_t(v >> 8);
        p[2] = uint8_t(v);
        p += 3;
    }
    if (padding) {
        const char16_t *q = text + full;
        const int a = decodeChar(q[0]), b = decodeChar(q[1]);
        const int c = padding == 1 ? decodeChar(q[2]) : 0;
        if ((a | b | c) < 0)
            return false;
        // The bits beyond the data must be zero, so each text has one decoding.
        if ((padding == 2 && (b & 0x0F) != 0) || (padding == 1 && (c & 0x03) != 0))
            return false;
        const uint32_t v = (uint32_t(a) << 18) | (uint32_t(b) << 12) | (uint32_t(c) << 6);
        *p++ = uint8_t(v >> 16);
        if (padding == 1)
            *p++ = uint8_t(v >> 8);
    }
    return true;
}

} // namespace aesgcm
