#include "TUpdateUnpacker.h"

#include <QFile>
#include <QSaveFile>
#include <zip.h>

#include <memory>

namespace {

struct TArchiveCloser {
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
struct TEntryCloser {
    void operator()(zip_file_t *entry) const { zip_fclose(entry); }
};

QString zipError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

} // namespace

QString TUpdateUnpacker::Extract(const QString &archive, const QString &entryName, const QString &destination,
                                 qint64 maxBytes)
{
    int code = 0;
    std::unique_ptr<zip_t, TArchiveCloser> zip(
        zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!zip)
        return QStringLiteral("Das Archiv \"%1\" ist beschädigt: %2").arg(archive, zipError(code));
    const QByteArray name = entryName.toUtf8();
    const zip_int64_t index = zip_name_locate(zip.get(), name.constData(), ZIP_FL_ENC_GUESS);
    if (index < 0)
        return QStringLiteral("Das Archiv \"%1\" enthält die Datei \"%2\" nicht.").arg(archive, entryName);
    std::unique_ptr<zip_file_t, TEntryCloser> entry(zip_fopen_index(zip.get(), zip_uint64_t(index), 0));
    if (!entry)
        return QStringLiteral("\"%1\" im Archiv \"%2\" kann nicht gelesen werden: %3")
            .arg(entryName, archive, QString::fromLocal8Bit(zip_strerror(zip.get())));

    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly))
        return QStringLiteral("\"%1\" kann nicht geschrieben werden: %2").arg(destination, out.errorString());
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const zip_int64_t read = zip_fread(entry.get(), buffer.data(), zip_uint64_t(buffer.size()));
        if (read < 0)
            return QStringLiteral("\"%1\" im Archiv \"%2\" ist beschädigt: %3")
                .arg(entryName, archive, QString::fromLocal8Bit(zip_file_strerror(entry.get())));
        if (read == 0)
            break;
        total += read;
        if (total > maxBytes)
            return QStringLiteral("\"%1\" im Archiv \"%2\" ist größer als erlaubt.").arg(entryName, archive);
        if (out.write(buffer.constData(), read) != read)
            return QStringLiteral("\"%1\" kann nicht geschrieben werden: %2").arg(destination, out.errorString());
    }
    if (!out.commit())
        return QStringLiteral("\"%1\" kann nicht geschrieben werden: %2").arg(destination, out.errorString());
    return {};
}
