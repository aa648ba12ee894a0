#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>

// The mixed HTML/PHP/JavaScript files the benchmarks open, written once into
// dir and taken again after that.
namespace LargePhpFile {

// A file of about bytes under name in dir, made of the same block.
inline QString makeSized(const QTemporaryDir &dir, const QString &name, qint64 bytes)
{
    const QString path = dir.filePath(name);
    if (QFile::exists(path))
        return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    const QByteArray block = "<p>it's <?php echo 'x'; ?> \xE2\x82\xAC</p>\n<?php\n  $name = \"Hallo $user\"; // note\n"
                             "  function f($a) { return strlen($a) * 2; }\n?>\n<script>let t = `v ${a}`;</script>\n";
    QByteArray chunk;
    while (chunk.size() < std::min<qint64>(bytes, 1024 * 1024))
        chunk += block;
    for (qint64 written = 0; written < bytes; written += chunk.size()) {
        if (file.write(chunk) != chunk.size()) {
            file.remove();
            return QString();
        }
    }
    return path;
}

// "large<megabytes>.php" in dir.
inline QString make(const QTemporaryDir &dir, qint64 megabytes)
{
    return makeSized(dir, QStringLiteral("large%1.php").arg(megabytes), megabytes * 1024 * 1024);
}

} // namespace LargePhpFile
