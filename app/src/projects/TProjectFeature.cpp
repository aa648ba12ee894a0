#include "projects/TProjectFeature.h"

#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "dialogs/TUpgradeFileDialog.h"
#include "documents/TDocumentCommands.h"
#include "documents/TVYRADocument.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "projects/TProjectAssist.h"
#include "projects/TProjectCommands.h"
#include "projects/TProjectTreePanel.h"
#include "projects/TProjectUpgradeHandler.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "ui/TPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

namespace {

// Below this many entries an addition is over before a progress window would show.
constexpr int ProgressThreshold = 50;

// A progress window for a long addition that lets the window repaint and
// answer between entries; "Abbrechen" stops after the current entry.
TProjectFileBatch::TProgress progressWindow(QWidget *parent, int total)
{
    if (total < ProgressThreshold)
        return {};
    auto dialog = std::make_shared<QProgressDialog>(QStringLiteral("Dateien werden hinzugefügt..."),
                                                    QStringLiteral("Abbrechen"), 0, total, parent);
    dialog->setWindowTitle(QStringLiteral("Talvex Studio"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(0);
    auto sincePaint = std::make_shared<QElapsedTimer>();
    sincePaint->start();
    return [dialog, sincePaint](int done, int all, const QString &line) {
        if (!line.isEmpty())
            dialog->setLabelText(line);
        dialog->setMaximum(all);
        dialog->setValue(done);
        if (sincePaint->elapsed() >= 30) {
            QApplication::processEvents();
            sincePaint->restart();
        }
        return !dialog->wasCanceled();
    };
}

} // namespace

TProjectFeature::TProjectFeature(TVYRACore &core, TMainForm &window, TDocumentCommands &documents,
                                 TFileDialogs &dialogs)
    : m_core(core)
    , m_window(window)
    , m_tree(new TProjectTreePanel([](const TVYRAProjectGroupItem *item) { return item->GetDocument(); }))
{
    m_window.AddQuickbarPage(QStringLiteral("tbProjectTree"), QStringLiteral("Projektverwaltung"), m_tree);
    // With project views and commands in place, project-group files open as project groups.
    core.Container()->SetCanOpenProjects(true);
    TProjectCommandsHost host;
    host.selectedGroup = [this] { return m_window.SelectedProjectGroup(); };
    host.selectedItem = [this] { return m_tree->SelectedItem(); };
    host.refresh = [this] {
        m_window.ListsChanged();
        Refresh();
    };
    host.progress = [this](int total) { return progressWindow(&m_window, total); };
    m_commands = std::make_unique<TProjectCommands>(core, documents, dialogs, std::move(host));
    m_window.Registry().Install(*m_commands);
    m_window.Registry().SetHandler(QStringLiteral("FileNewProject"), [this] { RunAssistant(); });
    m_upgrade = std::make_unique<TProjectUpgradeHandler>(
        core.Container()->FileTypeHandlers(),
        [this](const QString &fileName) { return TUpgradeFileDialog::Ask(fileName, &m_window); });

    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &TProjectFeature::Refresh);
    answerCoreEvents();
    hearWindow();
    Refresh();
}

TProjectFeature::~TProjectFeature()
{
    TVYRAProjectEvents &events = m_core.ProjectEvents();
    events.OnProjectItemAdded = nullptr;
    events.OnProjectItemRemoved = nullptr;
    events.OnModified = nullptr;
    events.OnAddingProjectItem = nullptr;
}

void TProjectFeature::SetUpgradeQuestion(std::function<bool(const QString &)> ask)
{
    m_upgrade->SetAsk(std::move(ask));
}

void TProjectFeature::hearWindow()
{
    connect(&m_window, &TMainForm::listsChanged, this, &TProjectFeature::scheduleRefresh);
    auto renew = [this](TVYRADocument *document) {
        if (const TVYRAProjectGroupItem *item = m_core.Container()->ProjectItemOf(document))
            m_tree->UpdateItem(item);
    };
    connect(&m_window, &TMainForm::documentChanged, this, renew);
    connect(&m_window, &TMainForm::documentSaved, this, renew);
    connect(&m_window, &TMainForm::documentOpened, this, &TProjectFeature::scheduleRefresh);
    connect(&m_window, &TMainForm::documentClosing, this, &TProjectFeature::scheduleRefresh);
    connect(m_tree, &TProjectTreePanel::groupSelected, this,
            [this](TVYRAProjectGroupItems *group) { m_window.SelectProjectGroup(group); });
    connect(m_tree, &TProjectTreePanel::fileActivated, this, [this](TVYRAProjectGroupItem *item) {
        item->Open();
        m_window.ListsChanged();
    });
}

void TProjectFeature::answerCoreEvents()
{
    // Set once on the core; every group made afterwards copies them.
    TVYRAProjectEvents &events = m_core.ProjectEvents();
    events.OnAddingProjectItem = [](TVYRAProjectGroupItems *group, TVYRAProjectItemType itemType,
                                    const QString &name, QString &, bool &allowAdd) {
        const QString text = itemType == pitFolder
            ? QStringLiteral("Möchten Sie den Ordner \"%1\" in den Projektordner des Projektes \"%2\" kopieren bzw. "
                             "ihn dort anlegen?")
            : QStringLiteral("Möchten Sie die Datei \"%1\" in den Projektordner des Projektes \"%2\" kopieren?");
        allowAdd = TPrompter::instance().confirm(text.arg(name, group->ProjectName()));
    };
    // Groups keep their copies after this feature has gone: the guard tells.
    QPointer<TProjectFeature> self(this);
    events.OnProjectItemAdded = [self](TVYRAProjectGroupItems *, TVYRAProjectGroupItem *) {
        if (self)
            self->scheduleRefresh();
    };
    events.OnProjectItemRemoved = [self](TVYRAProjectGroupItems *, TVYRAProjectGroupItem *item) {
        if (!self)
            return;
        self->m_tree->ForgetItem(item);
        self->scheduleRefresh();
    };
    events.OnModified = [self](TVYRAProjectGroupItems *, bool) {
        if (self)
            self->scheduleRefresh();
    };
}

void TProjectFeature::scheduleRefresh()
{
    m_refreshTimer.start();
}

void TProjectFeature::Refresh()
{
    m_refreshTimer.stop();
    m_tree->Rebuild(m_core.Container()->ProjectGroups());
}

void TProjectFeature::RunAssistant()
{
    TProjectAssist assist(m_core, &m_window);
    assist.exec();
    if (TVYRAProjectGroupItems *group = assist.CreatedGroup()) {
        m_window.ListsChanged();
        m_window.SelectProjectGroup(group);
        Refresh();
        m_tree->Select(group->Root());
    }
}
