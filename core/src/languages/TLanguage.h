#pragma once

#include "languages/TDialogType.h"
#include "languages/TIniFile.h"
#include "vyra_export.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;
class TLanguageForms;

// One language file. Constructing it opens the file (when it exists) and
// reads the section "Language"; the forms are translated only on Load.
// The file may be a Qt resource (":/…"): the built-in language is read
// straight from memory that way.
class VYRA_EXPORT TLanguage
{
public:
    using TAfterLoad = std::function<void(TLanguage &language)>;

    TLanguage(std::shared_ptr<TLanguageForms> forms, bool Load, const QString &fileName);

    // Opens the file when it differs from the current one or nothing is open
    // yet; a missing or unreadable file leaves everything as it was (the
    // reason is kept in LoadError()). Then translates every registered form
    // and calls the after-load handler.
    void LoadFromFile(const QString &fileName);
    void Load();
    void TranslateForm(QWidget *form) const;
    // The start-up message, empty when the file has none.
    QString GetDialog(TDialogType type) const;

    QString FileName() const { return m_fileName; }
    bool IsOpen() const { return m_ini.has_value(); }
    const TIniFile *Ini() const { return m_ini ? &*m_ini : nullptr; }
    QString LoadError() const { return m_loadError; }
    QString Name() const { return m_name; }
    QString Author() const { return m_author; }
    QString Readme() const { return m_readme; }
    QString Changelog() const { return m_changelog; }

    void SetForms(std::shared_ptr<TLanguageForms> forms) { m_forms = std::move(forms); }
    void SetOnAfterLoad(TAfterLoad handler) { m_onAfterLoad = std::move(handler); }

private:
    bool Open(const QString &fileName);
    void ReadLanguageSection();

    std::shared_ptr<TLanguageForms> m_forms;
    QString m_fileName;
    std::optional<TIniFile> m_ini;
    QString m_loadError;
    QString m_name;
    QString m_author;
    QString m_readme;
    QString m_changelog;
    TAfterLoad m_onAfterLoad;
};
