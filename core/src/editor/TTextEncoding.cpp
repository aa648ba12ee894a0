#include "editor/TTextEncoding.h"

#include <QStringEncoder>

namespace {

// Windows-1252 in 0x80..0x9F; 0 marks the five unassigned bytes, which are
// read as the C1 control of the same value (as Windows does).
constexpr char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E,
    0x0178};

} // namespace

int TTextFileFormat::detectBom(const QByteArray &data, TTextFileFormat &format)
{
    format = {};
    if (data.startsWith("\xEF\xBB\xBF")) {
        format = {TTextEncoding::teUtf8, true};
        return 3;
    }
    if (data.startsWith("\xFF\xFE")) {
        format = {TTextEncoding::teUtf16LE, true};
        return 2;
    }
    if (data.startsWith("\xFE\xFF")) {
        format = {TTextEncoding::teUtf16BE, true};
        return 2;
    }
    return 0;
}

namespace TextCodec {

qsizetype validUtf8Prefix(const char *data, qsizetype size, bool *invalid)
{
    *invalid = false;
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t minimum = 0;
        char32_t cp = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1, minimum = 0x80, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, minimum = 0x800, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, minimum = 0x10000, cp = c & 0x07;
        } else {
            *invalid = true;
            return i;
        }
        if (i + extra >= size) {
            // Incomplete at the end: may continue in the next chunk.
            for (qsizetype k = i + 1; k < size; ++k) {
                if ((p[k] & 0xC0) != 0x80) {
                    *invalid = true;
                    return i;
                }
            }
            return i;
        }
        for (int k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) {
                *invalid = true;
                return i;
            }
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            *invalid = true;
            return i;
        }
        i += extra + 1;
    }
    return i;
}

QString fromWindows1252(const char *data, qsizetype size)
{
    QString result(size, Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(data[i]);
        out[i] = (c >= 0x80 && c < 0xA0 && kHigh[c - 0x80]) ? QChar(kHigh[c - 0x80]) : QChar(c);
    }
    return result;
}

bool toWindows1252(QStringView text, QByteArray &out)
{
    out.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out[i] = char(c);
            continue;
        }
        int found = -1;
        for (int k = 0; k < 32; ++k) {
            if (kHigh[k] == c || (kHigh[k] == 0 && c == 0x80 + k))
                found = k;
        }
        if (found < 0)
            return false;
        out[i] = char(0x80 + found);
    }
    return true;
}

QByteArray encode(QStringView text, const TTextFileFormat &format, bool *ok)
{
    *ok = true;
    QByteArray out;
    switch (format.encoding) {
    case TTextEncoding::teWindows1252:
        *ok = toWindows1252(text, out);
        return *ok ? out : QByteArray();
    case TTextEncoding::teUtf16LE:
    case TTextEncoding::teUtf16BE: {
        QStringEncoder encoder(format.encoding == TTextEncoding::teUtf16LE ? QStringEncoder::Utf16LE
                                                                            : QStringEncoder::Utf16BE,
                               format.bom ? QStringEncoder::Flag::WriteBom : QStringEncoder::Flag::Default);
        return encoder.encode(text);
    }
    default:
        out = text.toUtf8();
        return format.bom ? QByteArray("\xEF\xBB\xBF") + out : out;
    }
}

} // namespace TextCodec
