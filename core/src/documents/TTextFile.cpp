#include "documents/TTextFile.h"

#include "documents/TSafeFileWriter.h"
#include "utils/Windows1252.h"

#include <QFile>
#include <QStringDecoder>

TTextFile TTextFile::Decode(const QByteArray &bytes)
{
    TTextFile file;
    const int bom = TTextFileFormat::detectBom(bytes, file.format);
    const char *data = bytes.constData() + bom;
    const qsizetype size = bytes.size() - bom;
    if (file.format.bom && file.format.encoding != TTextEncoding::teUtf8) {
        QStringDecoder decoder(file.format.encoding == TTextEncoding::teUtf16LE ? QStringDecoder::Utf16LE
                                                                                 : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::ConvertInitialBom);
        file.text = decoder.decode(QByteArrayView(data, size));
    } else {
        bool invalid = false;
        const qsizetype valid = TextCodec::validUtf8Prefix(data, size, &invalid);
        if (valid == size && !invalid) {
            file.format.encoding = TTextEncoding::teUtf8;
            // A second BOM right after the first is text and stays.
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
            file.text = decoder.decode(QByteArrayView(data, size));
        } else {
            // Not UTF-8 after all (even behind a UTF-8 BOM): every byte is kept
            // as a Windows-1252 character, so saving gives the same bytes.
            file.format = {TTextEncoding::teWindows1252, false};
            file.text = TextCodec::fromWindows1252(bytes.constData(), bytes.size());
        }
    }
    file.lineBreak = DetectLineBreak(file.text);
    file.finalNewline = file.text.endsWith(QLatin1Char('\n')) || file.text.endsWith(QLatin1Char('\r'));
    return file;
}

TDocumentResult TTextFile::Encode(QByteArray &bytes) const
{
    bool ok = false;
    bytes = TextCodec::encode(text, format, &ok);
    if (!ok) {
        bytes.clear();
        return TDocumentResult::failure(windows1252EncodeError(text));
    }
    return TDocumentResult::success();
}

TDocumentResult TTextFile::Load(const QString &fileName, TTextFile &file)
{
    QFile input(fileName);
    if (!input.open(QIODevice::ReadOnly))
        return TDocumentResult::failure(
            QStringLiteral("Die Datei \"%1\" konnte nicht geöffnet werden.\n%2").arg(fileName, input.errorString()));
    file = Decode(input.readAll());
    return TDocumentResult::success();
}

TDocumentResult TTextFile::Save(const QString &fileName) const
{
    QByteArray bytes;
    const TDocumentResult encoded = Encode(bytes);
    if (!encoded)
        return encoded;
    return TSafeFileWriter::Write(fileName, bytes);
}

TLineBreak TTextFile::DetectLineBreak(const QString &text)
{
    qsizetype lf = 0, crlf = 0, cr = 0;
    const QChar *p = text.constData();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == QLatin1Char('\r')) {
            if (i + 1 < n && p[i + 1] == QLatin1Char('\n')) {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        } else if (p[i] == QLatin1Char('\n')) {
            ++lf;
        }
    }
    if (crlf >= lf && crlf >= cr && crlf > 0)
        return TLineBreak::lbCRLF;
    if (cr > lf)
        return TLineBreak::lbCR;
    return TLineBreak::lbLF;
}

QString TTextFile::LineBreakText(TLineBreak lineBreak)
{
    switch (lineBreak) {
    case TLineBreak::lbCRLF:
        return QStringLiteral("\r\n");
    case TLineBreak::lbCR:
        return QStringLiteral("\r");
    default:
        return QStringLiteral("\n");
    }
}
