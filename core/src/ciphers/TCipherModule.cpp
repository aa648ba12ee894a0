#include "ciphers/TCipherModule.h"

#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

TCipherModule::TCipherModule(const QString &fileName)
    : m_library(fileName)
{
    // Each module keeps its own symbols, so two modules may use the same names.
    m_library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
}

TCipherModule::~TCipherModule()
{
    if (m_library.isLoaded())
        m_library.unload();
}

bool TCipherModule::Load()
{
    if (m_library.load())
        return true;
    m_error = m_library.errorString();
    return false;
}

QFunctionPointer TCipherModule::Resolve(const char *symbol)
{
    return m_library.isLoaded() ? m_library.resolve(symbol) : nullptr;
}

bool TCipherModule::IsModuleFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.isFile() && info.suffix().toLower() == QLatin1String("so");
}

std::shared_ptr<TCipherModule> TCipherModule::Open(const QString &fileName, const char *entry,
                                                   QFunctionPointer &function, QString &error)
{
    function = nullptr;
    if (!IsModuleFile(fileName)) {
        error = QStringLiteral("Keine Moduldatei.");
        return nullptr;
    }
    auto module = Shared(fileName, error);
    if (!module)
        return nullptr;
    function = module->Resolve(entry);
    if (!function)
        error = QStringLiteral("Das Modul exportiert \"%1\" nicht.").arg(QLatin1String(entry));
    return module;
}

std::shared_ptr<TCipherModule> TCipherModule::Shared(const QString &fileName, QString &error)
{
    static QMutex mutex;
    static QHash<QString, std::weak_ptr<TCipherModule>> loaded;
    const QString key = QFileInfo(fileName).canonicalFilePath();
    QMutexLocker lock(&mutex);
    if (auto module = loaded.value(key).lock())
        return module;
    auto module = std::make_shared<TCipherModule>(fileName);
    if (!module->Load()) {
        error = module->ErrorText();
        return nullptr;
    }
    loaded.insert(key, module);
    return module;
}
