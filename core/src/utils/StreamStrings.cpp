#include "utils/StreamStrings.h"

#include "utils/VYRAExceptions.h"
#include "utils/Windows1252.h"

#include <QtEndian>
#include <limits>

namespace {

constexpr qint64 kSequentialChunk = 64 * 1024;

[[noreturn]] void throwEndOfStream()
{
    throw EStreamReadError(QStringLiteral("Stream-Lesefehler: Das Ende des Datenstroms wurde vorzeitig erreicht."));
}

[[noreturn]] void throwLengthTooLarge(qint64 count, qint64 left)
{
    throw EStreamReadError(QStringLiteral("Stream-Lesefehler: Die gespeicherte Länge %1 ist größer als die "
                                          "verbleibenden %2 Bytes des Datenstroms.")
                               .arg(count)
                               .arg(left));
}

// A device whose end is not known ahead (socket, pipe): read piecewise, so the
// buffer never grows beyond what has actually arrived.
QByteArray readSequential(QIODevice &stream, qint64 count)
{
    QByteArray result;
    while (result.size() < count) {
        const QByteArray piece = stream.read(qMin(kSequentialChunk, count - result.size()));
        if (piece.isEmpty() && !stream.waitForReadyRead(30000))
            throwLengthTooLarge(count, result.size());
        result += piece;
    }
    return result;
}

} // namespace

QByteArray ReadStringFromStream(QIODevice &stream)
{
    char prefix[4];
    if (stream.read(prefix, 4) != 4)
        throwEndOfStream();
    const qint32 count = qFromLittleEndian<qint32>(prefix);
    if (count <= 0)
        return {};
    if (stream.isSequential())
        return readSequential(stream, count);
    const qint64 left = stream.size() - stream.pos();
    if (count > left)
        throwLengthTooLarge(count, qMax<qint64>(left, 0));
    QByteArray result = stream.read(count);
    if (result.size() != count)
        throwEndOfStream();
    return result;
}

void WriteStringToStream(QIODevice &stream, const QByteArray &value)
{
    if (value.size() > std::numeric_limits<qint32>::max())
        throw EStreamWriteError(QStringLiteral("Stream-Schreibfehler: Die Zeichenkette ist zu lang."));
    char prefix[4];
    qToLittleEndian<qint32>(qint32(value.size()), prefix);
    if (stream.write(prefix, 4) != 4 || stream.write(value) != value.size()) {
        throw EStreamWriteError(QStringLiteral("Stream-Schreibfehler: %1").arg(stream.errorString()));
    }
}

QString ReadTextFromStream(QIODevice &stream)
{
    return fromWindows1252(ReadStringFromStream(stream));
}

bool WriteTextToStream(QIODevice &stream, const QString &text, QString *error)
{
    bool ok = false;
    const QByteArray bytes = toWindows1252(text, &ok);
    if (!ok) {
        if (error)
            *error = windows1252EncodeError(text);
        return false;
    }
    try {
        WriteStringToStream(stream, bytes);
    } catch (const EStreamWriteError &e) {
        if (error)
            *error = e.message();
        return false;
    }
    return true;
}
