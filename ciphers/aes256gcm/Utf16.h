#pragma once

#include <cstddef>
#include <cstdint>

namespace aesgcm {

// UTF-16 to UTF-8. A lone surrogate is written as its own three-byte
// sequence, so every UTF-16 text comes back exactly as it went in.
size_t Utf8Length(const char16_t *text, size_t length);
// Writes the UTF-8 of text (room for Utf8Length bytes); returns the bytes written.
size_t ToUtf8(const char16_t *text, size_t length, uint8_t *out);
// Checks UTF-8 bytes and adds their UTF-16 length to units. Returns the bytes
// checked: all of them when complete, otherwise up to a sequence cut off by
// the end, which the next call starts with; SIZE_MAX for bytes that are not UTF-8.
size_t CountUtf16(const uint8_t *bytes, size_t length, bool complete, size_t &units);
// The UTF-16 length of UTF-8 bytes, or SIZE_MAX when they are not such a sequence.
size_t Utf16Length(const uint8_t *bytes, size_t length);
// Writes the UTF-16 of bytes checked by CountUtf16 (whole sequences only);
// returns the code units written.
size_t ToUtf16(const uint8_t *bytes, size_t length, char16_t *out);

} // namespace aesgcm
