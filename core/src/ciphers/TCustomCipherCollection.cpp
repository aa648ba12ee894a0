#include "ciphers/TCustomCipherCollection.h"

#include "ciphers/TCipherModule.h"
#include "ciphers/TCustomCipher.h"

TCustomCipherCollection::TCustomCipherCollection(const QString &fileName)
    : m_fileName(fileName)
{
}

std::shared_ptr<TCustomCipherCollection> TCustomCipherCollection::Load(const QString &fileName)
{
    std::shared_ptr<TCustomCipherCollection> result(new TCustomCipherCollection(fileName));
    result->LoadModule();
    return result;
}

TCustomCipherCollection::~TCustomCipherCollection()
{
    if (m_collection) {
        try {
            m_collection->release();
        } catch (...) {
        }
    }
    m_module.reset();
}

void TCustomCipherCollection::LoadModule()
{
    QFunctionPointer entry = nullptr;
    m_module = TCipherModule::Open(m_fileName, "LoadCipherCollection", entry, m_loadError);
    const auto load = reinterpret_cast<TVYRALoadCipherCollectionProc>(entry);
    if (!load)
        return;
    TCipherCollection *collection = nullptr;
    try {
        load(&collection);
        void *probe = nullptr;
        if (collection && (collection->queryInterface(IID_TCipherCollection, &probe) != VYRA_S_OK || probe != collection)) {
            m_loadError = QStringLiteral("Die Sammlung unterstützt die Schnittstelle dieser Version nicht.");
            collection->release();
            return;
        }
        if (collection)
            collection->release(); // the probe's reference
    } catch (...) {
        m_loadError = QStringLiteral("\"LoadCipherCollection\" hat einen Ausnahmefehler ausgelöst.");
        return;
    }
    if (!collection) {
        m_loadError = QStringLiteral("\"LoadCipherCollection\" hat keine Sammlung geliefert.");
        return;
    }
    m_collection = collection;
}

std::vector<std::shared_ptr<TCustomCipher>> TCustomCipherCollection::CreateCiphers(QStringList *errors)
{
    std::vector<std::shared_ptr<TCustomCipher>> result;
    if (!m_collection)
        return result;
    int32_t count = 0;
    try {
        count = m_collection->Count();
    } catch (...) {
        if (errors)
            errors->append(QStringLiteral("%1: Count hat einen Ausnahmefehler ausgelöst.").arg(m_fileName));
        return result;
    }
    for (int32_t i = 0; i < count; ++i) {
        TCipher *cipher = nullptr;
        try {
            cipher = m_collection->Cipher(i);
        } catch (...) {
            cipher = nullptr;
        }
        auto entry = std::make_shared<TCustomCipher>(shared_from_this(), cipher);
        if (entry->Cipher())
            result.push_back(std::move(entry));
        else if (errors)
            errors->append(QStringLiteral("%1 [%2]: %3").arg(m_fileName).arg(i).arg(entry->LoadError()));
    }
    return result;
}
