// The text conversions of the AES module on arbitrary input: its Base64
// decoder (vector and scalar paths) against a plain reference, and its UTF-8
// conversions for exact round trips. The module's sources are compiled in,
// since the fuzz targets do not load modules.
#include "../ciphers/aes256gcm/Avx2Kernels.cpp"
#include "../ciphers/aes256gcm/Base64.cpp"
#include "../ciphers/aes256gcm/Utf16.cpp"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

int referenceValue(char16_t c)
{
    const char *alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    const char *found = c != 0 && c < 128 ? std::strchr(alphabet, int(c)) : nullptr;
    return found ? int(found - alphabet) : -1;
}

// Strict Base64: whole groups, padding only at the end, unused bits zero.
bool referenceDecode(const std::u16string &text, std::vector<uint8_t> &out)
{
    out.clear();
    if (text.size() % 4 != 0)
        return false;
    for (size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        const int padding = last ? (text[i + 3] == u'=' ? (text[i + 2] == u'=' ? 2 : 1) : 0) : 0;
        uint32_t v = 0;
        for (int k = 0; k < 4 - padding; ++k) {
            const int value = referenceValue(text[i + size_t(k)]);
            if (value < 0)
                return false;
            v |= uint32_t(value) << (18 - 6 * k);
        }
        if ((padding == 2 && (v & 0xFFFF)) || (padding == 1 && (v & 0xFF)))
            return false;
        for (int k = 0; k < 3 - padding; ++k)
            out.push_back(uint8_t(v >> (16 - 8 * k)));
    }
    return true;
}

void checkBase64(const std::u16string &text)
{
    std::vector<uint8_t> expected;
    const bool valid = referenceDecode(text, expected);
    const size_t length = aesgcm::DecodedLength(text.data(), text.size());
    if (length == SIZE_MAX) {
        if (valid)
            std::abort();
        return;
    }
    std::vector<uint8_t> decoded(length);
    const bool ok = aesgcm::DecodeBase64(text.data(), text.size(), decoded.data());
    if (ok != valid || (ok && decoded != expected))
        std::abort();
}

void checkUtf(const std::u16string &text, const uint8_t *bytes, size_t size)
{
    std::vector<uint8_t> utf8(aesgcm::Utf8Length(text.data(), text.size()));
    if (aesgcm::ToUtf8(text.data(), text.size(), utf8.data()) != utf8.size())
        std::abort();
    std::u16string back(text.size(), u'\0');
    if (aesgcm::Utf16Length(utf8.data(), utf8.size()) != text.size()
        || aesgcm::ToUtf16(utf8.data(), utf8.size(), back.data()) != text.size() || back != text)
        std::abort();
    // Arbitrary bytes: counting in two pieces agrees with counting at once.
    const size_t units = aesgcm::Utf16Length(bytes, size);
    if (units == SIZE_MAX)
        return;
    size_t inPieces = 0;
    const size_t half = size / 2;
    const size_t first = aesgcm::CountUtf16(bytes, half, false, inPieces);
    if (first == SIZE_MAX || aesgcm::CountUtf16(bytes + first, size - first, true, inPieces) != size - first
        || inPieces != units)
        std::abort();
    std::u16string converted(units, u'\0');
    if (aesgcm::ToUtf16(bytes, size, converted.data()) != units)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);
    checkBase64(text);
    // Mostly valid Base64 with one odd character reaches the vector decoder's blocks.
    std::u16string encoded(aesgcm::Base64Length(size), u'\0');
    aesgcm::EncodeBase64(data, size, encoded.data());
    checkBase64(encoded);
    if (!encoded.empty()) {
        encoded[data[0] % encoded.size()] = char16_t(size > 1 ? data[1] | (data[size - 1] << 8) : u'*');
        checkBase64(encoded);
    }
    checkUtf(text, data, size);
    return 0;
}
