#pragma once

#include "vyra_export.h"

#include <QString>

// What a rebuild of the PHP catalogue gave.
struct VYRA_EXPORT TPHPCatalogueBuildResult {
    bool ok = false;
    QString error; // German text naming the file concerned, when not ok
    QString phpVersion;
    int functionCount = 0;
    explicit operator bool() const { return ok; }
};

// Rebuilds the PHP function catalogue from the configured interpreter, so
// that the functions of the user's own PHP version and extensions are
// offered: the shipped generator script runs as a child process, its output
// is checked to be a catalogue with functions, and only then replaces the
// target file. A failure leaves an existing catalogue as it was.
class VYRA_EXPORT TPHPCatalogueBuilder
{
public:
    static constexpr int DefaultTimeLimitMs = 60000;

    TPHPCatalogueBuilder(QString phpExe, QString generatorScript, int timeLimitMs = DefaultTimeLimitMs);

    TPHPCatalogueBuildResult Build(const QString &targetFile) const;

    // The catalogue's name, and the generator's beside the shipped one.
    static QString FileName() { return QStringLiteral("php_codecompletion.xml"); }
    static QString GeneratorName() { return QStringLiteral("php_codecompletion.php"); }
    // The catalogue to load: the user's own, made by a rebuild, when there is
    // one, else the shipped one. Both folders end with "/".
    static QString CatalogueToLoad(const QString &commonDataDir, const QString &userDataDir);

private:
    QString m_phpExe;
    QString m_generator;
    int m_timeLimitMs;
};
