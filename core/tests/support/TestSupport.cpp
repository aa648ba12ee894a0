#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace TestSupport {

QString testDataDir() { return qEnvironmentVariable("TALVEX_TEST_DATA"); }
QString sourceDir() { return qEnvironmentVariable("TALVEX_SOURCE_DIR"); }
QString buildDir() { return qEnvironmentVariable("TALVEX_BUILD_DIR"); }

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(content), content.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace TestSupport
