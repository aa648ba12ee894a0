#include "generators/TStyleSheetDialog.h"
#include "generators/TInsertButtons.h"

#include "generators/TFileNameChooser.h"
#include "generators/THtmlAttribute.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

TStyleSheetDialog::TStyleSheetDialog(const QString &referenceFile, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Talvex Studio - Externes CSS einfügen"));
    setObjectName(QStringLiteral("TStyleSheetDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_file = new TFileNameChooser(QStringLiteral("Css Datei öffnen..."),
                                  QStringLiteral("Cascading Style Sheets (*.css);;Alle Dateien (*)"));
    m_file->SetReferenceFile(referenceFile);
    form->addRow(QStringLiteral("Datei:"), m_file);
    layout->addLayout(form);
    AddInsertButtons(*this, *layout);
}

QString TStyleSheetDialog::FileName() const
{
    return m_file->FileName();
}

QString TStyleSheetDialog::Html(const QString &href)
{
    return QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"%1\" />").arg(THtmlAttribute::Escape(href));
}

std::optional<QString> TStyleSheetDialog::Execute(QWidget *parent, const QString &referenceFile)
{
    TStyleSheetDialog dialog(referenceFile, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Html(dialog.FileName());
}
