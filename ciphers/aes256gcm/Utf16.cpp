#include "Utf16.h"

namespace aesgcm {

void AppendUtf8(const char16_t *text, size_t length, std::vector<uint8_t> &out)
{
    size_t at = out.size();
    out.resize(at + length * 3);
    uint8_t *p = out.data() + at;
    for (size_t i = 0; i < length; ++i) {
        const char32_t c = text[i];
        if (c < 0x80) {
            *p++ = uint8_t(c);
        } else if (c < 0x800) {
            *p++ = uint8_t(0xC0 | (c >> 6));
            *p++ = uint8_t(0x80 | (c & 0x3F));
        } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
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
    out.resize(size_t(p - out.data()));
}

bool AppendUtf16(const uint8_t *bytes, size_t length, std::u16string &out)
{
    size_t at = out.size();
    out.resize(at + length);
    char16_t *p = out.data() + at;
    size_t i = 0;
    while (i < length) {
        const uint8_t c = bytes[i];
        if (c < 0x80) {
            *p++ = c;
            ++i;
            continue;
        }
        int extra;
        char32_t cp;
        char32_t minimum;
        if ((c & 0xE0) == 0xC0) {
            extra = 1, cp = c & 0x1F, minimum = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, cp = c & 0x0F, minimum = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, cp = c & 0x07, minimum = 0x10000;
        } else {
            return false;
        }
        if (i + size_t(extra) >= length)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const uint8_t next = bytes[i + size_t(k)];
            if ((next & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF)
            return false;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            *p++ = char16_t(0xD800 + (cp >> 10));
            *p++ = char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            *p++ = char16_t(cp);
        }
        i += size_t(extra) + 1;
    }
    out.resize(size_t(p - out.data()));
    return true;
}

} // namespace aesgcm
