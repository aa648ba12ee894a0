#pragma once

#include "projectmanager/TProjectFileCommands.h"
#include "projectmanager/TToDoCommands.h"

#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class TActionRegistry;
class TProjectFilesPage;
class TToDoActions;
class TToDoListView;
class TVYRAProjectGroupItems;

// The project manager: a window that stays on top of the main window and
// shows one project group on four pages: its properties, the
// synchronisation settings, the file management tree and the ToDo list.
// Name, version and comment are written to the group as they are typed;
// the synchronisation settings when "Übernehmen" or "Ok" is pressed, which
// also save the group. While the pages are filled, the change handlers are
// silent (nothing is marked modified by showing it).
class TProjectManager : public QWidget
{
    Q_OBJECT
public:
    enum TPage { pgProperties = 0, pgSettings = 1, pgFiles = 2, pgToDo = 3 };

    struct THost {
        TProjectFileCommands::THost files;
        TToDoCommands::TEditor toDoEditor;
        // The actions whose shortcuts the ToDo menu takes; may be nullptr.
        const TActionRegistry *registry = nullptr;
        // Whether the group is still open (the manager never uses a closed one).
        std::function<bool(TVYRAProjectGroupItems *)> isOpen;
        std::function<bool(TVYRAProjectGroupItems *)> isDefaultGroup;
        // Saves the group as the main window does; true when it was written.
        std::function<bool(TVYRAProjectGroupItems *)> saveGroup;
    };

    explicit TProjectManager(THost host, QWidget *parent = nullptr);
    ~TProjectManager() override;

    // Binds the group, fills every page, selects the page and shows the window.
    void ShowProjectManager(TVYRAProjectGroupItems *group, TPage page);
    // Fills every page again from the bound group (when it is still open).
    void Refresh();
    TVYRAProjectGroupItems *Group() const;

    // "Übernehmen": stores the synchronisation settings and saves the group;
    // true when the group was saved.
    bool Apply();
    // "Ok": applies when there is something to apply, then closes (stays open when saving failed).
    void Ok();

    bool IsRefreshing() const { return m_refreshing; }
    QTabWidget *Pages() const { return m_pages; }
    QPushButton *ApplyButton() const { return m_apply; }
    QLineEdit *NameEdit() const { return m_name; }
    QLineEdit *VersionEdit() const { return m_version; }
    QPlainTextEdit *CommentEdit() const { return m_comment; }
    QCheckBox *SyncBox() const { return m_syncEnabled; }
    QComboBox *DefaultActionBox() const { return m_defaultAction; }
    QCheckBox *ConfirmBox() const { return m_confirm; }
    QWidget *SyncWarning() const { return m_syncWarning; }
    TProjectFilesPage *FilesPage() const { return m_files; }
    TToDoListView *ToDoView() const { return m_toDo; }
    TToDoActions *ToDoMenu() const { return m_toDoActions; }
    TToDoCommands &ToDoCommands() { return m_toDoCommands; }

signals:
    // The group or its ToDo list changed here: the main window refreshes its views.
    void changed();
    // The window was closed.
    void closed();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *createPropertiesPage();
    QWidget *createSettingsPage();
    QWidget *createToDoPage();
    void fillProperties(TVYRAProjectGroupItems *group);
    void fillSettings(TVYRAProjectGroupItems *group);
    void propertyEdited();
    void settingsEdited();
    void updateSettingsStates();
    void openProjectFolder();
    void somethingChanged();

    THost m_host;
    TVYRAProjectGroupItems *m_group = nullptr;
    bool m_refreshing = false;
    bool m_justFilled = false;
    bool m_syncAvailable = false;
    TToDoCommands m_toDoCommands;
    QTabWidget *const m_pages;
    QPushButton *m_apply = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_version = nullptr;
    QPlainTextEdit *m_comment = nullptr;
    QLabel *m_path = nullptr;
    QCheckBox *m_syncEnabled = nullptr;
    QComboBox *m_defaultAction = nullptr;
    QCheckBox *m_confirm = nullptr;
    QWidget *m_syncWarning = nullptr;
    QStackedWidget *m_syncStack = nullptr;
    TProjectFilesPage *m_files = nullptr;
    TToDoListView *m_toDo = nullptr;
    TToDoActions *m_toDoActions = nullptr;
};
