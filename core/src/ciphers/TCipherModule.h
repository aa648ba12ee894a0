#pragma once

#include "vyra_export.h"

#include <QLibrary>
#include <QString>
#include <memory>

// One cipher module (shared object) loaded into the process. It is unloaded
// when the last cipher made from it has been released. A file that is
// already loaded is shared: QLibrary counts only the first load of a file,
// so a second QLibrary's unload would pull the module away from the first.
class VYRA_EXPORT TCipherModule
{
public:
    explicit TCipherModule(const QString &fileName);
    ~TCipherModule();
    TCipherModule(const TCipherModule &) = delete;
    TCipherModule &operator=(const TCipherModule &) = delete;

    // Loads the module; false (with ErrorText) when it cannot be loaded.
    bool Load();
    // The exported function of that name, or nullptr.
    QFunctionPointer Resolve(const char *symbol);

    QString FileName() const { return m_library.fileName(); }
    QString ErrorText() const { return m_error; }

    // A module file: an existing file whose extension, in lower case, is ".so".
    static bool IsModuleFile(const QString &fileName);
    // Checks and loads a module file (or takes the loaded one of that file)
    // and resolves its entry point; on failure nullptr (or no entry) with the
    // reason in error.
    static std::shared_ptr<TCipherModule> Open(const QString &fileName, const char *entry, QFunctionPointer &function,
                                               QString &error);

private:
    static std::shared_ptr<TCipherModule> Shared(const QString &fileName, QString &error);

    QLibrary m_library;
    QString m_error;
};
