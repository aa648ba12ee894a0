#include "languages/TLanguages.h"

#include "languages/TFormTranslator.h"
#include "languages/TIniFile.h"
#include "languages/TLanguageForms.h"
#include "utils/TXmlDocumentFile.h"

#include <QDir>
#include <QFileInfo>

TLanguages::TLanguages(std::shared_ptr<TLanguageForms> forms, const QString &folder, const QString &prefix)
    : m_forms(std::move(forms))
    , m_folder(folder)
    , m_prefix(prefix)
{
    List();
}

void TLanguages::List()
{
    if (m_folder.isEmpty() || m_prefix.isEmpty())
        return;
    const QDir folder(m_folder);
    const QStringList names = folder.entryList({m_prefix + QStringLiteral(".*")},
                                               QDir::Files, QDir::Name);
    for (const QString &name : names)
        AddLang(std::make_unique<TLanguage>(m_forms, false, folder.filePath(name)));
}

void TLanguages::SetLang(int index)
{
    m_active = index >= 0 && index < Count() ? index : -1;
    if (TLanguage *active = GetActiveLanguage())
        active->Load();
}

void TLanguages::AddLang(std::unique_ptr<TLanguage> language)
{
    if (!language)
        return;
    language->SetForms(m_forms);
    language->SetOnAfterLoad(m_onAfterLoad);
    m_languages.push_back(std::move(language));
}

void TLanguages::Clear()
{
    m_active = -1;
    m_languages.clear();
}

void TLanguages::Relist()
{
    Clear();
    List();
}

TLanguage *TLanguages::GetActiveLanguage() const { return Item(m_active); }

TLanguage *TLanguages::Item(int index) const
{
    return index >= 0 && index < Count() ? m_languages[size_t(index)].get() : nullptr;
}

void TLanguages::GetLanguageList(QStringList &strings) const
{
    for (const auto &language : m_languages)
        strings.append(language->Name());
}

const QStringList &TLanguages::GetLanguageStringList()
{
    m_stringList.clear();
    GetLanguageList(m_stringList);
    return m_stringList;
}

void TLanguages::SetOnAfterLoad(const TLanguage::TAfterLoad &handler)
{
    m_onAfterLoad = handler;
    for (const auto &language : m_languages)
        language->SetOnAfterLoad(handler);
}

void TLanguages::SetForms(std::shared_ptr<TLanguageForms> forms)
{
    m_forms = std::move(forms);
    for (const auto &language : m_languages)
        language->SetForms(m_forms);
}

int TLanguages::GetLanguage(const QString &fileName) const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_languages[size_t(i)]->FileName() == fileName)
            return i;
    }
    return -1;
}

TIniResult TLanguages::SaveToFile(const QString &fileName) const
{
    TIniFile ini;
    if (QFileInfo::exists(fileName)) {
        const TIniResult read = TIniFile::Load(fileName, ini);
        if (!read)
            return TIniResult::failure(
                QStringLiteral("Die Sprachvorlage \"%1\" wurde nicht geschrieben. %2").arg(fileName, read.errorText));
        // Damaged lines are lost on rewriting: the file is kept as it was.
        if (!ini.DamagedLines().isEmpty() && TXmlDocumentFile::KeepDamagedCopy(fileName).isEmpty())
            return TIniResult::failure(
                QStringLiteral("Die Sprachvorlage \"%1\" wurde nicht geschrieben: Die beschädigte Datei konnte "
                               "nicht als Kopie gesichert werden.")
                    .arg(fileName));
    }
    if (m_forms) {
        for (QWidget *form : m_forms->Forms())
            TFormTranslator::WriteTemplate(form, ini);
    }
    const QString dialogs = QStringLiteral("Dialogs");
    for (TDialogType type : AllDialogTypes) {
        if (!ini.ValueExists(dialogs, DialogTypeName(type)))
            ini.WriteString(dialogs, DialogTypeName(type), QString());
    }
    return ini.SaveToFile(fileName);
}
