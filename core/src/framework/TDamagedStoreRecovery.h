#pragma once

#include "utils/VYRAExceptions.h"
#include "vyra_export.h"

#include <QString>
#include <memory>

// Opening the core's small data stores without letting one damaged file stop
// the program: the damaged file is renamed to "<name>.damaged" (numbered when
// taken), the user is told where it lies, and the store is opened again as if
// the file were missing. When the file cannot be renamed, the error stands.
class VYRA_EXPORT TDamagedStoreRecovery
{
public:
    template<typename Store, typename... Args>
    static std::shared_ptr<Store> Open(const QString &fileName, Args &&...args)
    {
        try {
            return std::make_shared<Store>(fileName, args...);
        } catch (const EInvalidVYRAFormat &error) {
            SetAside(fileName, error);
        }
        return std::make_shared<Store>(fileName, std::forward<Args>(args)...);
    }

    // Renames the damaged file and tells the user; rethrows error when the
    // file cannot be renamed.
    static void SetAside(const QString &fileName, const EInvalidVYRAFormat &error);
};
