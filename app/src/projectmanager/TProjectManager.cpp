#include "projectmanager/TProjectManager.h"

#include "projectmanager/TProjectFilesPage.h"
#include "projectmanager/TProjectItemLabels.h"
#include "projectmanager/TProjectSyncSettings.h"
#include "projectmanager/TToDoActions.h"
#include "projectmanager/TToDoListView.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "ui/TPrompter.h"
#include "utils/FileUtils.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

namespace {

QLabel *link(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}

// The folder the project lives in: its main folder, else the folder of its file.
QString projectPath(const TVYRAProjectGroupItems &group)
{
    if (!group.MainFolder().isEmpty())
        return group.MainFolder();
    return group.FileName().isEmpty() ? QString() : ExtractFilePath(group.FileName());
}

} // namespace

TProjectManager::TProjectManager(THost host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_host(std::move(host))
    , m_toDoCommands(TPrompter::instance(), m_host.toDoEditor)
    , m_pages(new QTabWidget(this))
{
    setObjectName(QStringLiteral("ProjectManager"));
    m_files = new TProjectFilesPage(m_host.files, m_host.isOpen, this);
    m_pages->addTab(createPropertiesPage(), QStringLiteral("Eigenschaften"));
    m_pages->addTab(createSettingsPage(), QStringLiteral("Synchronisierung"));
    m_pages->addTab(m_files, QStringLiteral("Dateiverwaltung"));
    m_pages->addTab(createToDoPage(), QStringLiteral("ToDo-Liste"));
    connect(m_files, &TProjectFilesPage::changed, this, &TProjectManager::somethingChanged);
    connect(m_files, &TProjectFilesPage::filesShown, this, [this] {
        raise();
        activateWindow();
    });

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    m_apply = buttons->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::ApplyRole);
    m_apply->setEnabled(false);
    connect(ok, &QPushButton::clicked, this, &TProjectManager::Ok);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_apply, &QPushButton::clicked, this, &TProjectManager::Apply);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(buttons);
    resize(760, 520);
    setWindowTitle(TProjectItemLabels::WindowCaption(nullptr));
}

TProjectManager::~TProjectManager() = default;

QWidget *TProjectManager::createPropertiesPage()
{
    auto *page = new QWidget(this);
    m_name = new QLineEdit(page);
    m_name->setPlaceholderText(QStringLiteral("Geben Sie hier den Namen des Projektes ein."));
    m_version = new QLineEdit(page);
    m_version->setPlaceholderText(QStringLiteral("Geben Sie hier die Version des Projektes ein."));
    m_comment = new QPlainTextEdit(page);
    m_path = new QLabel(page);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QLabel *explore = link(QStringLiteral("Projektordner im Windows Explorer öffnen."), page);
    auto *form = new QFormLayout(page);
    form->addRow(QStringLiteral("Name:"), m_name);
    form->addRow(QStringLiteral("Version:"), m_version);
    form->addRow(QStringLiteral("Kommentar:"), m_comment);
    form->addRow(QStringLiteral("Pfad zum Projekt:"), m_path);
    form->addRow(QString(), explore);
    connect(m_name, &QLineEdit::textEdited, this, &TProjectManager::propertyEdited);
    connect(m_version, &QLineEdit::textEdited, this, &TProjectManager::propertyEdited);
    connect(m_comment, &QPlainTextEdit::textChanged, this, &TProjectManager::propertyEdited);
    connect(explore, &QLabel::linkActivated, this, &TProjectManager::openProjectFolder);
    return page;
}

QWidget *TProjectManager::createSettingsPage()
{
    auto *page = new QWidget(this);
    m_syncWarning = new QWidget(page);
    auto *icon = new QLabel(m_syncWarning);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto *warning = new QLabel(
        QStringLiteral("Die Synchronisierung kann nicht aktiviert werden, da es sich bei der Projektgruppe um die "
                       "Standardprojektgruppe handelt oder ein Zugriffsproblem beim Projektordner aufgetreten ist."),
        m_syncWarning);
    warning->setWordWrap(true);
    auto *warningLayout = new QHBoxLayout(m_syncWarning);
    warningLayout->addWidget(icon);
    warningLayout->addWidget(warning, 1);

    auto *options = new QWidget(page);
    m_syncEnabled = new QCheckBox(QStringLiteral("Synchronisierung aktivieren"), options);
    m_defaultAction = new QComboBox(options);
    m_defaultAction->addItems({QStringLiteral("Kopieren"), QStringLiteral("Verschieben")});
    m_confirm = new QCheckBox(
        QStringLiteral("Vor Dateioperation nachfragen, ob diese wirklich ausgeführt werden soll oder nicht."), options);
    auto *optionsLayout = new QFormLayout(options);
    optionsLayout->addRow(m_syncEnabled);
    optionsLayout->addRow(QStringLiteral("Standardaktion beim Datenimport"), m_defaultAction);
    optionsLayout->addRow(m_confirm);

    auto *explanation = new QLabel(
        QStringLiteral("Ist die Synchronisierung aktiviert, hält Talvex Studio den Projektordner auf dem Datenträger "
                       "mit dem Projektbaum gleich: Dateien, die dem Projekt hinzugefügt werden, werden je nach "
                       "Standardaktion in den Projektordner kopiert oder verschoben, und Elemente, die im Baum in "
                       "einen anderen Ordner gezogen werden, werden auch auf dem Datenträger verschoben. Ist sie "
                       "deaktiviert, bleiben alle Änderungen auf die Projektgruppe beschränkt."),
        page);
    explanation->setWordWrap(true);
    m_syncStack = new QStackedWidget(page);
    m_syncStack->addWidget(options);
    m_syncStack->addWidget(explanation);
    QLabel *more = link(QStringLiteral("Mehr Informationen über Synchronisierung ..."), page);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_syncWarning);
    layout->addWidget(m_syncStack);
    layout->addWidget(more);
    layout->addStretch(1);
    connect(more, &QLabel::linkActivated, this,
            [this] { m_syncStack->setCurrentIndex(1 - m_syncStack->currentIndex()); });
    connect(m_syncEnabled, &QCheckBox::toggled, this, &TProjectManager::settingsEdited);
    connect(m_defaultAction, &QComboBox::currentIndexChanged, this, &TProjectManager::settingsEdited);
    connect(m_confirm, &QCheckBox::toggled, this, &TProjectManager::settingsEdited);
    return page;
}

QWidget *TProjectManager::createToDoPage()
{
    m_toDo = new TToDoListView(this);
    m_toDo->SetProjectCheck([this](TTalvexStudioProject *project) { return !m_host.isOpen || m_host.isOpen(project); });
    m_toDoActions = new TToDoActions(*m_toDo, m_toDoCommands, m_host.registry);
    QLabel *options = link(QStringLiteral("Optionen"), m_toDo->HeaderBar());
    options->setObjectName(QStringLiteral("lblToDoOptions"));
    m_toDo->HeaderBar()->layout()->addWidget(options);
    auto popup = [this](const QPoint &globalPos) {
        m_toDoActions->UpdateStates();
        QMenu menu(this);
        m_toDoActions->Fill(menu);
        menu.exec(globalPos);
    };
    connect(options, &QLabel::linkActivated, this,
            [options, popup] { popup(options->mapToGlobal(options->rect().bottomLeft())); });
    connect(m_toDo, &TToDoListView::contextMenuRequested, this, popup);
    connect(m_toDoActions, &TToDoActions::changed, this, &TProjectManager::somethingChanged);
    return m_toDo;
}

TVYRAProjectGroupItems *TProjectManager::Group() const
{
    if (m_group && m_host.isOpen && !m_host.isOpen(m_group))
        return nullptr;
    return m_group;
}

void TProjectManager::ShowProjectManager(TVYRAProjectGroupItems *group, TPage page)
{
    if (group != m_group)
        m_apply->setEnabled(false);
    m_group = group;
    Refresh();
    m_pages->setCurrentIndex(page);
    // Filled just now: the activation that follows need not fill the pages again.
    m_justFilled = !isActiveWindow();
    show();
    raise();
    activateWindow();
}

void TProjectManager::Refresh()
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    TVYRAProjectGroupItems *group = Group();
    if (!group) {
        m_group = nullptr;
        m_apply->setEnabled(false);
    }
    setWindowTitle(TProjectItemLabels::WindowCaption(group));
    fillProperties(group);
    fillSettings(group);
    m_files->Show(group);
    m_toDo->Show(dynamic_cast<TTalvexStudioProject *>(group));
    m_toDoActions->ApplyShortcuts(m_host.registry);
    m_toDoActions->UpdateStates();
    m_refreshing = false;
}

void TProjectManager::fillProperties(TVYRAProjectGroupItems *group)
{
    // Only what differs is set, so that a field being typed in keeps its caret.
    for (auto [field, text] : {std::pair{m_name, group ? group->ProjectName() : QString()},
                               std::pair{m_version, group ? group->Version() : QString()}}) {
        if (field->text() != text)
            field->setText(text);
    }
    if (m_comment->toPlainText() != (group ? group->Comment() : QString()))
        m_comment->setPlainText(group ? group->Comment() : QString());
    m_path->setText(group ? QDir::toNativeSeparators(projectPath(*group)) : QString());
    for (QWidget *field : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_version),
                           static_cast<QWidget *>(m_comment)})
        field->setEnabled(group != nullptr);
}

void TProjectManager::fillSettings(TVYRAProjectGroupItems *group)
{
    const bool isDefault = group && m_host.isDefaultGroup && m_host.isDefaultGroup(group);
    const TProjectSyncSettings settings = group ? TProjectSyncSettings::Read(*group, isDefault) : TProjectSyncSettings();
    m_syncAvailable = settings.available;
    m_syncEnabled->setChecked(settings.enabled);
    m_defaultAction->setCurrentIndex(settings.defaultAction);
    m_confirm->setChecked(settings.confirm);
    updateSettingsStates();
}

void TProjectManager::updateSettingsStates()
{
    m_syncWarning->setVisible(!m_syncAvailable);
    m_syncEnabled->setEnabled(m_syncAvailable);
    m_defaultAction->setEnabled(m_syncAvailable && m_syncEnabled->isChecked());
    m_confirm->setEnabled(m_syncAvailable && m_syncEnabled->isChecked());
}

void TProjectManager::propertyEdited()
{
    TVYRAProjectGroupItems *group = Group();
    if (m_refreshing || !group)
        return;
    group->SetProjectName(m_name->text());
    group->SetVersion(m_version->text());
    group->SetComment(m_comment->toPlainText());
    setWindowTitle(TProjectItemLabels::WindowCaption(group));
    m_apply->setEnabled(true);
    emit changed();
}

void TProjectManager::settingsEdited()
{
    if (m_refreshing)
        return;
    updateSettingsStates();
    m_apply->setEnabled(Group() != nullptr);
}

void TProjectManager::somethingChanged()
{
    TVYRAProjectGroupItems *group = Group();
    if (!group)
        return;
    setWindowTitle(TProjectItemLabels::WindowCaption(group));
    m_files->Header()->setText(TProjectItemLabels::TreeHeader(group));
    m_toDo->Show(dynamic_cast<TTalvexStudioProject *>(group));
    // What changed here is saved with "Übernehmen" as well.
    if (group->Modified())
        m_apply->setEnabled(true);
    emit changed();
}

bool TProjectManager::Apply()
{
    TVYRAProjectGroupItems *group = Group();
    if (!group)
        return false;
    TProjectSyncSettings settings;
    settings.available = m_syncAvailable;
    settings.enabled = m_syncEnabled->isChecked();
    settings.defaultAction = m_defaultAction->currentIndex();
    settings.confirm = m_confirm->isChecked();
    settings.WriteTo(*group);
    const bool saved = m_host.saveGroup && m_host.saveGroup(group);
    if (saved)
        m_apply->setEnabled(false);
    emit changed();
    return saved;
}

void TProjectManager::Ok()
{
    if (m_apply->isEnabled() && !Apply())
        return;
    close();
}

void TProjectManager::openProjectFolder()
{
    TVYRAProjectGroupItems *group = Group();
    const QString path = group ? projectPath(*group) : QString();
    if (path.isEmpty() || !IsDirectory(path)) {
        TPrompter::instance().warning(
            QStringLiteral("Das Verzeichnis des Projektes wurde nicht gefunden. Möglicherweise ist es noch nicht "
                           "vorhanden, weil das Projekt noch nicht gespeichert oder der Ordner verschoben oder "
                           "entfernt wurde."),
            QStringLiteral("Verzeichnis nicht gefunden"));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        TPrompter::instance().error(QStringLiteral("Der Ordner \"%1\" konnte nicht im Dateimanager geöffnet werden.")
                                        .arg(QDir::toNativeSeparators(path)));
}

bool TProjectManager::event(QEvent *event)
{
    // Coming back to the window shows what changed meanwhile in the main window.
    if (event->type() == QEvent::WindowActivate && isVisible() && !std::exchange(m_justFilled, false))
        Refresh();
    return QWidget::event(event);
}

void TProjectManager::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}
