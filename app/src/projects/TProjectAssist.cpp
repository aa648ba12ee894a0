#include "projects/TProjectAssist.h"

#include "framework/TVYRACore.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "ui/TPrompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int ColumnFolder = 0;
constexpr int ColumnRecursive = 1;
constexpr int ColumnDelete = 2;

QLabel *wrapped(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    QLabel *label = wrapped(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    label->setFont(font);
    return label;
}

QString defaultPicker(QWidget *parent)
{
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Ordner zum Importieren auswählen"));
}

void setChecked(QTreeWidgetItem *row, int column, bool on)
{
    row->setCheckState(column, on ? Qt::Checked : Qt::Unchecked);
}

} // namespace

TProjectAssist::TProjectAssist(TVYRACore &core, QWidget *parent)
    : QDialog(parent)
    , m_core(core)
    , m_creator(core)
    , m_pickFolder(defaultPicker)
{
    setObjectName(QStringLiteral("ProjectAssist"));
    setWindowTitle(QStringLiteral("Talvex Studio - Neues Projekt erstellen"));
    resize(560, 420);
    buildPages();
    showStep(stWelcome);
}

TProjectAssist::~TProjectAssist() = default;

void TProjectAssist::buildPages()
{
    auto *layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(welcomePage());
    m_pages->addWidget(foldersPage());
    m_pages->addWidget(namePage());
    m_pages->addWidget(importPage());
    m_pages->addWidget(donePage());
    layout->addWidget(m_pages, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_back = new QPushButton(QStringLiteral("< Zurück"), this);
    m_back->setObjectName(QStringLiteral("btnBack"));
    m_next = new QPushButton(QStringLiteral("Weiter >"), this);
    m_next->setObjectName(QStringLiteral("btnNext"));
    m_next->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    connect(m_back, &QPushButton::clicked, this, &TProjectAssist::back);
    connect(m_next, &QPushButton::clicked, this, &TProjectAssist::next);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget *TProjectAssist::welcomePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral(" Willkommen"), page));
    layout->addWidget(wrapped(
        QStringLiteral("Willkommen beim Talvex Studio-Assistenten zum Erstellen eines neues Projektes. Dieser "
                       "Assistent wird Sie beim Anlegen eines neues Projektes unterstützen. Wählen Sie nun, welchen "
                       "Projekttyp Sie verwenden wollen."),
        page));
    m_standard = new QRadioButton(QStringLiteral("Neues Projekt erstellen (Standard)"), page);
    m_standard->setObjectName(QStringLiteral("rbStandard"));
    m_import = new QRadioButton(QStringLiteral("Aus Ordner importieren"), page);
    m_import->setObjectName(QStringLiteral("rbImport"));
    layout->addWidget(m_standard);
    layout->addWidget(m_import);
    layout->addStretch(1);
    return page;
}

QWidget *TProjectAssist::foldersPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("Ordner zum Importieren wählen"), page));
    m_folders = new QTreeWidget(page);
    m_folders->setObjectName(QStringLiteral("lvFolders"));
    m_folders->setHeaderLabels({QStringLiteral("Ordner"), QStringLiteral("Unterordner"),
                                QStringLiteral("Quelldateien löschen")});
    m_folders->setRootIsDecorated(false);
    m_folders->header()->setSectionResizeMode(ColumnFolder, QHeaderView::Stretch);
    m_folders->header()->setStretchLastSection(false);
    layout->addWidget(m_folders, 1);
    auto *buttons = new QHBoxLayout;
    const std::pair<const char *, QString> names[] = {{"btnAddFolder", QStringLiteral("Hinzufügen...")},
                                                      {"btnChangeFolder", QStringLiteral("Ändern...")},
                                                      {"btnRemoveFolder", QStringLiteral("Entfernen")}};
    QList<QPushButton *> made;
    for (const auto &[name, caption] : names) {
        auto *button = new QPushButton(caption, page);
        button->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(button);
        made.append(button);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(made[0], &QPushButton::clicked, this, &TProjectAssist::addFolder);
    connect(made[1], &QPushButton::clicked, this, &TProjectAssist::changeFolder);
    connect(made[2], &QPushButton::clicked, this, &TProjectAssist::removeFolder);
    return page;
}

QWidget *TProjectAssist::namePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("Projektnamen wählen"), page));
    layout->addWidget(new QLabel(QStringLiteral("Projektname:"), page));
    m_name = new QLineEdit(QStringLiteral("Neues Projekt"), page);
    m_name->setObjectName(QStringLiteral("edName"));
    layout->addWidget(m_name);
    layout->addWidget(new QLabel(QStringLiteral("Speicherpfad:"), page));
    auto *pathRow = new QHBoxLayout;
    m_path = new QLineEdit(m_creator.DefaultSavePath(m_name->text()), page);
    m_path->setObjectName(QStringLiteral("edPath"));
    auto *browse = new QPushButton(QStringLiteral("..."), page);
    browse->setObjectName(QStringLiteral("btnBrowse"));
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(browse);
    layout->addLayout(pathRow);
    m_autoFolder = new QCheckBox(QStringLiteral("Projektordner automatisch anlegen"), page);
    m_autoFolder->setObjectName(QStringLiteral("cbAutoFolder"));
    m_autoFolder->setChecked(true);
    layout->addWidget(m_autoFolder);
    layout->addStretch(1);
    connect(m_name, &QLineEdit::textEdited, this, &TProjectAssist::nameEdited);
    connect(m_autoFolder, &QCheckBox::toggled, this, &TProjectAssist::nameEdited);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Speicherpfad wählen"),
                                                                 m_path->text());
        if (!folder.isEmpty()) {
            m_autoFolder->setChecked(false);
            m_path->setText(folder);
        }
    });
    return page;
}

QWidget *TProjectAssist::importPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("Import läuft"), page));
    m_progressLine = wrapped(QString(), page);
    m_progressLine->setObjectName(QStringLiteral("lblProgress"));
    m_progress = new QProgressBar(page);
    m_progress->setObjectName(QStringLiteral("pbImport"));
    layout->addWidget(m_progressLine);
    layout->addWidget(m_progress);
    layout->addStretch(1);
    return page;
}

QWidget *TProjectAssist::donePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("Projekt angelegt"), page));
    layout->addWidget(wrapped(QStringLiteral("Das gewünschte Projekte wurde ordnungsgemäß angelegt und der Assistent "
                                             "kann beendet werden."),
                              page));
    layout->addStretch(1);
    return page;
}

void TProjectAssist::showStep(TStep step)
{
    m_step = step;
    m_pages->setCurrentIndex(int(step));
    m_back->setEnabled(step != stWelcome && step != stImport && step != stDone);
    m_next->setEnabled(step != stImport);
    m_cancel->setEnabled(step != stImport && step != stDone);
    switch (step) {
    case stName:
        m_next->setText(QStringLiteral("Erstellen..."));
        m_name->setFocus();
        break;
    case stDone:
        m_next->setText(QStringLiteral("Fertig stellen"));
        break;
    default:
        m_next->setText(QStringLiteral("Weiter >"));
        break;
    }
}

void TProjectAssist::reject()
{
    if (!importing())
        QDialog::reject();
}

void TProjectAssist::nameEdited()
{
    if (m_autoFolder->isChecked())
        m_path->setText(QDir::toNativeSeparators(m_creator.DefaultSavePath(m_name->text())));
}

void TProjectAssist::next()
{
    switch (m_step) {
    case stWelcome:
        if (!m_standard->isChecked() && !m_import->isChecked()) {
            TPrompter::instance().warning(QStringLiteral("Bitte wählen Sie einen Projekttyp aus."));
            return;
        }
        showStep(m_import->isChecked() ? stFolders : stName);
        return;
    case stFolders:
        if (m_folders->topLevelItemCount() == 0) {
            TPrompter::instance().warning(QStringLiteral("Bitte fügen Sie mindestens einen Ordner hinzu, dessen "
                                                         "Inhalt importiert werden soll."));
            return;
        }
        showStep(stName);
        return;
    case stName: {
        // On any failure the creator has said why and nothing is left behind: the step stays.
        m_created = m_creator.Create({m_name->text(), m_path->text()});
        if (!m_created)
            return;
        if (m_import->isChecked())
            runImport();
        showStep(stDone);
        return;
    }
    case stDone:
        accept();
        return;
    case stImport:
        return;
    }
}

void TProjectAssist::back()
{
    if (m_step == stFolders)
        showStep(stWelcome);
    else if (m_step == stName)
        showStep(m_import->isChecked() ? stFolders : stWelcome);
}

QList<TImportFolder> TProjectAssist::ImportFolders() const
{
    QList<TImportFolder> folders;
    for (int i = 0; i < m_folders->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = m_folders->topLevelItem(i);
        folders.append({QDir::fromNativeSeparators(row->text(ColumnFolder)),
                        row->checkState(ColumnRecursive) == Qt::Checked,
                        row->checkState(ColumnDelete) == Qt::Checked});
    }
    return folders;
}

void TProjectAssist::addFolder()
{
    const QString folder = m_pickFolder ? m_pickFolder(this) : QString();
    if (folder.isEmpty())
        return;
    auto *row = new QTreeWidgetItem(m_folders);
    row->setText(ColumnFolder, QDir::toNativeSeparators(folder));
    const bool recursive = TPrompter::instance().question(
                               QStringLiteral("Möchten Sie alle Unterordner und dessen Dateien in den Import mit "
                                              "einbeziehen?"),
                               TPromptButton::Yes | TPromptButton::No, QStringLiteral("Unterverzeichnisse"))
        == TPromptButton::Yes;
    setChecked(row, ColumnRecursive, recursive);
    setChecked(row, ColumnDelete, false);
    m_folders->setCurrentItem(row);
}

void TProjectAssist::changeFolder()
{
    QTreeWidgetItem *row = m_folders->currentItem();
    if (!row)
        return;
    const QString folder = m_pickFolder ? m_pickFolder(this) : QString();
    if (!folder.isEmpty())
        row->setText(ColumnFolder, QDir::toNativeSeparators(folder));
}

void TProjectAssist::removeFolder()
{
    delete m_folders->currentItem();
}

void TProjectAssist::runImport()
{
    showStep(stImport);
    m_progress->setValue(0);
    QElapsedTimer sincePaint;
    sincePaint.start();
    // The disk work runs between turns of the event loop: the window repaints
    // and stays movable, while its buttons are off until the import is done.
    TProjectFileBatch batch(*m_created, m_created->Root(), [&](int done, int total, const QString &line) {
        if (!line.isEmpty())
            m_progressLine->setText(line);
        m_progress->setMaximum(qMax(total, 1));
        m_progress->setValue(done);
        if (sincePaint.elapsed() >= 30) {
            QApplication::processEvents();
            sincePaint.restart();
        }
        return true;
    });
    batch.ImportFolders(ImportFolders());
    m_progress->setValue(m_progress->maximum());
    const TDocumentResult saved = m_created->Save();
    QStringList errors = batch.Errors();
    if (!saved)
        errors.append(saved.errorText);
    if (!errors.isEmpty()) {
        const int shown = qMin(int(errors.size()), 10);
        QString text = QStringLiteral("Beim Import in das Projekt \"%1\" konnten %2 Einträge nicht übernommen werden:"
                                      "\r\n\r\n")
                           .arg(m_created->ProjectName())
                           .arg(errors.size());
        text += errors.mid(0, shown).join(QStringLiteral("\r\n"));
        if (errors.size() > shown)
            text += QStringLiteral("\r\n...");
        TPrompter::instance().error(text);
    }
}
