#include "utils/VersionInfo.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>

#ifndef TALVEX_VERSION_TEXT
#error "VYRA is compiled with TALVEX_VERSION_TEXT and TALVEX_BUILD_TIMESTAMP"
#endif

namespace {

constexpr qint64 kChunkSize = 256 * 1024;
// Longest marker body we accept after the prefix; a longer run is no marker.
constexpr qsizetype kMaxMarkerBody = 96;

QByteArray markerPrefix()
{
    // Assembled at run time, so this library's own search text is no marker.
    return QByteArray("@(#)TALVEX-") + QByteArray("VERSION:");
}

std::optional<TVersionNumber> parseVersion(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.isEmpty() || parts.size() > 4)
        return std::nullopt;
    int numbers[4] = {0, 0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        numbers[i] = parts.at(i).toInt(&ok);
        if (!ok || numbers[i] < 0)
            return std::nullopt;
    }
    return TVersionNumber{numbers[0], numbers[1], numbers[2], numbers[3]};
}

QDateTime parseTimestamp(const QString &text)
{
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (time.isValid() && time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC); // our stamps are UTC even without "Z"
    return time.toUTC();
}

// Parses "<version>:<time stamp>;" at the start of body.
std::optional<TVersionMarker> parseMarkerBody(const QByteArray &body)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+(?:\\.[0-9]+){0,3}):([0-9T:+\\-Z.]*);"));
    const auto match = pattern.match(QString::fromLatin1(body));
    if (!match.hasMatch())
        return std::nullopt;
    const auto version = parseVersion(match.captured(1));
    if (!version)
        return std::nullopt;
    return TVersionMarker{*version, parseTimestamp(match.captured(2))};
}

TVersionMarker runningProgramMarker()
{
    static const TVersionMarker marker{parseVersion(QStringLiteral(TALVEX_VERSION_TEXT)).value_or(TVersionNumber{}),
                                       parseTimestamp(QStringLiteral(TALVEX_BUILD_TIMESTAMP))};
    return marker;
}

std::optional<TVersionMarker> markerOf(const QString &fileName)
{
    if (fileName.isEmpty())
        return runningProgramMarker();
    return ReadVersionMarker(fileName);
}

} // namespace

std::optional<TVersionMarker> ReadVersionMarker(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray prefix = markerPrefix();
    QByteArray window;
    bool atEnd = false;
    while (!atEnd) {
        const QByteArray chunk = file.read(kChunkSize);
        atEnd = chunk.size() < kChunkSize;
        window += chunk;
        qsizetype from = 0;
        qsizetype keepFrom = qMax<qsizetype>(0, window.size() - prefix.size() + 1);
        for (qsizetype hit = window.indexOf(prefix, from); hit >= 0; hit = window.indexOf(prefix, from)) {
            const qsizetype bodyStart = hit + prefix.size();
            const QByteArray body = window.mid(bodyStart, kMaxMarkerBody);
            if (auto marker = parseMarkerBody(body))
                return marker;
            if (!atEnd && body.size() < kMaxMarkerBody && !body.contains(';')) {
                keepFrom = qMin(keepFrom, hit); // may continue in the next chunk
                break;
            }
            from = hit + 1;
        }
        window = window.mid(keepFrom);
    }
    return std::nullopt;
}

QString FormatVersion(const TVersionNumber &version, bool compact)
{
    QString text = QStringLiteral("%1.%2").arg(version.major).arg(version.minor);
    if (!compact)
        return text + QStringLiteral(".%1.%2").arg(version.release).arg(version.build);
    if (version.release > 0)
        text += QString::number(version.release);
    if (version.build != 0)
        text += QString::number(version.build);
    return text;
}

QString GetVersion(const QString &fileName, bool compact)
{
    const auto marker = markerOf(fileName);
    return marker ? FormatVersion(marker->version, compact) : QString();
}

QString GetFileVersion(const QString &fileName)
{
    return QStringLiteral("Version %1").arg(GetVersion(fileName, false));
}

int IntVersionOf(const QString &compactVersion)
{
    if (compactVersion.isEmpty())
        return 0;
    QString digits = compactVersion;
    const qsizetype dot = digits.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        digits.remove(dot, 1);
    if (compactVersion.size() >= 4)
        digits += QLatin1Char('0');
    return digits.toInt();
}

int GetIntVersion(const QString &fileName) { return IntVersionOf(GetVersion(fileName, true)); }

QString FormatBuildDate(const QDateTime &time)
{
    if (!time.isValid())
        return {};
    const QDateTime local = time.toLocalTime();
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(local, QStringLiteral("MMM dd yyyy 'at' hh:mm AP "));
}

QString GetDate(const QString &fileName)
{
    const auto marker = markerOf(fileName);
    return marker ? FormatBuildDate(marker->buildTime) : QString();
}
