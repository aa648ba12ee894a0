#include "dialogs/TAddSnippetForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TAddSnippetForm::TAddSnippetForm(TSnippets &store, const QString &text, const TSnippetGroup *preselected,
                                 QWidget *parent)
    : QDialog(parent), m_choice(store), m_groups(new QComboBox(this)), m_name(new QLineEdit(this)),
      m_text(new QPlainTextEdit(this)), m_shortText(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Code-Snippet hinzufügen..."));
    resize(520, 440);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Kategorie:"), this));
    m_groups->setObjectName(QStringLiteral("cbCategory"));
    for (const TSnippetGroupChoice::TEntry &entry : m_choice.Entries())
        m_groups->addItem(entry.caption);
    m_groups->setCurrentIndex(m_choice.IndexOf(preselected));
    layout->addWidget(m_groups);
    layout->addWidget(new QLabel(QStringLiteral("Name:"), this));
    m_name->setObjectName(QStringLiteral("edName"));
    m_name->setText(QStringLiteral("Neues Code-Snippet"));
    layout->addWidget(m_name);
    layout->addWidget(new QLabel(QStringLiteral("Text:"), this));
    m_text->setObjectName(QStringLiteral("edText"));
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(text);
    layout->addWidget(m_text, 1);
    layout->addWidget(new QLabel(QStringLiteral("( %cursor% für Cursorposition nach Einfügen )"), this));
    layout->addWidget(new QLabel(QStringLiteral("Kurztext für Templatesystem (Leer lassen für kein):"), this));
    m_shortText->setObjectName(QStringLiteral("edShortText"));
    layout->addWidget(m_shortText);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TAddSnippetForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TAddSnippetForm::accept()
{
    // A failed save was reported; the dialog stays open with what was typed.
    if (m_choice.AddSnippet(m_groups->currentIndex(), m_name->text(), m_text->toPlainText(), m_shortText->text()))
        QDialog::accept();
}
