#include "editor/TLineStyleBuffer.h"

#include <algorithm>

qsizetype TLineStyleBuffer::utf8Length(QStringView chars)
{
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        const char16_t c = chars[i].unicode();
        if (c < 0x80)
            bytes += 1;
        else if (c < 0x800)
            bytes += 2;
        else if (QChar::isHighSurrogate(c) && i + 1 < chars.size() && QChar::isLowSurrogate(chars[i + 1].unicode())) {
            bytes += 4;
            ++i;
        } else
            bytes += 3;
    }
    return bytes;
}

void TLineStyleBuffer::appendRun(QStringView chars, int style)
{
    appendBytes(utf8Length(chars), style);
}

void TLineStyleBuffer::appendBytes(qsizetype count, int style)
{
    if (count > 0)
        m_styles.append(count, char(style));
}

void TLineStyleBuffer::alternate(const char *utf8, qsizetype length, const Twins &twins)
{
    length = std::min(length, m_styles.size());
    char *styles = m_styles.data();
    bool odd = false;
    for (qsizetype i = 0; i < length; ++i) {
        // A character's continuation bytes keep the style of its first byte.
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80)
            odd = !odd;
        if (!odd)
            styles[i] = char(twins[static_cast<unsigned char>(styles[i])]);
    }
}
