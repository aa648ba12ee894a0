#pragma once

#include <cstddef>
#include <cstdint>

// Vector kernels for the bulk of the text conversions, used when the
// processor has AVX2. Each handles a prefix of its input in whole blocks and
// returns how much it handled; the scalar code does the rest, so every rule
// (strict Base64, exact UTF-16 round trip) lives in one place.
namespace aesgcm::avx2 {

bool Available();

// Base64 of 24-byte groups (32 characters each) while 28 bytes can be read;
// returns the bytes encoded.
size_t EncodeBase64(const uint8_t *bytes, size_t length, char16_t *out);
// Decodes 32-character groups (24 bytes each) up to the first group holding
// a character outside the alphabet (padding included); returns the
// characters decoded.
size_t DecodeBase64(const char16_t *text, size_t length, uint8_t *out);

// The leading ASCII characters, written as bytes; returns the characters
// written. Looks at whole blocks of 16 characters only and may write up to
// 16 bytes beyond what it returns (never more than the UTF-8 of those
// characters takes).
size_t NarrowAscii(const char16_t *text, size_t length, uint8_t *out);
// The leading ASCII bytes, written as UTF-16; returns the bytes written.
// Looks at whole blocks of 32 bytes only.
size_t WidenAscii(const uint8_t *bytes, size_t length, char16_t *out);
// The length of the leading ASCII bytes, looking at whole blocks of 32 only.
size_t AsciiPrefix(const uint8_t *bytes, size_t length);
// UTF-8 length of the leading blocks of 16 characters, stopping before the
// first block with a surrogate; done receives the characters counted.
size_t Utf8LengthWithoutSurrogates(const char16_t *text, size_t length, size_t &done);

} // namespace aesgcm::avx2
