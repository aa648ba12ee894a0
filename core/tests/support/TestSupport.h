#pragma once

#include <QByteArray>
#include <QString>

namespace TestSupport {

// Folder with the test data of the library whose tests run (set by CTest).
QString testDataDir();
// Root of the source tree and of the build tree (set by CTest).
QString sourceDir();
QString buildDir();

// Writes a file, creating missing folders; fails the test on error.
void writeFile(const QString &path, const QByteArray &content);
QByteArray readFile(const QString &path);

} // namespace TestSupport
