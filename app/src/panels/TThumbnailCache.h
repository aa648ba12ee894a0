#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QString>

// Picture previews for the explorer's thumbnail view. A preview is read and
// scaled on the thread pool; until it arrives the caller shows the file's
// icon. The pool's job holds only the file name and the size, so it never
// touches this object; its result comes back through a watcher owned here.
class TThumbnailCache : public QObject
{
    Q_OBJECT

public:
    explicit TThumbnailCache(int size, QObject *parent = nullptr);

    // Whether the file's extension is a picture format Qt can read.
    static bool IsPicture(const QString &fileName);

    // The preview when it is ready; otherwise a null pixmap, and the loading
    // starts (once per file). An unreadable picture stays a null pixmap.
    QPixmap Thumbnail(const QString &fileName);
    bool IsPending(const QString &fileName) const { return m_pending.contains(fileName); }
    int Size() const { return m_size; }
    void Clear();

signals:
    void thumbnailReady(const QString &fileName);

private:
    void start(const QString &fileName);

    int m_size;
    QHash<QString, QPixmap> m_done;
    QSet<QString> m_pending;
};
