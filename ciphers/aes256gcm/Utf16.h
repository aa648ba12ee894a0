#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace aesgcm {

// UTF-16 to UTF-8. A lone surrogate is written as its own three-byte
// sequence, so every UTF-16 text comes back exactly as it went in.
void AppendUtf8(const char16_t *text, size_t length, std::vector<uint8_t> &out);
// The reverse; false for bytes that are not such a sequence.
bool AppendUtf16(const uint8_t *bytes, size_t length, std::u16string &out);

} // namespace aesgcm
