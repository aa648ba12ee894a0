#pragma once

#include "VYRACipherClass.h"
#include "vyra_export.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TCipherModule;
class TCustomCipher;

// One loaded collection module. Its ciphers keep it (and the module) alive;
// the collection object is released before the module is unloaded.
class VYRA_EXPORT TCustomCipherCollection : public std::enable_shared_from_this<TCustomCipherCollection>
{
public:
    // Loads the module and asks its "LoadCipherCollection"; Collection() is
    // nullptr when that fails, and LoadError() tells why.
    static std::shared_ptr<TCustomCipherCollection> Load(const QString &fileName);
    ~TCustomCipherCollection();
    TCustomCipherCollection(const TCustomCipherCollection &) = delete;
    TCustomCipherCollection &operator=(const TCustomCipherCollection &) = delete;

    TCipherCollection *Collection() const { return m_collection; }
    const std::shared_ptr<TCipherModule> &Module() const { return m_module; }
    QString FileName() const { return m_fileName; }
    QString LoadError() const { return m_loadError; }

    // One cipher for each index 0 ... Count - 1; those that cannot be used are
    // left out and described in errors.
    std::vector<std::shared_ptr<TCustomCipher>> CreateCiphers(QStringList *errors);

private:
    explicit TCustomCipherCollection(const QString &fileName);
    void LoadModule();

    QString m_fileName;
    QString m_loadError;
    std::shared_ptr<TCipherModule> m_module;
    TCipherCollection *m_collection = nullptr;
};
