#include "Utf16.h"

#include "Avx2Kernels.h"

#include <algorithm>

namespace aesgcm {

namespace {

// Characters handled one by one before the vector kernels are tried again:
// without them a long run; with them one, since they stop right before the
// first character they cannot take.
inline size_t scalarRun(bool vector) { return vector ? 1 : 64; }

inline bool pairAt(const char16_t *text, size_t i, size_t length)
{
    return text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
}

enum class Sequence { Valid, Invalid, CutOff };

// The sequence starting at bytes[i] with a lead byte of 0x80 or more: its
// length and code point.
inline Sequence decodeAt(const uint8_t *bytes, size_t i, size_t length, int &size, char32_t &cp)
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
        return Sequence::Invalid;
    const size_t available = std::min(length - i - 1, size_t(extra));
    for (size_t k = 1; k <= available; ++k) {
        const uint8_t next = bytes[i + k];
        if ((next & 0xC0) != 0x80)
            return Sequence::Invalid;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (available < size_t(extra))
        return Sequence::CutOff;
    if (cp < minimum || cp > 0x10FFFF)
        return Sequence::Invalid;
    size = extra + 1;
    return Sequence::Valid;
}

// Writes the code unit at text[i] (with its partner when it starts a pair) and
// returns the next index.
inline size_t encodeAt(const char16_t *text, size_t i, size_t length, uint8_t *&p)
{
    const char32_t c = text[i];
    if (c < 0x80) {
        *p++ = uint8_t(c);
    } else if (c < 0x800) {
        *p++ = uint8_t(0xC0 | (c >> 6));
        *p++ = uint8_t(0x80 | (c & 0x3F));
    } else if (pairAt(text, i, length)) {
        const char32_t cp = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
        *p++ = uint8_t(0xF0 | (cp >> 18));
        *p++ = uint8_t(0x80 | ((cp >> 12) & 0x3F));
        *p++ = uint8_t(0x80 | ((cp >> 6) & 0x3F));
        *p++ = uint8_t(0x80 | (cp & 0x3F));
        return i + 2;
    } else {
        *p++ = uint8_t(0xE0 | (c >> 12));
        *p++ = uint8_t(0x80 | ((c >> 6) & 0x3F));
        *p++ = uint8_t(0x80 | (c & 0x3F));
    }
    return i + 1;
}

} // namespace

size_t Utf8Length(const char16_t *text, size_t length)
{
    const bool vector = avx2::Available();
    size_t bytes = 0;
    for (size_t i = 0; i < length;) {
        if (vector) {
            size_t done = 0;
            bytes += avx2::Utf8LengthWithoutSurrogates(text + i, length - i, done);
            i += done;
        }
        // The kernel stops at a block with a surrogate: take that block here.
        for (const size_t stop = std::min(length, i + 16); i < stop; ++i) {
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
    }
    return bytes;
}

size_t ToUtf8(const char16_t *text, size_t length, uint8_t *out)
{
    const bool vector = avx2::Available();
    uint8_t *p = out;
    for (size_t i = 0; i < length;) {
        if (vector) {
            const size_t done = avx2::NarrowAscii(text + i, length - i, p);
            i += done;
            p += done;
        }
        for (const size_t stop = std::min(length, i + scalarRun(vector)); i < stop;)
            i = encodeAt(text, i, length, p);
    }
    return size_t(p - out);
}

size_t CountUtf16(const uint8_t *bytes, size_t length, bool complete, size_t &units)
{
    const bool vector = avx2::Available();
    size_t i = 0;
    while (i < length) {
        if (vector) {
            const size_t ascii = avx2::AsciiPrefix(bytes + i, length - i);
            units += ascii;
            i += ascii;
        }
        for (const size_t stop = std::min(length, i + scalarRun(vector)); i < stop;) {
            if (bytes[i] < 0x80) {
                ++units;
                ++i;
                continue;
            }
            int size = 0;
            char32_t cp = 0;
            const Sequence sequence = decodeAt(bytes, i, length, size, cp);
            if (sequence == Sequence::CutOff && !complete)
                return i;
            if (sequence != Sequence::Valid)
                return SIZE_MAX;
            units += cp >= 0x10000 ? 2 : 1;
            i += size_t(size);
        }
    }
    return i;
}

size_t Utf16Length(const uint8_t *bytes, size_t length)
{
    size_t units = 0;
    return CountUtf16(bytes, length, true, units) == SIZE_MAX ? SIZE_MAX : units;
}

size_t ToUtf16(const uint8_t *bytes, size_t length, char16_t *out)
{
    const bool vector = avx2::Available();
    char16_t *p = out;
    for (size_t i = 0; i < length;) {
        if (vector) {
            const size_t done = avx2::WidenAscii(bytes + i, length - i, p);
            i += done;
            p += done;
        }
        for (const size_t stop = std::min(length, i + scalarRun(vector)); i < stop;) {
            if (bytes[i] < 0x80) {
                *p++ = bytes[i++];
                continue;
            }
            int size = 0;
            char32_t cp = 0;
            if (decodeAt(bytes, i, length, size, cp) != Sequence::Valid)
                size = 1, cp = 0xFFFD; // not checked before: never loop on it
            i += size_t(size);
            if (cp >= 0x10000) {
                cp -= 0x10000;
                *p++ = char16_t(0xD800 + (cp >> 10));
                *p++ = char16_t(0xDC00 + (cp & 0x3FF));
            } else {
                *p++ = char16_t(cp);
            }
        }
    }
    return size_t(p - out);
}

} // namespace aesgcm
