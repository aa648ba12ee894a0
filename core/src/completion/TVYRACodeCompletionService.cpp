#include "completion/TVYRACodeCompletionService.h"

#include "completion/TPHPCatalogueBuilder.h"
#include "completion/TVYRAPHPCodeCompletion.h"
#include "settings/TVYRARegistry.h"
#include "utils/TXmlDocumentFile.h"
#include "utils/VYRAExceptions.h"
#include "utils/XmlStore.h"

#include <algorithm>
#include <QFileInfo>
#include <QSettings>
#include <pugixml.hpp>

namespace {
constexpr const char *RootName = "codecompletion";

// A single catalogue file: any root element; a damaged file raises.
bool checkCatalogue(const TXmlDocumentFile::TLoadResult &result, const pugi::xml_document &doc)
{
    using S = TXmlDocumentFile::TLoadStatus;
    if (result.status == S::Damaged || result.status == S::Unreadable)
        throw EInvalidVYRAFormat(result.error);
    return result.status == S::Loaded && doc.document_element();
}
} // namespace

TVYRACodeCompletionService::TVYRACodeCompletionService() = default;

TVYRACodeCompletionService::TVYRACodeCompletionService(quint32 root, const QString &key) : m_root(root), m_key(key)
{
    LoadFromSettings(*TVYRARegistry::Open(root, key));
}

TVYRACodeCompletionService::TVYRACodeCompletionService(const QString &fileName) : m_fileName(fileName)
{
    LoadFromFile(fileName);
}

TVYRACodeCompletionService::~TVYRACodeCompletionService() = default;

TCodeCompletionClass TVYRACodeCompletionService::GeneralClass()
{
    return [] { return std::make_unique<TVYRACodeCompletion>(); };
}

TCodeCompletionClass TVYRACodeCompletionService::PHPClass()
{
    return [] { return std::make_unique<TVYRAPHPCodeCompletion>(); };
}

void TVYRACodeCompletionService::LoadFromSettings(QSettings &settings)
{
    for (const QString &group : settings.childGroups()) {
        settings.beginGroup(group);
        auto item = std::make_unique<TVYRACodeCompletion>();
        item->Load(settings);
        settings.endGroup();
        m_items.push_back(std::move(item));
    }
}

void TVYRACodeCompletionService::LoadFromFile(const QString &fileName)
{
    pugi::xml_document doc;
    if (LoadXmlStore(doc, fileName, RootName))
        readRoot(doc.document_element());
}

void TVYRACodeCompletionService::LoadFromData(const QByteArray &data)
{
    pugi::xml_document doc;
    if (ParseXmlStore(doc, data, RootName))
        readRoot(doc.document_element());
}

void TVYRACodeCompletionService::readRoot(const pugi::xml_node &root)
{
    m_items.clear();
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        auto item = std::make_unique<TVYRACodeCompletion>();
        item->Load(child);
        m_items.push_back(std::move(item));
    }
}

void TVYRACodeCompletionService::LoadCustom(const QString &fileName, const TCodeCompletionClass &completionClass)
{
    if (!QFileInfo::exists(fileName))
        return;
    auto doc = std::make_shared<pugi::xml_document>();
    if (!checkCatalogue(TXmlDocumentFile::Load(fileName, *doc), *doc))
        return;
    auto item = completionClass();
    item->KeepDocument(doc);
    item->Load(doc->document_element());
    m_items.push_back(std::move(item));
}

void TVYRACodeCompletionService::LoadCustomFromData(const QByteArray &data, const TCodeCompletionClass &completionClass)
{
    auto doc = std::make_shared<pugi::xml_document>();
    if (!checkCatalogue(TXmlDocumentFile::Parse(data, *doc), *doc))
        return;
    auto item = completionClass();
    item->KeepDocument(doc);
    item->Load(doc->document_element());
    m_items.push_back(std::move(item));
}

QString TVYRACodeCompletionService::LoadProgramCatalogues(const QString &commonDataDir, const QString &userDataDir)
{
    QString problems;
    const QString shippedPHP = commonDataDir + TPHPCatalogueBuilder::FileName();
    const QString php = TPHPCatalogueBuilder::CatalogueToLoad(commonDataDir, userDataDir);
    try {
        LoadCustom(php, PHPClass());
    } catch (const EInvalidVYRAFormat &error) {
        problems = error.message();
        if (php != shippedPHP)
            LoadCustom(shippedPHP, PHPClass());
    }
    try {
        LoadCustom(commonDataDir + QStringLiteral("html_codecompletion.xml"), GeneralClass());
    } catch (const EInvalidVYRAFormat &error) {
        problems += (problems.isEmpty() ? QString() : QStringLiteral("\n")) + error.message();
    }
    return problems;
}

TVYRACodeCompletion *TVYRACodeCompletionService::GetItem(int i) const
{
    return i >= 0 && i < GetCount() ? m_items[size_t(i)].get() : nullptr;
}

void TVYRACodeCompletionService::SetItem(int i, std::unique_ptr<TVYRACodeCompletion> item)
{
    if (i >= 0 && i < GetCount() && item)
        m_items[size_t(i)] = std::move(item);
}

void TVYRACodeCompletionService::Add(std::unique_ptr<TVYRACodeCompletion> item)
{
    if (item)
        m_items.push_back(std::move(item));
}

bool TVYRACodeCompletionService::Serves(const TIHighlighter *entry) const
{
    return entry && std::any_of(m_items.begin(), m_items.end(), [entry](const auto &item) {
               return item->Supports(*entry);
           });
}

bool TVYRACodeCompletionService::setUp(const TIHighlighter *entry, TCompletionComponent *component, bool params)
{
    if (!component)
        return false;
    if (!entry)
        return true;
    for (const auto &item : m_items) {
        if (!item->Supports(*entry))
            continue;
        const TCompletionComponent &source = params ? *item->GetParams() : *item->GetCompleter();
        component->AssignSettings(source);
        if (params)
            component->OnExecute = source.OnExecute;
    }
    return true;
}

bool TVYRACodeCompletionService::SetUpCompleter(const TIHighlighter *entry, TCompletionComponent *component)
{
    return setUp(entry, component, false);
}

bool TVYRACodeCompletionService::SetUpParamCompletion(const TIHighlighter *entry, TCompletionComponent *component)
{
    return setUp(entry, component, true);
}

void TVYRACodeCompletionService::SaveAll(const QString &fileName)
{
    pugi::xml_document doc;
    if (!OpenXmlStoreForSave(doc, fileName, RootName))
        return;
    pugi::xml_node root = doc.document_element();
    for (size_t i = 0; i < m_items.size(); ++i) {
        const QByteArray name = "completion" + QByteArray::number(qulonglong(i));
        m_items[i]->Save(root.append_child(name.constData()));
    }
    SaveXmlStore(doc, fileName);
}

void TVYRACodeCompletionService::SaveAll()
{
    if (!m_fileName.isEmpty()) {
        SaveAll(m_fileName);
        return;
    }
    if (m_key.isEmpty())
        return;
    auto settings = TVYRARegistry::Open(m_root, m_key);
    settings->remove(QString());
    for (size_t i = 0; i < m_items.size(); ++i) {
        settings->beginGroup(QStringLiteral("Completion%1").arg(i));
        m_items[i]->Save(*settings);
        settings->endGroup();
    }
}
