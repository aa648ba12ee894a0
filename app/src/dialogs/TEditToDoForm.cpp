#include "dialogs/TEditToDoForm.h"

#include "mainwindow/TFileIcons.h"
#include "projectmanager/TToDoTexts.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TTalvexStudioToDoEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

const QString TEditToDoForm::NewNote = QStringLiteral("Geben Sie hier Ihre Notiz ein.");

TEditToDoForm::TEditToDoForm(TTalvexStudioProject &project, TTalvexStudioToDoEntry &entry, QWidget *parent)
    : QDialog(parent)
    , m_project(project)
    , m_entry(entry)
    , m_choices(TToDoFileChoices::Build(project))
    , m_file(new QComboBox(this))
    , m_note(new QPlainTextEdit(this))
    , m_priority(new QComboBox(this))
    , m_done(new QCheckBox(QStringLiteral("Eintrag erledigt?"), this))
{
    setWindowTitle(QStringLiteral("ToDo-Eintrag bearbeiten..."));
    const int selected = TToDoFileChoices::Select(m_choices, project, entry.AssociatedFile());
    for (int i = 0; i < m_choices.size(); ++i) {
        const TToDoFileChoices::TChoice &choice = m_choices.at(i);
        m_file->addItem(i == 0 ? QIcon() : TFileIcons::ForFile(choice.fileName), choice.text);
    }
    m_file->setCurrentIndex(selected);
    m_note->setPlainText(entry.Note());
    m_priority->addItems(TToDoTexts::PriorityNames());
    m_priority->setCurrentIndex(entry.Priority());
    m_done->setChecked(entry.IsDone());

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Betrifft Datei:"), m_file);
    form->addRow(QStringLiteral("Notiz:"), m_note);
    form->addRow(QStringLiteral("Priorität:"), m_priority);
    form->addRow(QString(), m_done);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void TEditToDoForm::accept()
{
    const int file = m_file->currentIndex();
    // An entry whose file no item has any more keeps its identity while that entry stays chosen.
    m_entry.SetAssociatedFile(file > 0 && file < m_choices.size() ? m_choices.at(file).id : QUuid());
    m_entry.SetNote(m_note->toPlainText());
    m_entry.SetPriority(TTalvexStudioToDoPriority(qBound(0, m_priority->currentIndex(), int(tdpHighest))));
    m_entry.SetIsDone(m_done->isChecked());
    QDialog::accept();
}

bool TEditToDoForm::Edit(TTalvexStudioProject &project, TTalvexStudioToDoEntry &entry, QWidget *parent)
{
    TEditToDoForm form(project, entry, parent);
    return form.exec() == QDialog::Accepted;
}

std::unique_ptr<TTalvexStudioToDoEntry> TEditToDoForm::DefaultEntry()
{
    auto entry = std::make_unique<TTalvexStudioToDoEntry>();
    entry->SetNote(NewNote);
    entry->SetPriority(tdpMedium);
    entry->SetIsDone(false);
    entry->SetAssociatedFile(QUuid());
    return entry;
}

std::unique_ptr<TTalvexStudioToDoEntry> TEditToDoForm::NewEntry(TTalvexStudioProject &project, QWidget *parent)
{
    std::unique_ptr<TTalvexStudioToDoEntry> entry = DefaultEntry();
    if (!Edit(project, *entry, parent))
        return nullptr;
    return entry;
}
