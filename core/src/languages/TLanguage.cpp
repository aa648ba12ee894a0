#include "languages/TLanguage.h"

#include "languages/TFormTranslator.h"
#include "languages/TLanguageForms.h"

#include <QWidget>

namespace {

const QString kLanguageSection = QStringLiteral("Language");
const QString kUnknown = QStringLiteral("(UNKNOWN)");

} // namespace

TLanguage::TLanguage(std::shared_ptr<TLanguageForms> forms, bool Load, const QString &fileName)
    : m_forms(std::move(forms))
    , m_fileName(fileName)
{
    Open(fileName);
    ReadLanguageSection();
    if (Load)
        LoadFromFile(fileName);
}

bool TLanguage::Open(const QString &fileName)
{
    TIniFile ini;
    const TIniResult read = TIniFile::Load(fileName, ini);
    if (!read) {
        m_loadError = read.errorText;
        return false;
    }
    m_ini = std::move(ini);
    m_fileName = fileName;
    m_loadError.clear();
    return true;
}

void TLanguage::ReadLanguageSection()
{
    const TIniFile empty;
    const TIniFile &ini = m_ini ? *m_ini : empty;
    m_name = ini.ReadString(kLanguageSection, QStringLiteral("Language"), kUnknown);
    m_author = ini.ReadString(kLanguageSection, QStringLiteral("Author"), kUnknown);
    m_readme = ini.ReadString(kLanguageSection, QStringLiteral("Readme"), QStringLiteral("Readme.htm"));
    m_changelog = ini.ReadString(kLanguageSection, QStringLiteral("Changelog"), QStringLiteral("Changes.txt"));
}

void TLanguage::LoadFromFile(const QString &fileName)
{
    if ((fileName != m_fileName || !m_ini) && Open(fileName))
        ReadLanguageSection();
    if (m_forms) {
        for (QWidget *form : m_forms->Forms())
            TranslateForm(form);
    }
    if (m_onAfterLoad)
        m_onAfterLoad(*this);
}

void TLanguage::Load() { LoadFromFile(m_fileName); }

void TLanguage::TranslateForm(QWidget *form) const
{
    if (m_ini)
        TFormTranslator::Translate(*m_ini, form);
}

QString TLanguage::GetDialog(TDialogType type) const
{
    return m_ini ? m_ini->ReadString(QStringLiteral("Dialogs"), DialogTypeName(type)) : QString();
}
