#pragma once

#include "dialogs/TToDoFileChoices.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class TTalvexStudioProject;
class TTalvexStudioToDoEntry;

// The ToDo entry editor "ToDo-Eintrag bearbeiten...": the file the entry is
// about, the note, the priority and the done flag. OK writes them back into
// the entry; cancelling changes nothing.
class TEditToDoForm : public QDialog
{
    Q_OBJECT
public:
    static const QString NewNote;

    TEditToDoForm(TTalvexStudioProject &project, TTalvexStudioToDoEntry &entry, QWidget *parent = nullptr);

    // Shows the editor for entry; true when it ended with OK.
    static bool Edit(TTalvexStudioProject &project, TTalvexStudioToDoEntry &entry, QWidget *parent = nullptr);
    // A new entry ("Geben Sie hier Ihre Notiz ein.", "Mittel", not done, no
    // file) as the user filled it in; nullptr when cancelled.
    static std::unique_ptr<TTalvexStudioToDoEntry> NewEntry(TTalvexStudioProject &project, QWidget *parent = nullptr);
    // The defaults of a new entry.
    static std::unique_ptr<TTalvexStudioToDoEntry> DefaultEntry();

    QComboBox *FileBox() const { return m_file; }
    QComboBox *PriorityBox() const { return m_priority; }
    QPlainTextEdit *NoteEdit() const { return m_note; }
    QCheckBox *DoneBox() const { return m_done; }

    void accept() override;

private:
    TTalvexStudioProject &m_project;
    TTalvexStudioToDoEntry &m_entry;
    QList<TToDoFileChoices::TChoice> m_choices;
    QComboBox *const m_file;
    QPlainTextEdit *const m_note;
    QComboBox *const m_priority;
    QCheckBox *const m_done;
};
