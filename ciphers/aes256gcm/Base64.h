#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace aesgcm {

// Standard Base64 with padding, no line breaks, written as UTF-16 text.
void AppendBase64(const uint8_t *bytes, size_t length, std::u16string &out);
// Strict decoding: any character outside the alphabet, a length that is not
// a multiple of 4 or misplaced padding fails.
bool DecodeBase64(const char16_t *text, size_t length, std::vector<uint8_t> &out);

} // namespace aesgcm
