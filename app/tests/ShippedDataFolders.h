#pragma once

#include "TestSupport.h"
#include "startup/TDataFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

// The data folders of a program start in a temporary folder: the shipped data
// with the file types and highlighters copied to "common/" as installed, the
// user data in "user/", the projects in "Projekte/".
inline TDataFolders shippedDataFolders(const QTemporaryDir &root)
{
    const QString shipped = TestSupport::sourceDir() + QStringLiteral("/data/shipped");
    QDirIterator it(shipped, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        TestSupport::writeFile(root.filePath(QStringLiteral("common/")) + QDir(shipped).relativeFilePath(from),
                               TestSupport::readFile(from));
    }
    TDataFolders folders;
    folders.programBase = TestSupport::buildDir() + QLatin1Char('/');
    folders.commonData = root.filePath(QStringLiteral("common/"));
    folders.userData = root.filePath(QStringLiteral("user/"));
    folders.projects = root.filePath(QStringLiteral("Projekte/"));
    return folders;
}
