#include "editor/TTextDecoder.h"

#include <QString>

qsizetype TTextDecoder::begin(const QByteArray &head)
{
    m_carry.clear();
    return TTextFileFormat::detectBom(head, m_format);
}

bool TTextDecoder::decode(const QByteArray &piece, bool last, QByteArray &utf8)
{
    switch (m_format.encoding) {
    case TTextEncoding::teWindows1252:
        utf8 = TextCodec::fromWindows1252(piece.constData(), piece.size()).toUtf8();
        return true;
    case TTextEncoding::teUtf8:
        return decodeUtf8(piece, last, utf8);
    default:
        return decodeUtf16(piece, last, utf8);
    }
}

bool TTextDecoder::decodeUtf8(const QByteArray &piece, bool last, QByteArray &utf8)
{
    const QByteArray data = m_carry.isEmpty() ? piece : m_carry + piece;
    bool invalid = false;
    const qsizetype valid = TextCodec::validUtf8Prefix(data.constData(), data.size(), &invalid);
    if (invalid || (last && valid < data.size()))
        return fallBack();
    // A whole valid piece is passed on without a copy.
    utf8 = valid == data.size() ? data : data.first(valid);
    m_carry = data.sliced(valid);
    return true;
}

bool TTextDecoder::decodeUtf16(const QByteArray &piece, bool last, QByteArray &utf8)
{
    const QByteArray data = m_carry.isEmpty() ? piece : m_carry + piece;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const bool littleEndian = m_format.encoding == TTextEncoding::teUtf16LE;
    qsizetype units = data.size() / 2;
    QString text(units, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < units; ++i) {
        const uchar first = bytes[2 * i];
        const uchar second = bytes[2 * i + 1];
        out[i] = littleEndian ? char16_t(first | second << 8) : char16_t(first << 8 | second);
    }
    // Every surrogate must be one half of a pair; a high one at the very end
    // waits for its partner in the next piece.
    for (qsizetype i = 0; i < units; ++i) {
        if (QChar::isLowSurrogate(out[i]))
            return fallBack();
        if (!QChar::isHighSurrogate(out[i]))
            continue;
        if (i + 1 == units) {
            units = i;
            break;
        }
        if (!QChar::isLowSurrogate(out[++i]))
            return fallBack();
    }
    m_carry = data.sliced(units * 2);
    if (last && !m_carry.isEmpty())
        return fallBack();
    text.truncate(units);
    utf8 = text.toUtf8();
    return true;
}

bool TTextDecoder::fallBack()
{
    m_format = {TTextEncoding::teWindows1252, false};
    m_carry.clear();
    return false;
}

QByteArray TTextDecoder::decodeAll(const QByteArray &bytes, TTextFileFormat &format)
{
    TTextDecoder decoder;
    const qsizetype bom = decoder.begin(bytes);
    QByteArray utf8;
    if (!decoder.decode(bytes.sliced(bom), true, utf8))
        decoder.decode(bytes, true, utf8);
    format = decoder.format();
    return utf8;
}
