#include "documents/TTextFile.h"

#include "documents/TSafeFileWriter.h"
#include "editor/TTextDecoder.h"
#include "utils/TFileErrorText.h"
#include "utils/Windows1252.h"

#include <QFile>
#include <QFileInfo>

TTextFile TTextFile::Decode(const QByteArray &bytes)
{
    TTextFile file;
    file.text = TextCodec::fromUtf8(TTextDecoder::decodeAll(bytes, file.format));
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
    if (QFileInfo(fileName).isDir() || !input.open(QIODevice::ReadOnly))
        return TDocumentResult::failure(TFileErrorText::OpenFailed(fileName, input));
    const QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError)
        return TDocumentResult::failure(TFileErrorText::ReadFailed(fileName, input));
    file = Decode(bytes);
    return TDocumentResult::success();
}

TDocumentResult TTextFile::Save(const QString &fileName) const
{
    QByteArray bytes;
    const TDocumentResult encoded = Encode(bytes);
    if (!encoded)
        return TDocumentResult::failure(TFileErrorText::SaveFailed(fileName, encoded.errorText));
    return TSafeFileWriter::Write(fileName, bytes);
}

TLineBreak TTextFile::DetectLineBreak(const QString &text)
{
    return TLineBreaks::First(text);
}

QString TTextFile::LineBreakText(TLineBreak lineBreak)
{
    return TLineBreaks::Text(lineBreak);
}
