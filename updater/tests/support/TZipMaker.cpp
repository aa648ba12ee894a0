#include "TZipMaker.h"

#include <QFile>
#include <QTemporaryDir>
#include <zip.h>

TZipMaker &TZipMaker::Add(const QString &name, const QByteArray &content)
{
    m_entries.append({name, content});
    return *this;
}

QByteArray TZipMaker::Build() const
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("archive.zip")));
    int code = 0;
    zip_t *archive = zip_open(path.constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        return {};
    for (const auto &[name, content] : m_entries) {
        zip_source_t *source = zip_source_buffer(archive, content.constData(), zip_uint64_t(content.size()), 0);
        zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return {};
    }
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
