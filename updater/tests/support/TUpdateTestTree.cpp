#include "TUpdateTestTree.h"

#include <QDir>
#include <QFile>

QString TUpdateTestTree::BuiltProgram(const QString &name)
{
    return qEnvironmentVariable("TALVEX_BUILD_DIR") + QStringLiteral("/bin/") + name;
}

TUpdateTestTree::TUpdateTestTree()
{
    QDir().mkpath(Bin());
    QDir().mkpath(Data());
    QDir().mkpath(RuntimeFolder());
    QFile::setPermissions(RuntimeFolder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // The assistant finds its folder from its own file, so it is copied, not linked.
    QFile::copy(BuiltProgram(QStringLiteral("TalvexStudioUpdater")), Assistant());
    QFile::link(qEnvironmentVariable("TALVEX_BUILD_DIR") + QStringLiteral("/lib"), Root() + QStringLiteral("lib"));
    QFile editor(Bin() + QStringLiteral("TalvexStudio"));
    if (editor.open(QIODevice::WriteOnly))
        editor.write("#!/bin/sh\n");
}

QProcessEnvironment TUpdateTestTree::Environment(const QString &base) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TALVEX_UPDATE_URL"), base);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), RuntimeFolder());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), Root() + QStringLiteral("cache"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), Root() + QStringLiteral("xdgdata"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), Root() + QStringLiteral("config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

void TUpdateTestTree::UseInThisProcess() const
{
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(RuntimeFolder()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(Root() + QStringLiteral("cache")));
}

QString TUpdateTestTree::WriteRecorder(const QString &name, const QString &file) const
{
    const QString path = Root() + name;
    QFile script(path);
    if (script.open(QIODevice::WriteOnly)) {
        script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + QFile::encodeName(file)
                     + ".tmp'\nmv '" + QFile::encodeName(file) + ".tmp' '" + QFile::encodeName(file) + "'\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return path;
}
