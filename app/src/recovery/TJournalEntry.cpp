#include "recovery/TJournalEntry.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <cstring>

namespace {

constexpr char kMagic[4] = {'T', 'S', 'J', 'E'};
constexpr quint16 kVersion = 1;
constexpr int kHashSize = 20;

class TWriter
{
public:
    void bytes(const char *data, qsizetype size) { m_out.append(data, size); }
    void u8(quint8 value) { m_out.append(char(value)); }
    void u16(quint16 value)
    {
        char raw[2];
        qToBigEndian(value, raw);
        bytes(raw, 2);
    }
    void u32(quint32 value)
    {
        char raw[4];
        qToBigEndian(value, raw);
        bytes(raw, 4);
    }
    void i64(qint64 value)
    {
        char raw[8];
        qToBigEndian(value, raw);
        bytes(raw, 8);
    }
    void block(const QByteArray &data)
    {
        u32(quint32(data.size()));
        m_out.append(data);
    }
    void string(const QString &text)
    {
        u32(quint32(text.size() * 2));
        for (const QChar c : text) {
            char raw[2];
            qToLittleEndian(quint16(c.unicode()), raw);
            bytes(raw, 2);
        }
    }
    QByteArray &out() { return m_out; }

private:
    QByteArray m_out;
};

// Reads fields front to back; every length is checked against what is left
// before anything is allocated, and the first failure sticks.
class TReader
{
public:
    explicit TReader(QByteArrayView data) : m_data(data) {}

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos == m_data.size(); }

    QByteArrayView take(qsizetype size)
    {
        if (!m_ok || size < 0 || size > m_data.size() - m_pos) {
            m_ok = false;
            return {};
        }
        const QByteArrayView part = m_data.sliced(m_pos, size);
        m_pos += size;
        return part;
    }
    quint8 u8()
    {
        const QByteArrayView raw = take(1);
        return m_ok ? quint8(raw[0]) : 0;
    }
    quint16 u16()
    {
        const QByteArrayView raw = take(2);
        return m_ok ? qFromBigEndian<quint16>(raw.data()) : 0;
    }
    quint32 u32()
    {
        const QByteArrayView raw = take(4);
        return m_ok ? qFromBigEndian<quint32>(raw.data()) : 0;
    }
    qint64 i64()
    {
        const QByteArrayView raw = take(8);
        return m_ok ? qFromBigEndian<qint64>(raw.data()) : 0;
    }
    QByteArrayView block() { return take(qsizetype(u32())); }
    QString string()
    {
        const QByteArrayView raw = block();
        if (!m_ok || raw.size() % 2 != 0) {
            m_ok = false;
            return {};
        }
        QString text(raw.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(qFromLittleEndian<quint16>(raw.data() + 2 * i));
        return text;
    }
    void fail() { m_ok = false; }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

} // namespace

QByteArray TJournalEntry::Encode() const
{
    TWriter w;
    w.bytes(kMagic, 4);
    w.u16(kVersion);
    w.string(id);
    w.string(fileName);
    w.string(displayName);
    w.u8(quint8(format.encoding));
    w.u8(format.bom ? 1 : 0);
    w.u8(quint8(lineBreak));
    w.u8(quint8(content));
    w.i64(time.toMSecsSinceEpoch());
    if (content == TContent::RichRtf)
        w.block(text.toLatin1());
    else
        w.string(text);
    w.out().append(QCryptographicHash::hash(w.out(), QCryptographicHash::Sha1));
    return w.out();
}

std::optional<TJournalEntry> TJournalEntry::Decode(const QByteArray &bytes)
{
    if (bytes.size() < qsizetype(sizeof kMagic) + kHashSize)
        return std::nullopt;
    const QByteArray body = bytes.left(bytes.size() - kHashSize);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha1) != bytes.right(kHashSize))
        return std::nullopt;
    TReader r(body);
    const QByteArrayView magic = r.take(4);
    if (!r.ok() || std::memcmp(magic.data(), kMagic, sizeof kMagic) != 0 || r.u16() != kVersion)
        return std::nullopt;
    TJournalEntry entry;
    entry.id = r.string();
    entry.fileName = r.string();
    entry.displayName = r.string();
    const quint8 encoding = r.u8();
    const quint8 bom = r.u8();
    const quint8 lineBreak = r.u8();
    const quint8 content = r.u8();
    const qint64 time = r.i64();
    if (encoding > quint8(TTextEncoding::teWindows1252) || bom > 1 || lineBreak > quint8(TLineBreak::lbCR)
        || content > quint8(TContent::RichRtf))
        r.fail();
    entry.format.encoding = TTextEncoding(encoding);
    entry.format.bom = bom == 1;
    entry.lineBreak = TLineBreak(lineBreak);
    entry.content = TContent(content);
    entry.time = QDateTime::fromMSecsSinceEpoch(time, Qt::UTC);
    if (entry.content == TContent::RichRtf)
        entry.text = QString::fromLatin1(r.block());
    else
        entry.text = r.string();
    if (!r.ok() || !r.atEnd() || entry.id.isEmpty() || !entry.time.isValid())
        return std::nullopt;
    return entry;
}
