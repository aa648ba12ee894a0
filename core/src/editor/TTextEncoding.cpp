#include "editor/TTextEncoding.h"

#include "utils/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

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

QString fromUtf8(QByteArrayView utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(utf8);
}

QString fromWindows1252(const char *data, qsizetype size)
{
    return ::fromWindows1252(QByteArray::fromRawData(data, size));
}

bool toWindows1252(QStringView text, QByteArray &out)
{
    bool ok = false;
    out = ::toWindows1252(text, &ok);
    return ok;
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
