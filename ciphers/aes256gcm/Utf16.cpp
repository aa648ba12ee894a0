#include "Utf16.h"

#include <cstdint>

namespace aesgcm {

namespace {

inline bool pairAt(const char16_t *text, size_t i, size_t length)
{
    return text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
}

// Length of the sequence starting with lead byte c and its code point; 0 when invalid.
inline int decodeAt(const uint8_t *bytes, size_t i, size_t length, char32_t &cp)
{
    const uint8_t c = bytes[i];
    int extra;
    char32_t minimum;
    if ((c & 0xE0) == 0xC0)
        extra = 1, cp = c & 0x1F, minimum = 0x80;
    else if ((c & 0xF0) == 0xE0)
        extra = 2, cp = c & 0x0F, minimum = 0x800;
    else if ((c & 0xF8) == 0xF0)
        extra = 3, cp = c & 0x07, minimum = 0x10000;
    else
        return 0;
    if (i + size_t(extra) >= length)
        return 0;
    for (int k = 1; k <= extra; ++k) {
        const uint8_t next = bytes[i + size_t(k)];
        if ((next & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF)
        return 0;
    return extra + 1;
}

} // namespace

size_t Utf8Length(const char16_t *text, size_t length)
{
    size_t bytes = 0;
    for (size_t i = 0; i < length; ++i) {
        const char16_t c = text[i];
        if (c < 0x80) {
            ++bytes;
        } else if (c < 0x800) {
            bytes += 2;
        } else if (pairAt(text, i, length)) {
            bytes += 4;
            ++i;
        } else {
            bytes += 3;
        }
    }
    return bytes;
}

size_t ToUtf8(const char16_t *text, size_t length, uint8_t *out)
{
    uint8_t *p = out;
    for (size_t i = 0; i < length; ++i) {
        const char32_t c = text[i];
        if (c < 0x80) {
            *p++ = uint8_t(c);
        } else if (c < 0x800) {
            *p++ = uint8_t(0xC0 | (c >> 6));
            *p++ = uint8_t(0x80 | (c & 0x3F));
        } else if (pairAt(text, i, length)) {
            const char32_t cp = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            ++i;
            *p++ = uint8_t(0xF0 | (cp >> 18));
            *p++ = uint8_t(0x80 | ((cp >> 12) & 0x3F));
            *p++ = uint8_t(0x80 | ((cp >> 6) & 0x3F));
            *p++ = uint8_t(0x80 | (cp & 0x3F));
        } else {
            *p++ = uint8_t(0xE0 | (c >> 12));
            *p++ = uint8_t(0x80 | ((c >> 6) & 0x3F));
            *p++ = uint8_t(0x80 | (c & 0x3F));
        }
    }
    return size_t(p - out);
}

size_t Utf16Length(const uint8_t *bytes, size_t length)
{
    size_t units = 0;
    for (size_t i = 0; i < length;) {
        if (bytes[i] < 0x80) {
            ++units;
            ++i;
            continue;
        }
        char32_t cp = 0;
        const int size = decodeAt(bytes, i, length, cp);
        if (size == 0)
            return SIZE_MAX;
        units += cp >= 0x10000 ? 2 : 1;
        i += size_t(size);
    }
    return units;
}

void ToUtf16(const uint8_t *bytes, size_t length, char16_t *out)
{
    for (size_t i = 0; i < length;) {
        if (bytes[i] < 0x80) {
            *out++ = bytes[i++];
            continue;
        }
        char32_t cp = 0;
        i += size_t(decodeAt(bytes, i, length, cp));
        if (cp >= 0x10000) {
            cp -= 0x10000;
            *out++ = char16_t(0xD800 + (cp >> 10));
            *out++ = char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            *out++ = char16_t(cp);
        }
    }
}

} // namespace aesgcm
