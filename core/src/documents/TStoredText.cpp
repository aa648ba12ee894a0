#include "documents/TStoredText.h"

#include "utils/Windows1252.h"

#include <sys/mman.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Written without an early exit so that the compiler can vectorise them.
bool latin1Units(const char16_t *units, qsizetype size)
{
    unsigned bad = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned c = units[i];
        bad |= unsigned(c > 0xFF) | unsigned(c - 0x80u < 0x20u);
    }
    return bad == 0;
}

bool latin1Bytes(const unsigned char *bytes, qsizetype size)
{
    unsigned bad = 0;
    for (qsizetype i = 0; i < size; ++i)
        bad |= unsigned(unsigned(bytes[i]) - 0x80u < 0x20u);
    return bad == 0;
}

constexpr uintptr_t kHugePage = uintptr_t(2) << 20;

// A large fresh buffer on huge pages costs a few page faults instead of one
// per 4 KiB; only advice, so a refusal changes nothing.
void adviseHugePages(void *data, size_t size)
{
    if (size < 4 * kHugePage)
        return;
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + size) & ~(kHugePage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
}

QString widenLatin1(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    auto *out = reinterpret_cast<char16_t *>(text.data());
    adviseHugePages(out, size_t(bytes.size()) * sizeof(char16_t));
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.constData());
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= bytes.size(); i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 8), _mm_unpackhi_epi8(chunk, zero));
    }
#endif
    for (; i < bytes.size(); ++i)
        out[i] = in[i];
    return text;
}

// Pieces checked one after the other, so a text that is not Latin-1 is
// usually told apart before all of it was read.
constexpr qsizetype kPiece = 64 * 1024;

} // namespace

bool TStoredText::IsLatin1Compatible(QStringView text)
{
    const auto *units = reinterpret_cast<const char16_t *>(text.data());
    for (qsizetype i = 0; i < text.size(); i += kPiece) {
        if (!latin1Units(units + i, qMin(kPiece, text.size() - i)))
            return false;
    }
    return true;
}

bool TStoredText::IsLatin1Compatible(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size(); i += kPiece) {
        if (!latin1Bytes(data + i, qMin(kPiece, bytes.size() - i)))
            return false;
    }
    return true;
}

QByteArray TStoredText::Encode(QStringView text, bool *ok)
{
    if (IsLatin1Compatible(text)) {
        *ok = true;
        return text.toLatin1();
    }
    return toWindows1252(text.toString(), ok);
}

QString TStoredText::Decode(const QByteArray &bytes)
{
    return IsLatin1Compatible(bytes) ? widenLatin1(bytes) : fromWindows1252(bytes);
}
