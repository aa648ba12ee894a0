#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A program tree for the update tests: bin/ holds a copy of the real
// assistant beside a stand-in editor, lib/ leads to the built libraries,
// Data/ makes it the portable layout. The user's folders lie in the tree too.
class TUpdateTestTree
{
public:
    TUpdateTestTree();

    QString Root() const { return m_dir.path() + QStringLiteral("/"); }
    QString Bin() const { return Root() + QStringLiteral("bin/"); }
    QString Data() const { return Root() + QStringLiteral("Data/"); }
    QString RuntimeFolder() const { return Root() + QStringLiteral("run"); }
    QString UpdateFolder() const { return Root() + QStringLiteral("cache/Talvex Studio/TVSUpdate/"); }
    QString Assistant() const { return Bin() + QStringLiteral("TalvexStudioUpdater"); }

    // The environment for the tree's programs; base: the update server.
    QProcessEnvironment Environment(const QString &base) const;
    // Also sets the folders for code running in the test process.
    void UseInThisProcess() const;

    // A shell script that writes its arguments, one a line, to file.
    QString WriteRecorder(const QString &name, const QString &file) const;

    static QString BuiltProgram(const QString &name);

private:
    QTemporaryDir m_dir;
};
