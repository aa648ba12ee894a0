#include "utils/Windows1252.h"

#include <array>

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

int firstUnencodable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (encodeUnit(text.at(i).unicode()) < 0)
            return int(i);
    }
    return -1;
}

} // namespace

QByteArray toWindows1252(const QString &text, bool *ok)
{
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
