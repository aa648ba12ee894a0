#pragma once

#include <cstddef>
#include <cstdint>

namespace aesgcm {

// Standard Base64 with padding and no line breaks, as UTF-16 text.
constexpr size_t Base64Length(size_t bytes) { return (bytes + 2) / 3 * 4; }
// Writes Base64Length(length) characters.
void EncodeBase64(const uint8_t *bytes, size_t length, char16_t *out);
// The decoded size of a text, or SIZE_MAX when its length or padding is wrong.
size_t DecodedLength(const char16_t *text, size_t length);
// Strict decoding into DecodedLength bytes: any character outside the
// alphabet, misplaced padding or stray bits fail.
bool DecodeBase64(const char16_t *text, size_t length, uint8_t *out);
// Decodes a piece from the middle of a text (a multiple of four characters,
// padding not allowed) into length / 4 * 3 bytes.
bool DecodeBase64Body(const char16_t *text, size_t length, uint8_t *out);

} // namespace aesgcm
