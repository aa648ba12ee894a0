#pragma once

#include "firstrun/TFirstRunSetup.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class TTalvexStudioBrowserSettings;
class TVYRACore;

// The wizard shown at the first start: browsers for the preview, file
// associations, the PHP interpreter. The page rules are TFirstRunPages';
// finishing is TFirstRunSetup's.
class TFirstRunDialog : public QDialog
{
    Q_OBJECT

public:
    // browsers: the list the browser search adds to (may be nullptr).
    explicit TFirstRunDialog(TTalvexStudioBrowserSettings *browsers, QWidget *parent = nullptr);

    // Shows the wizard modally; when it is finished, applies the choices
    // (associations, PHP path) and saves the settings. True when finished,
    // false when cancelled. showSettings, when given, tells whether the user
    // asked for the settings dialog to follow.
    static bool Run(TVYRACore &core, QWidget *parent, bool *showSettings = nullptr);

    int CurrentPage() const;
    TFirstRunChoices Choices() const;
    bool ShowSettingsDialog() const;

    // The buttons, for the window and tests.
    QPushButton *BackButton() const { return m_back; }
    QPushButton *NextButton() const { return m_next; }
    QPushButton *SearchButton() const { return m_search; }
    QPlainTextEdit *SearchReport() const { return m_report; }
    QLineEdit *PHPPathEdit() const { return m_phpPath; }
    QCheckBox *NoPHPBox() const { return m_noPHP; }
    QLabel *FooterLabel() const { return m_footer; }
    QLabel *TitleLabel() const { return m_title; }

    // "Weiter >" / "Fertig stellen" and "< Zurück".
    void GoNext();
    void GoBack();
    // Runs the browser search of the browser page.
    void SearchBrowsers();

private:
    void enterPage(int page);
    QWidget *createWelcomePage();
    QWidget *createBrowserPage();
    QWidget *createExtensionPage();
    QWidget *createPHPPage();
    QWidget *createFinishPage();
    void updatePHPHint();

    TTalvexStudioBrowserSettings *m_browsers;
    QStackedWidget *const m_pages;
    QLabel *const m_title;
    QLabel *const m_description;
    QLabel *const m_footer;
    QPushButton *const m_back;
    QPushButton *const m_next;
    QPushButton *const m_cancel;
    QPushButton *m_search = nullptr;
    QPlainTextEdit *m_report = nullptr;
    QCheckBox *m_projectGroups = nullptr;
    QCheckBox *m_templates = nullptr;
    QCheckBox *m_phpFiles = nullptr;
    QLineEdit *m_phpPath = nullptr;
    QLabel *m_phpHint = nullptr;
    QCheckBox *m_noPHP = nullptr;
    QCheckBox *m_showSettings = nullptr;
};
