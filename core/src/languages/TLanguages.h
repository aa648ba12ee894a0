#pragma once

#include "languages/TIniResult.h"
#include "languages/TLanguage.h"
#include "vyra_export.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TLanguageForms;

// The language files of one folder: every file named prefix + ".*" directly
// in it (sorted by name), each a TLanguage that is not loaded yet. One of
// them may be active; making it active loads it.
class VYRA_EXPORT TLanguages
{
public:
    TLanguages(std::shared_ptr<TLanguageForms> forms, const QString &folder, const QString &prefix);

    // The active index, -1 for none.
    int GetLang() const { return m_active; }
    // Activates and loads the language; an index outside the list means none.
    void SetLang(int index);
    // Ignores none; the language gets this list's forms and after-load handler.
    void AddLang(std::unique_ptr<TLanguage> language);
    // Drops every language; none is active afterwards.
    void Clear();
    // Lists the folder again, so files added meanwhile are found; none is
    // active afterwards.
    void Relist();
    TLanguage *GetActiveLanguage() const;
    int Count() const { return int(m_languages.size()); }
    TLanguage *Item(int index) const;

    // Appends each language's name.
    void GetLanguageList(QStringList &strings) const;
    // The names, kept in this list's buffer.
    const QStringList &GetLanguageStringList();
    void SetOnAfterLoad(const TLanguage::TAfterLoad &handler);
    void SetForms(std::shared_ptr<TLanguageForms> forms);
    // Index of the language with this file name, -1 for none. File names are
    // compared exactly, as Linux file names are.
    int GetLanguage(const QString &fileName) const;

    // Writes the texts of every registered form into the file as a template
    // for a new language (the file is created when missing), and the section
    // "Dialogs" with every start-up message; a message the file already
    // gives is kept. A file with damaged lines is first kept as a copy.
    TIniResult SaveToFile(const QString &fileName) const;

    QString Folder() const { return m_folder; }
    QString Prefix() const { return m_prefix; }

private:
    void List();

    std::vector<std::unique_ptr<TLanguage>> m_languages;
    std::shared_ptr<TLanguageForms> m_forms;
    QString m_folder;
    QString m_prefix;
    int m_active = -1;
    TLanguage::TAfterLoad m_onAfterLoad;
    QStringList m_stringList;
};
