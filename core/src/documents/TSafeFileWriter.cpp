#include "documents/TSafeFileWriter.h"

#include "utils/VYRAExceptions.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

TDocumentResult failed(const QString &fileName, const QString &reason)
{
    return TDocumentResult::failure(
        QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\n%2").arg(fileName, reason));
}

} // namespace

TDocumentResult TSafeFileWriter::Write(const QString &fileName, const Writer &writer)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        return failed(fileName, QStringLiteral("Der Ordner \"%1\" konnte nicht angelegt werden.").arg(folder));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return failed(fileName, file.errorString());
    TDocumentResult result;
    try {
        result = writer(file);
    } catch (const EVYRAException &error) {
        result = TDocumentResult::failure(error.message());
    }
    if (!result) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return failed(fileName, file.errorString());
    return result;
}

TDocumentResult TSafeFileWriter::Write(const QString &fileName, const QByteArray &content)
{
    return Write(fileName, [&content](QIODevice &device) {
        return device.write(content) == content.size()
            ? TDocumentResult::success()
            : TDocumentResult::failure(device.errorString());
    });
}
