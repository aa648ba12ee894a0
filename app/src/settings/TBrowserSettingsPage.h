#pragma once

#include "firstrun/TBrowserFinder.h"
#include "settings/TSettingsPage.h"

#include <functional>

class QLineEdit;
class QListWidget;

// "Browser": the browsers of the preview. Entries are edited in a list of
// the page and written to the settings on Apply; "Nach Browsern suchen"
// stores what it finds at once.
class TBrowserSettingsPage : public TSettingsPage
{
    Q_OBJECT
public:
    TBrowserSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

    // "Übernehmen": the fields into the selected entry, or a new one; a path
    // that is no executable file is refused.
    bool TakeFields();
    // "Nach Browsern suchen" in the given folders; returns the report shown.
    QString Search(const QStringList &folders = TBrowserFinder::SearchPath());

    const QList<TFoundBrowser> &Browsers() const { return m_browsers; }
    QLineEdit *NameEdit() const { return m_name; }
    QLineEdit *PathEdit() const { return m_path; }
    QLineEdit *ParametersEdit() const { return m_parameters; }

    // Picks a program for "Hinzufügen..."; replaceable in tests.
    std::function<QString()> ChooseProgram;

private:
    void showList();
    void showSelected();
    void add();
    void remove();
    void writeToSettings();

    QList<TFoundBrowser> m_browsers;
    QListWidget *const m_list;
    QLineEdit *const m_name;
    QLineEdit *const m_path;
    QLineEdit *const m_parameters;
};
