#include "Avx2Kernels.h"

#include <cstdlib>
#include <immintrin.h>

// Only the functions below are compiled for AVX2; nothing else of the module
// may run on a processor without it.
#define AVX2_FUNCTION __attribute__((target("avx2")))

namespace aesgcm::avx2 {

namespace {

// 32 bytes -> 32 Base64 values (0..63), four per three bytes (W. Muła's method).
AVX2_FUNCTION inline __m256i splitGroups(__m256i in)
{
    in = _mm256_shuffle_epi8(in, _mm256_setr_epi8(1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10, //
                                                  1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10));
    const __m256i t0 = _mm256_and_si256(in, _mm256_set1_epi32(0x0FC0FC00));
    const __m256i t1 = _mm256_mulhi_epu16(t0, _mm256_set1_epi32(0x04000040));
    const __m256i t2 = _mm256_and_si256(in, _mm256_set1_epi32(0x003F03F0));
    const __m256i t3 = _mm256_mullo_epi16(t2, _mm256_set1_epi32(0x01000010));
    return _mm256_or_si256(t1, t3);
}

// Values 0..63 -> the characters of the alphabet.
AVX2_FUNCTION inline __m256i toAlphabet(__m256i values)
{
    const __m256i offsets = _mm256_setr_epi8(65, 71, -4, -4, -4, -4, -4, -4, -4, -4, -4, -4, -19, -16, 0, 0, //
                                             65, 71, -4, -4, -4, -4, -4, -4, -4, -4, -4, -4, -19, -16, 0, 0);
    __m256i index = _mm256_subs_epu8(values, _mm256_set1_epi8(51));
    index = _mm256_sub_epi8(index, _mm256_cmpgt_epi8(values, _mm256_set1_epi8(25)));
    return _mm256_add_epi8(values, _mm256_shuffle_epi8(offsets, index));
}

// 32 UTF-16 code units -> 32 bytes; a unit above 0xFF becomes 0xFF, one above 0x7FFF becomes 0.
AVX2_FUNCTION inline __m256i narrow32(const char16_t *text)
{
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(text));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(text + 16));
    return _mm256_permute4x64_epi64(_mm256_packus_epi16(a, b), 0xD8);
}

AVX2_FUNCTION inline void store16Units(char16_t *out, __m128i bytes)
{
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(out), _mm256_cvtepu8_epi16(bytes));
}

} // namespace

bool Available()
{
    // TALVEX_AES_SCALAR switches the kernels off, so the tests can check the
    // scalar code on processors that have AVX2.
    static const bool available = __builtin_cpu_supports("avx2") && !std::getenv("TALVEX_AES_SCALAR");
    return available;
}

AVX2_FUNCTION size_t EncodeBase64(const uint8_t *bytes, size_t length, char16_t *out)
{
    size_t done = 0;
    for (; done + 28 <= length; done += 24, out += 32) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + done));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + done + 12));
        const __m256i chars = toAlphabet(splitGroups(_mm256_set_m128i(high, low)));
        store16Units(out, _mm256_castsi256_si128(chars));
        store16Units(out + 16, _mm256_extracti128_si256(chars, 1));
    }
    return done;
}

AVX2_FUNCTION size_t DecodeBase64(const char16_t *text, size_t length, uint8_t *out)
{
    // Validation and translation tables by high and low nibble (A. Klomp's decoder).
    const __m256i lutLow = _mm256_setr_epi8(0x15, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x13, 0x1A,
                                            0x1B, 0x1B, 0x1B, 0x1A, //
                                            0x15, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x13, 0x1A,
                                            0x1B, 0x1B, 0x1B, 0x1A);
    const __m256i lutHigh = _mm256_setr_epi8(0x10, 0x10, 0x01, 0x02, 0x04, 0x08, 0x04, 0x08, 0x10, 0x10, 0x10, 0x10,
                                             0x10, 0x10, 0x10, 0x10, //
                                             0x10, 0x10, 0x01, 0x02, 0x04, 0x08, 0x04, 0x08, 0x10, 0x10, 0x10, 0x10,
                                             0x10, 0x10, 0x10, 0x10);
    const __m256i lutRoll = _mm256_setr_epi8(0, 16, 19, 4, -65, -65, -71, -71, 0, 0, 0, 0, 0, 0, 0, 0, //
                                             0, 16, 19, 4, -65, -65, -71, -71, 0, 0, 0, 0, 0, 0, 0, 0);
    const __m256i mask2F = _mm256_set1_epi8(0x2F);
    const __m256i pack = _mm256_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1, //
                                          2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7);

    size_t done = 0;
    for (; done + 32 <= length; done += 32, out += 24) {
        __m256i in = narrow32(text + done);
        const __m256i highNibbles = _mm256_and_si256(_mm256_srli_epi32(in, 4), mask2F);
        const __m256i lowNibbles = _mm256_and_si256(in, mask2F);
        if (!_mm256_testz_si256(_mm256_shuffle_epi8(lutLow, lowNibbles), _mm256_shuffle_epi8(lutHigh, highNibbles)))
            break;
        const __m256i roll
            = _mm256_shuffle_epi8(lutRoll, _mm256_add_epi8(_mm256_cmpeq_epi8(in, mask2F), highNibbles));
        in = _mm256_add_epi8(in, roll);
        // Four 6-bit values -> three bytes in each 32-bit element, then packed.
        const __m256i pairs = _mm256_maddubs_epi16(in, _mm256_set1_epi32(0x01400140));
        __m256i words = _mm256_madd_epi16(pairs, _mm256_set1_epi32(0x00011000));
        words = _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(words, pack), lanes);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm256_castsi256_si128(words));
        _mm_storel_epi64(reinterpret_cast<__m128i *>(out + 16), _mm256_extracti128_si256(words, 1));
    }
    return done;
}

AVX2_FUNCTION size_t NarrowAscii(const char16_t *text, size_t length, uint8_t *out)
{
    const __m256i high = _mm256_set1_epi16(short(0xFF80));
    size_t done = 0;
    for (; done + 16 <= length; done += 16) {
        const __m256i units = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(text + done));
        const __m128i bytes = _mm_packus_epi16(_mm256_castsi256_si128(units), _mm256_extracti128_si256(units, 1));
        // Sixteen characters need at least sixteen bytes, so the whole store
        // stays inside the output; bytes after the first non-ASCII one are
        // overwritten by the caller.
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + done), bytes);
        const __m256i nonAscii = _mm256_cmpeq_epi16(_mm256_and_si256(units, high), _mm256_setzero_si256());
        const auto asciiMask = uint32_t(_mm256_movemask_epi8(nonAscii));
        if (asciiMask != 0xFFFFFFFFu)
            return done + size_t(__builtin_ctz(~asciiMask)) / 2;
    }
    return done;
}

AVX2_FUNCTION size_t WidenAscii(const uint8_t *bytes, size_t length, char16_t *out)
{
    size_t done = 0;
    for (; done + 32 <= length; done += 32) {
        const __m256i in = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bytes + done));
        const auto mask = uint32_t(_mm256_movemask_epi8(in));
        if (mask == 0) {
            store16Units(out + done, _mm256_castsi256_si128(in));
            store16Units(out + done + 16, _mm256_extracti128_si256(in, 1));
            continue;
        }
        // Fewer units than bytes may follow, so only what is ASCII is written.
        const size_t ascii = size_t(__builtin_ctz(mask));
        size_t k = 0;
        if (ascii >= 16) {
            store16Units(out + done, _mm256_castsi256_si128(in));
            k = 16;
        }
        for (; k < ascii; ++k)
            out[done + k] = bytes[done + k];
        return done + ascii;
    }
    return done;
}

AVX2_FUNCTION size_t AsciiPrefix(const uint8_t *bytes, size_t length)
{
    size_t done = 0;
    for (; done + 32 <= length; done += 32) {
        const __m256i in = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bytes + done));
        if (const auto mask = uint32_t(_mm256_movemask_epi8(in)); mask != 0)
            return done + size_t(__builtin_ctz(mask));
    }
    return done;
}

AVX2_FUNCTION size_t Utf8LengthWithoutSurrogates(const char16_t *text, size_t length, size_t &done)
{
    const __m256i one = _mm256_set1_epi16(1);
    const __m256i surrogateMask = _mm256_set1_epi16(short(0xF800));
    const __m256i surrogate = _mm256_set1_epi16(short(0xD800));
    size_t bytes = 0;
    done = 0;
    while (done + 16 <= length) {
        // 16-bit lane sums, emptied before they can overflow.
        __m256i sum = _mm256_setzero_si256();
        size_t round = 0;
        for (; round < 4096 && done + 16 <= length; ++round, done += 16) {
            const __m256i units = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(text + done));
            if (!_mm256_testz_si256(_mm256_cmpeq_epi16(_mm256_and_si256(units, surrogateMask), surrogate),
                                    _mm256_cmpeq_epi16(_mm256_and_si256(units, surrogateMask), surrogate)))
                break;
            const __m256i above7F = _mm256_min_epu16(_mm256_subs_epu16(units, _mm256_set1_epi16(0x7F)), one);
            const __m256i above7FF = _mm256_min_epu16(_mm256_subs_epu16(units, _mm256_set1_epi16(0x7FF)), one);
            sum = _mm256_add_epi16(sum, _mm256_add_epi16(one, _mm256_add_epi16(above7F, above7FF)));
        }
        const __m256i wide = _mm256_madd_epi16(sum, one);
        alignas(32) int32_t parts[8];
        _mm256_store_si256(reinterpret_cast<__m256i *>(parts), wide);
        for (int32_t part : parts)
            bytes += size_t(part);
        if (round < 4096 && done + 16 <= length)
            break; // stopped at a surrogate
    }
    return bytes;
}

} // namespace aesgcm::avx2
