#include "framework/TVYRADataDirectories.h"

#include "utils/FileUtils.h"

#include <QDir>
#include <QFileInfo>

void TVYRADataDirectories::setAppDir(const QString &appDir)
{
    AppDir = IncludeTrailingPathDelimiter(appDir);
    PackageDir = AppDir + QStringLiteral("Packages/");
    PluginDir = PackageDir + QStringLiteral("Plugins/");
    CipherDir = PackageDir + QStringLiteral("Ciphers/");
    ProjectDir = AppDir + QStringLiteral("Projects/");
}

void TVYRADataDirectories::setDataDirs(const QString &appDataDir, const QString &userDataDir)
{
    AppDataDir = IncludeTrailingPathDelimiter(appDataDir);
    UserDataDir = IncludeTrailingPathDelimiter(userDataDir);
    TemplateDir = AppDataDir + QStringLiteral("Templates/");
    HighlighterDir = AppDataDir + QStringLiteral("Highlighters/");
    UserHighlighterDir = UserDataDir + QStringLiteral("Highlighters/");
}

QStringList TVYRADataDirectories::foldersToCreate() const
{
    return {AppDataDir, UserDataDir, HighlighterDir, UserHighlighterDir, TemplateDir,
            PackageDir, ProjectDir, PluginDir, CipherDir};
}

QString TVYRADataDirectories::createMissingFolders() const
{
    for (const QString &folder : foldersToCreate()) {
        if (QFileInfo(folder).isDir())
            continue;
        if (!QDir().mkpath(folder))
            return folder;
    }
    return {};
}
