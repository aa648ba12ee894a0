#pragma once

#include "dialogs/TSnippetGroupChoice.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// "Code-Snippet hinzufügen...": group, name, text and short text of a new
// snippet; OK adds it to the chosen group and saves the store.
class TAddSnippetForm : public QDialog
{
    Q_OBJECT
public:
    TAddSnippetForm(TSnippets &store, const QString &text, const TSnippetGroup *preselected,
                    QWidget *parent = nullptr);

    QComboBox *Groups() const { return m_groups; }
    QLineEdit *NameEdit() const { return m_name; }
    QPlainTextEdit *TextEdit() const { return m_text; }
    QLineEdit *ShortTextEdit() const { return m_shortText; }

    void accept() override;

private:
    TSnippetGroupChoice m_choice;
    QComboBox *const m_groups;
    QLineEdit *const m_name;
    QPlainTextEdit *const m_text;
    QLineEdit *const m_shortText;
};
