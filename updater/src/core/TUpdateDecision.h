#pragma once

#include "TUpdateFile.h"

#include <QStringList>
#include <functional>

// Decides whether one entry of the update list is offered, comparing it with
// the installed file: a newer listed version is offered; an older one only
// when forced; the same one when forced or when the installed file's SHA-1
// differs from a listed one. An empty listed SHA-1 never differs. A missing
// optional component counts as older unless optional components are wanted.
class TUpdateDecision
{
public:
    using TVersionReader = std::function<QString(const QString &)>;

    // searchPath: the folders a system file is looked for in, in order.
    explicit TUpdateDecision(QStringList searchPath, TVersionReader versionOf = {});

    // The folders of the PATH environment variable, empty entries skipped.
    static QStringList SystemSearchPath();

    struct TResult {
        bool offered = false;
        QString error; // a version that is not made of numbers
    };
    // Fills LocalFile, LocalVersion, Installed and Optional of file.
    TResult Decide(TUpdateFile &file, bool includeOptional) const;

    // Upper-case hexadecimal SHA-1 of a file; empty when it cannot be read.
    static QString FileSHA1(const QString &fileName);

private:
    QString findOnSearchPath(const QString &name) const;

    QStringList m_searchPath;
    TVersionReader m_versionOf;
};
