#include "search/TSearchFileReader.h"

#include "documents/TTextFile.h"
#include "editor/TTextEncoding.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
struct TDescriptor {
    int fd;
    ~TDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool readAll(int fd, QByteArray &bytes, qint64 size)
{
    bytes.resize(size);
    qint64 done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(size - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return true;
}

bool hasBom(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// UTF-16 text is full of NUL bytes; its byte order mark tells it from binary data.
bool hasUtf16Bom(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

} // namespace

std::optional<QString> TSearchFileReader::ReadText(const QString &fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    // Non-blocking, so that a FIFO put in place of a file cannot hold the search.
    TDescriptor file{::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > MaxFileSize)
        return std::nullopt;
    // Each thread keeps its buffers from file to file: fresh memory for
    // every file cost more than reading and searching it.
    thread_local QByteArray bytes;
    thread_local QString text;
    if (!readAll(file.fd, bytes, info.st_size))
        return std::nullopt;
    if (!hasUtf16Bom(bytes) && std::memchr(bytes.constData(), 0, size_t(bytes.size())) != nullptr)
        return std::nullopt;
    bool invalid = false;
    if (hasBom(bytes) || TextCodec::validUtf8Prefix(bytes.constData(), bytes.size(), &invalid) != bytes.size())
        return TTextFile::Decode(bytes).text;
    // Valid UTF-8 without a BOM, the usual case, decoded as TTextFile does.
    if (!text.isDetached()) // a caller kept the last text
        text = QString();
    text.resize(bytes.size());
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QChar *end = decoder.appendToBuffer(text.data(), bytes);
    text.resize(end - text.constData());
    return text;
}
