#include "panels/TThumbnailCache.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QImage readScaled(const QString &fileName, int size)
{
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    const QSize original = reader.size();
    if (original.isValid() && (original.width() > size || original.height() > size))
        reader.setScaledSize(original.scaled(size, size, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > size || image.height() > size))
        image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

TThumbnailCache::TThumbnailCache(int size, QObject *parent) : QObject(parent), m_size(size) {}

bool TThumbnailCache::IsPicture(const QString &fileName)
{
    static const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    const QByteArray suffix = QFileInfo(fileName).suffix().toLower().toLatin1();
    return !suffix.isEmpty() && formats.contains(suffix);
}

QPixmap TThumbnailCache::Thumbnail(const QString &fileName)
{
    const auto found = m_done.constFind(fileName);
    if (found != m_done.constEnd())
        return *found;
    if (!m_pending.contains(fileName) && IsPicture(fileName))
        start(fileName);
    return {};
}

void TThumbnailCache::Clear()
{
    // Jobs still running deliver into the fresh cache; that is harmless.
    m_done.clear();
}

void TThumbnailCache::start(const QString &fileName)
{
    m_pending.insert(fileName);
    auto *watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, fileName] {
        // QPixmap belongs to the GUI thread: the conversion happens here.
        m_done.insert(fileName, QPixmap::fromImage(watcher->result()));
        m_pending.remove(fileName);
        watcher->deleteLater();
        emit thumbnailReady(fileName);
    });
    watcher->setFuture(QtConcurrent::run(readScaled, fileName, m_size));
}
