#include "documents/TSafeFileWriter.h"

#include "utils/TFileErrorText.h"
#include "utils/VYRAExceptions.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

TDocumentResult failed(const QString &fileName, const QString &reason)
{
    return TDocumentResult::failure(TFileErrorText::SaveFailed(fileName, reason));
}

TDocumentResult failed(const QString &fileName, const QSaveFile &file)
{
    return TDocumentResult::failure(TFileErrorText::SaveFailed(fileName, file));
}

} // namespace

TDocumentResult TSafeFileWriter::Write(const QString &fileName, const Writer &writer)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (!TFileErrorText::SaveReason(fileName).isEmpty())
            return TDocumentResult::failure(TFileErrorText::SaveFailed(fileName));
        return failed(fileName, QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(folder));
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return failed(fileName, file);
    TDocumentResult result;
    try {
        result = writer(file);
    } catch (const EVYRAException &error) {
        result = TDocumentResult::failure(error.message());
    }
    if (!result) {
        file.cancelWriting();
        return failed(fileName, result.errorText);
    }
    if (!file.commit())
        return failed(fileName, file);
    return result;
}

TDocumentResult TSafeFileWriter::Write(const QString &fileName, const QByteArray &content)
{
    return Write(fileName, [&content](QIODevice &device) {
        return device.write(content) == content.size()
            ? TDocumentResult::success()
            : TDocumentResult::failure(TFileErrorText::SystemText(device.errorString()));
    });
}
