#include "generators/TFileNameChooser.h"

#include "utils/FileUtils.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFileNameChooser::TFileNameChooser(const QString &browseTitle, const QString &filter, QWidget *parent)
    : QWidget(parent)
    , m_title(browseTitle)
    , m_filter(filter)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *row = new QHBoxLayout;
    m_edit = new QLineEdit;
    m_edit->setObjectName(QStringLiteral("edtFileName"));
    auto *browse = new QPushButton(QStringLiteral("..."));
    browse->setObjectName(QStringLiteral("btnBrowse"));
    row->addWidget(m_edit);
    row->addWidget(browse);
    layout->addLayout(row);
    m_mode = new QComboBox;
    m_mode->setObjectName(QStringLiteral("cbFileNameMode"));
    m_mode->addItems({QStringLiteral("Dateinamen- und pfad belassen"), QStringLiteral("Ordnerstruktur für Web übernehmen "),
                      QStringLiteral("Relativen Pfad verwenden"), QStringLiteral("Nur Dateinamen beibehalten")});
    layout->addWidget(m_mode);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString start = m_reference.isEmpty() ? QString() : QFileInfo(m_reference).absolutePath();
        const QString chosen = QFileDialog::getOpenFileName(this, m_title, start, m_filter);
        if (chosen.isEmpty())
            return;
        Choose(chosen);
        emit browsed(chosen);
    });
}

QString TFileNameChooser::FileName() const
{
    return m_edit->text();
}

void TFileNameChooser::SetFileName(const QString &fileName)
{
    m_edit->setText(fileName);
}

void TFileNameChooser::Choose(const QString &chosenFile)
{
    m_edit->setText(ProcessFileName(chosenFile, TFileNameReplaceMode(m_mode->currentIndex()), m_reference));
}
