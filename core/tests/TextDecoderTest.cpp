// The decoder gives the same reading whether a file comes whole or in
// pieces, and every reading writes back the bytes it came from.
#include "TextFileSamples.h"

#include "editor/TTextDecoder.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// Decodes bytes in pieces cut at the given places, as the editor's loader
// does with its slices, starting again at byte 0 when the decoder asks.
QByteArray decodeInPieces(const QByteArray &bytes, const QList<qsizetype> &cuts, TTextFileFormat &format)
{
    TTextDecoder decoder;
    QByteArray text;
    qsizetype at = decoder.begin(bytes.first(std::min<qsizetype>(3, bytes.size())));
    for (qsizetype cut : cuts) {
        if (cut <= at)
            continue;
        QByteArray piece;
        if (!decoder.decode(bytes.sliced(at, cut - at), false, piece)) {
            text.clear();
            at = 0;
            continue;
        }
        text += piece;
        at = cut;
    }
    QByteArray piece;
    if (!decoder.decode(bytes.sliced(at), true, piece)) {
        text.clear();
        EXPECT_TRUE(decoder.decode(bytes, true, piece)) << "Windows-1252 reads everything";
    }
    format = decoder.format();
    return text + piece;
}

// Bytes that look like text files: BOMs, multi-byte characters, surrogates,
// line breaks, and now and then a byte that breaks the encoding.
QByteArray randomFile(QRandomGenerator &random)
{
    static const QByteArray starts[] = {"", "\xef\xbb\xbf", "\xff\xfe", "\xfe\xff"};
    static const QByteArray parts[] = {"a", "\r\n", "\r", "\n", QByteArray("\0", 1), "\xe2\x82\xac", "\xf0\x9f\x98\x80",
                                       "\xc3", "\x80", "\xd8", "\xdc", "\xe4", "\xff"};
    QByteArray bytes = starts[random.bounded(4)];
    const int count = random.bounded(40);
    for (int i = 0; i < count; ++i)
        bytes += parts[random.bounded(int(std::size(parts)))];
    return bytes;
}

TEST(TextDecoder, PiecesGiveTheWholeFilesReadingAndItsBytesBack)
{
    QRandomGenerator random(24);
    QList<QByteArray> files;
    for (const TTextFileSample &sample : TextFileSamples())
        files.append(sample.bytes);
    for (int i = 0; i < 3000; ++i)
        files.append(randomFile(random));
    for (const QByteArray &bytes : files) {
        TTextFileFormat whole;
        const QByteArray expected = TTextDecoder::decodeAll(bytes, whole);
        QByteArray back;
        bool ok = false;
        back = TextCodec::encode(TextCodec::fromUtf8(expected), whole, &ok);
        ASSERT_TRUE(ok) << bytes.toHex().constData();
        ASSERT_EQ(back, bytes) << bytes.toHex().constData();
        for (int round = 0; round < 4; ++round) {
            QList<qsizetype> cuts;
            for (qsizetype at = random.bounded(4); at < bytes.size(); at += 1 + random.bounded(5))
                cuts.append(at);
            TTextFileFormat sliced;
            EXPECT_EQ(decodeInPieces(bytes, cuts, sliced), expected) << bytes.toHex().constData();
            EXPECT_EQ(sliced.encoding, whole.encoding) << bytes.toHex().constData();
            EXPECT_EQ(sliced.bom, whole.bom) << bytes.toHex().constData();
        }
    }
}

} // namespace
