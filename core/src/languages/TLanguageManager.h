#pragma once

#include "languages/TDialogType.h"
#include "languages/TLanguages.h"
#include "vyra_export.h"

#include <QString>
#include <memory>

class QWidget;
class TLanguage;
class TLanguageForms;

// The language of the process. It lists the language files of a folder,
// picks the one a small XML file names ("<language><langid>eng</langid>
// </language>" picks folder/prefix + ".eng") and falls back to the German
// language built into the library. Made and used on the GUI thread.
//
// The first manager made is the process's instance until it is destroyed.
// CreateInstance makes one that lives until FreeInstance or the end of the
// process; a second call returns the existing one.
class VYRA_EXPORT TLanguageManager
{
public:
    // Where the program keeps its language files and its choice.
    static QString DefaultFolderName() { return QStringLiteral("Languages"); }
    static QString DefaultPrefix() { return QStringLiteral("Lang"); }
    static QString DefaultSettingsFileName() { return QStringLiteral("language.xml"); }

    TLanguageManager(std::shared_ptr<TLanguageForms> forms, const QString &settingsFile, const QString &folder,
                     const QString &prefix);
    ~TLanguageManager();
    TLanguageManager(const TLanguageManager &) = delete;
    TLanguageManager &operator=(const TLanguageManager &) = delete;

    static TLanguageManager *CreateInstance(std::shared_ptr<TLanguageForms> forms, const QString &settingsFile,
                                            const QString &folder, const QString &prefix);
    static TLanguageManager *Instance();
    // Destroys the manager CreateInstance made.
    static void FreeInstance();

    // Chooses and loads the language the settings file names; the built-in
    // language when the file, its id or the language file is missing or
    // cannot be read. Never raises.
    void LoadFromFile(const QString &settingsFile);

    TLanguages &Languages() { return m_languages; }
    const TLanguages &Languages() const { return m_languages; }
    TLanguage *ActiveLanguage() const { return m_active; }
    QString LangId() const { return m_langId; }
    QString SettingsFile() const { return m_settingsFile; }

    // Translates a form made after the language was loaded (a dialog on its
    // creation) when a manager exists and has an active language.
    static void TranslateNewForm(QWidget *form);
    // The start-up message of the active language; the built-in German one
    // when there is no manager or the active language lacks it.
    static QString GetDialog(TDialogType type);

private:
    static QString ReadLangId(const QString &settingsFile);
    void UseBuiltIn();

    TLanguages m_languages;
    QString m_settingsFile;
    QString m_langId;
    TLanguage *m_active = nullptr;
};
