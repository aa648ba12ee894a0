#include "utils/Windows1252.h"

#include <array>
#include <sys/mman.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Characters of the bytes 0x80..0x9F; the undefined bytes map to their C1 code.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

// Returns the byte for a UTF-16 code unit, or -1 when it has none.
int encodeUnit(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit)
            return int(0x80 + i);
    }
    return -1;
}

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


bool isLatin1Compatible(QStringView text)
{
    const auto *units = reinterpret_cast<const char16_t *>(text.data());
    for (qsizetype i = 0; i < text.size(); i += kPiece) {
        if (!latin1Units(units + i, qMin(kPiece, text.size() - i)))
            return false;
    }
    return true;
}

bool isLatin1Compatible(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size(); i += kPiece) {
        if (!latin1Bytes(data + i, qMin(kPiece, bytes.size() - i)))
            return false;
    }
    return true;
}

int firstUnencodable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (encodeUnit(text.at(i).unicode()) < 0)
            return int(i);
    }
    return -1;
}

} // namespace

QByteArray toWindows1252(QStringView text, bool *ok)
{
    // Most long fields are Base64 or other ASCII, and Windows-1252 agrees
    // with Latin-1 outside 0x80-0x9F: those take Qt's vectorised codec.
    if (isLatin1Compatible(text)) {
        if (ok)
            *ok = true;
        return text.toLatin1();
    }
    QByteArray result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = encodeUnit(text.at(i).unicode());
        if (byte < 0) {
            if (ok)
                *ok = false;
            return {};
        }
        result[i] = char(byte);
    }
    if (ok)
        *ok = true;
    return result;
}

QString fromWindows1252(const QByteArray &bytes)
{
    if (isLatin1Compatible(bytes))
        return widenLatin1(bytes);
    QString result(bytes.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        out[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
    }
    return result;
}

bool canEncodeWindows1252(const QString &text, int *firstBadIndex)
{
    const int bad = firstUnencodable(text);
    if (firstBadIndex)
        *firstBadIndex = bad;
    return bad < 0;
}

QString windows1252EncodeError(const QString &text)
{
    const int bad = firstUnencodable(text);
    if (bad < 0)
        return {};
    // Show a whole surrogate pair as one character.
    QString shown = text.mid(bad, 1);
    char32_t code = text.at(bad).unicode();
    if (text.at(bad).isHighSurrogate() && bad + 1 < text.size() && text.at(bad + 1).isLowSurrogate()) {
        shown = text.mid(bad, 2);
        code = QChar::surrogateToUcs4(text.at(bad), text.at(bad + 1));
    }
    const QString hex = QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("Das Zeichen „%1“ (U+%2) an Position %3 kann im Zeichensatz Windows-1252 "
                          "nicht gespeichert werden.")
        .arg(shown, hex, QString::number(bad + 1));
}
