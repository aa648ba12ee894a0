#include "languages/TLanguageManager.h"

#include "languages/TBuiltInLanguage.h"
#include "languages/TLanguage.h"
#include "utils/TXmlDocumentFile.h"
#include "utils/XmlNodes.h"

#include <QDir>
#include <atomic>
#include <cstring>

namespace {

std::atomic<TLanguageManager *> g_instance{nullptr};

std::unique_ptr<TLanguageManager> &createdInstance()
{
    static std::unique_ptr<TLanguageManager> created;
    return created;
}

} // namespace

TLanguageManager::TLanguageManager(std::shared_ptr<TLanguageForms> forms, const QString &settingsFile,
                                   const QString &folder, const QString &prefix)
    : m_languages(std::move(forms), folder, prefix)
    , m_settingsFile(settingsFile)
{
    TLanguageManager *none = nullptr;
    g_instance.compare_exchange_strong(none, this);
    LoadFromFile(settingsFile);
}

TLanguageManager::~TLanguageManager()
{
    TLanguageManager *self = this;
    g_instance.compare_exchange_strong(self, nullptr);
}

TLanguageManager *TLanguageManager::CreateInstance(std::shared_ptr<TLanguageForms> forms,
                                                   const QString &settingsFile, const QString &folder,
                                                   const QString &prefix)
{
    if (TLanguageManager *existing = Instance())
        return existing;
    createdInstance() = std::make_unique<TLanguageManager>(std::move(forms), settingsFile, folder, prefix);
    return createdInstance().get();
}

TLanguageManager *TLanguageManager::Instance() { return g_instance.load(); }

void TLanguageManager::FreeInstance() { createdInstance().reset(); }

QString TLanguageManager::ReadLangId(const QString &settingsFile)
{
    if (settingsFile.isEmpty())
        return QString();
    pugi::xml_document document;
    if (TXmlDocumentFile::Load(settingsFile, document).status != TXmlDocumentFile::TLoadStatus::Loaded)
        return QString();
    const pugi::xml_node root = document.document_element();
    if (std::strcmp(root.name(), "language") != 0)
        return QString();
    return GetNodeText(root, QStringLiteral("langid")).trimmed();
}

void TLanguageManager::LoadFromFile(const QString &settingsFile)
{
    m_active = nullptr;
    // A fallback replaced the list by the built-in language: without listing
    // again, no later choice could find a file of the folder.
    m_languages.Relist();
    m_settingsFile = settingsFile;
    m_langId = ReadLangId(settingsFile);
    if (!m_langId.isEmpty()) {
        const QString fileName =
            QDir(m_languages.Folder()).filePath(m_languages.Prefix() + u'.' + m_langId);
        const int index = m_languages.GetLanguage(fileName);
        if (index >= 0) {
            m_languages.SetLang(index);
            // A listed file that cannot be read (removed, unreadable, too
            // large) teaches nothing: the built-in language steps in.
            TLanguage *chosen = m_languages.GetActiveLanguage();
            if (chosen && chosen->IsOpen())
                m_active = chosen;
        }
    }
    if (!m_active)
        UseBuiltIn();
}

void TLanguageManager::UseBuiltIn()
{
    m_languages.Clear();
    m_languages.AddLang(std::make_unique<TLanguage>(nullptr, false, TBuiltInLanguage::FileName()));
    m_languages.SetLang(0);
    m_active = m_languages.GetActiveLanguage();
}

void TLanguageManager::TranslateNewForm(QWidget *form)
{
    const TLanguageManager *manager = Instance();
    if (manager && manager->ActiveLanguage())
        manager->ActiveLanguage()->TranslateForm(form);
}

QString TLanguageManager::GetDialog(TDialogType type)
{
    const TLanguageManager *manager = Instance();
    const TLanguage *active = manager ? manager->ActiveLanguage() : nullptr;
    const QString text = active ? active->GetDialog(type) : QString();
    return text.isEmpty() ? TBuiltInLanguage::GetDialog(type) : text;
}
