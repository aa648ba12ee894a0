#pragma once

// Cipher folders for tests, assembled from the fixture modules and the
// shipped AES module of the build tree.
#include "TestSupport.h"
#include "ciphers/TCipherList.h"
#include "ciphers/TCustomCipher.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace CipherFixtures {

inline QString fixtureModule(const QString &name)
{
    return TestSupport::buildDir() + QStringLiteral("/tests/fixtures/ciphers/") + name + QStringLiteral(".so");
}

inline QString aesModule() { return TestSupport::buildDir() + QStringLiteral("/Packages/Ciphers/AES256GCM.so"); }

// Copies modules into folder (collections into its "Collections" subfolder).
inline void install(const QString &folder, const QStringList &modules, const QStringList &collections = {})
{
    QDir().mkpath(folder + QStringLiteral("/Collections"));
    for (const QString &module : modules) {
        const QString source = module == QLatin1String("AES256GCM") ? aesModule() : fixtureModule(module);
        ASSERT_TRUE(QFile::copy(source, folder + QLatin1Char('/') + module + QStringLiteral(".so")))
            << source.toStdString();
    }
    for (const QString &module : collections)
        ASSERT_TRUE(QFile::copy(fixtureModule(module), folder + QStringLiteral("/Collections/") + module + QStringLiteral(".so")));
}

// A cipher list over a fresh folder with the given modules.
struct Folder {
    QTemporaryDir dir;
    std::unique_ptr<TCipherList> list;

    explicit Folder(const QStringList &modules, const QStringList &collections = {})
    {
        install(dir.path(), modules, collections);
        list = std::make_unique<TCipherList>(dir.path(), true);
    }
    std::shared_ptr<TCustomCipher> byName(const QString &name) const
    {
        return list->GetCipher(list->SearchCipher(name));
    }
};

} // namespace CipherFixtures
