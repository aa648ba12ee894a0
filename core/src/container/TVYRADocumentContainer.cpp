#include "container/TVYRADocumentContainer.h"

#include "container/TVYRADocumentEditorLink.h"
#include "container/TVYRADocumentSaver.h"
#include "ciphers/TCustomCipher.h"
#include "documents/ECipherNotInstalled.h"
#include "documents/TPasswordVerifier.h"
#include "documents/TVYRADocument.h"
#include "documents/TVYRATemplate.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "facade/TVYRAEditor.h"
#include "filetypes/TVYRAExtensions.h"
#include "framework/TVYRACore.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"
#include "settings/TVYRASettings.h"
#include "utils/FileUtils.h"
#include "utils/VersionInfo.h"
#include "utils/VYRAExceptions.h"
#include "utils/WildCards.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QSet>
#include <QTextEdit>
#include <QVBoxLayout>
#include <vector>

namespace {

const QString kDocumentVersion = QStringLiteral("0.98");
const QString kDefaultGroupName = QStringLiteral("Unbenanntes Projekt");
// Marks a control's viewport with the document it shows.
constexpr const char *kDocumentProperty = "vyraDocument";

QString lowerSuffix(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower();
}

bool sameFileName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// 0x00BBGGRR; a system colour (high bit) leaves the control's own.
QColor colorOf(TColor color)
{
    if (color < 0)
        return {};
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

} // namespace

// Sets a busy flag for a scope and puts the previous state back.
class TVYRADocumentContainer::TBusy
{
public:
    TBusy(TVYRADocumentContainer *container, TVYRABusyFlag flag)
        : m_container(container)
        , m_previous(container->m_busy)
    {
        m_container->m_busy |= flag;
    }
    ~TBusy() { m_container->m_busy = m_previous; }
    TBusy(const TBusy &) = delete;
    TBusy &operator=(const TBusy &) = delete;

private:
    TVYRADocumentContainer *m_container;
    TVYRABusyState m_previous;
};

// One run of OpenDocumentEx.
struct TVYRADocumentContainer::TOpenRun {
    QString fileName;
    TVYRAProjectGroupItems *project = nullptr;
    TVYRAFileOpenFlags flags;
    TVYRALoadResult result = lrGenericError;
    QString type;
    int index = -1;
    // The document this run made; only this one may be closed on failure.
    TVYRADocument *created = nullptr;
    bool projectWasModified = false;
    bool fileInProject = false;
    bool reopened = false;
    // What a failed open puts back into a document it reused but did not make.
    struct {
        QString fileName;
        bool fileExists = false;
        bool modified = false;
        std::shared_ptr<TCustomCipher> cipher;
        QString password;
        QString sourceExtension;
    } before;
};

TVYRADocumentContainer::TVYRADocumentContainer(TVYRACore *core, QWidget *ownerComponent)
    : m_core(core)
    , m_ownerComponent(ownerComponent)
    , m_documents(this)
{
    m_editorTypes = core->EditorTypes();
    m_fixEditorMode = m_editorTypes != TVYRAEditorTypes::etBoth;
    if (m_fixEditorMode && GetSettings() && GetSettings()->DefaultEditor())
        GetSettings()->DefaultEditor()->EditorMode = m_editorTypes == TVYRAEditorTypes::etCodeEditor;
    m_environment = {core->Highlighters(), core->Extensions(), core->UserDataDir(), core->HighlighterDir(),
                     core->UserHighlighterDir(), nullptr};
    if (TVYRAProjectGroupList *groups = ProjectGroups())
        groups->SetDocuments(&m_documents);
}

TVYRADocumentContainer::~TVYRADocumentContainer()
{
    if (TVYRAProjectGroupList *groups = ProjectGroups(); groups && groups->Documents() == &m_documents)
        groups->SetDocuments(nullptr);
    // The documents go with the list; their entries in the groups stay for the groups to free.
    for (int i = 0; i < m_documents.Count(); ++i) {
        TVYRADocumentList::TEntry *entry = m_documents.Entry(i);
        entry->item = nullptr;
        delete entry->code.data();
        delete entry->rich.data();
    }
}

TVYRAProjectGroupList *TVYRADocumentContainer::ProjectGroups() const
{
    return m_core ? m_core->ProjectGroups() : nullptr;
}

TVYRASettings *TVYRADocumentContainer::GetSettings() const
{
    return m_core ? m_core->Settings() : nullptr;
}

// ---------------------------------------------------------------------------
// Events

bool TVYRADocumentContainer::RaiseEvent(QObject *sender, TVYRAEvent event, const QString &fileName,
                                        const QString &detail)
{
    if (!m_events.OnEvent)
        return true;
    bool canContinue = false;
    m_events.OnEvent({sender, EventTypeOf(event), event, fileName, detail}, canContinue);
    return canContinue;
}

void TVYRADocumentContainer::Changed(TVYRADocument *document)
{
    const TVYRADocumentList::TEntry *entry = m_documents.EntryOf(document);
    if (!entry || entry->quiet > 0 || (entry->code && entry->code->isLoading()))
        return;
    document->SetModified(true);
    if (m_events.OnChange)
        m_events.OnChange(document);
    if (m_onChangeIntf)
        m_onChangeIntf(document);
}

void TVYRADocumentContainer::HighlighterChanged(TVYRADocument *document)
{
    if (m_core)
        m_core->HighlighterChangedHandlers().CallAllHandlers(document);
}

// ---------------------------------------------------------------------------
// Creating documents

// The first number from 0 up that no living control of the kind carries.
QString TVYRADocumentContainer::controlName(const QString &pattern, std::set<int> &used)
{
    int number = 0;
    for (int taken : used) {
        if (taken != number)
            break;
        ++number;
    }
    used.insert(number);
    return pattern.arg(number);
}

void TVYRADocumentContainer::releaseControlName(const QWidget *control, qsizetype prefixLength, std::set<int> &used)
{
    bool ok = false;
    const int number = control->objectName().mid(prefixLength).toInt(&ok);
    if (ok)
        used.erase(number);
}

// "Dokument%d" with the first number from 1 up that no open document has as its name.
QString TVYRADocumentContainer::newDocumentName() const
{
    static const QString prefix = QStringLiteral("Dokument");
    std::vector<bool> taken(size_t(m_documents.Count()) + 2, false);
    for (int i = 0; i < m_documents.Count(); ++i) {
        const QString name = m_documents.Items(i)->GetFileName();
        if (!name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        bool ok = false;
        const int number = QStringView(name).mid(prefix.size()).toInt(&ok);
        if (ok && number > 0 && size_t(number) < taken.size()
            && name.compare(prefix + QString::number(number), Qt::CaseInsensitive) == 0)
            taken[size_t(number)] = true;
    }
    int number = 1;
    while (taken[size_t(number)])
        ++number;
    return prefix + QString::number(number);
}

void TVYRADocumentContainer::placeInParent(QWidget *control, QWidget *parent) const
{
    control->setParent(parent);
    // Client-aligned: the control fills its window.
    QLayout *layout = parent->layout();
    if (!layout) {
        layout = new QVBoxLayout(parent);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(control);
}

TRichEditor *TVYRADocumentContainer::createRichEditor(QWidget *parent)
{
    auto *rich = new TRichEditor;
    rich->setObjectName(controlName(QStringLiteral("RichEdit%1"), m_richNumbers));
    placeInParent(rich, parent);
    rich->setToolTip(m_helpText);
    rich->setFont(GetDefaultDocumentFont(0));
    rich->textEdit()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rich->textEdit()->setLineWrapMode(QTextEdit::WidgetWidth);
    rich->setPlainText(false);
    return rich;
}

TCodeEditor *TVYRADocumentContainer::createCodeEditor(QWidget *parent)
{
    auto *code = new TCodeEditor;
    code->setObjectName(controlName(QStringLiteral("SynEdit%1"), m_codeNumbers));
    placeInParent(code, parent);
    code->setToolTip(m_helpText);
    code->setGutterAutoSize(false);
    code->setGutterLeftOffset(0);
    code->setGutterDigits(5);
    code->setMaxScrollWidth(10240);
    code->setOptions(code->options() & ~eoGroupUndo);
    code->setWordWrap(false);
    return code;
}

// Drag and drop over a control's viewport goes to OnDragOver / OnDragDrop
// when they are set; otherwise the control handles it itself.
void TVYRADocumentContainer::watchDrops(QWidget *viewport, TVYRADocument *document)
{
    viewport->setProperty(kDocumentProperty, QVariant::fromValue<QObject *>(document));
    viewport->setAcceptDrops(true);
    viewport->installEventFilter(this);
}

bool TVYRADocumentContainer::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *document = qobject_cast<TVYRADocument *>(watched->property(kDocumentProperty).value<QObject *>());
    if (!document || m_documents.IndexOf(document) < 0)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QPoint position = drop->position().toPoint();
    if (type == QEvent::Drop) {
        if (!m_events.OnDragDrop)
            return false;
        m_events.OnDragDrop(document, drop->source(), position);
        drop->acceptProposedAction();
        return true;
    }
    if (!m_events.OnDragOver)
        return false;
    bool allowDrop = false;
    m_events.OnDragOver(document, drop->source(), position, allowDrop);
    if (allowDrop)
        drop->acceptProposedAction();
    else
        drop->ignore();
    return true;
}

void TVYRADocumentContainer::wireControls(TVYRADocumentList::TEntry &entry)
{
    TVYRADocument *document = entry.document.get();
    if (entry.code) {
        if (auto *area = entry.code->findChild<QAbstractScrollArea *>())
            watchDrops(area->viewport(), document);
    }
    if (entry.rich)
        watchDrops(entry.rich->textEdit()->viewport(), document);
    if (entry.code) {
        TCodeEditor *code = entry.code;
        connect(code, &TCodeEditor::textChanged, document, [this, document] { Changed(document); });
        connect(code, &TCodeEditor::statusChanged, document, [this, document](unsigned changes) {
            if (m_events.OnSynEdit_StatusChange)
                m_events.OnSynEdit_StatusChange(document, changes);
        });
        connect(code, &TCodeEditor::loadFinished, document, [this, document](bool ok, const QString &error) {
            finishCodeLoad(document, ok, error);
        });
        if (m_textPopUp) {
            code->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(code, &QWidget::customContextMenuRequested, code, [this, code](const QPoint &pos) {
                if (m_textPopUp)
                    m_textPopUp->popup(code->mapToGlobal(pos));
            });
        }
    }
    if (entry.rich) {
        TRichEditor *rich = entry.rich;
        if (m_textPopUp) {
            rich->textEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(rich->textEdit(), &QWidget::customContextMenuRequested, rich, [this, rich](const QPoint &pos) {
                if (m_textPopUp)
                    m_textPopUp->popup(rich->textEdit()->mapToGlobal(pos));
            });
        }
        connect(rich, &TRichEditor::textChanged, document, [this, document] { Changed(document); });
        connect(rich, &TRichEditor::selectionChanged, document, [this, document] {
            if (m_events.OnRichEdit_SelectionChange)
                m_events.OnRichEdit_SelectionChange(document);
        });
        connect(rich, &TRichEditor::linkClicked, document, [this, document](const QString &url) {
            if (m_events.OnRichEdit_URLClick)
                m_events.OnRichEdit_URLClick(document, url);
        });
    }
}

TVYRAProjectGroupItem *TVYRADocumentContainer::addProjectItem(TVYRAProjectGroupItems *group, const QString &fileName)
{
    if (!group)
        return nullptr;
    const int index = group->AddItem(QFileInfo(fileName).fileName(), fileName, pitFile, nullptr, true);
    return index >= 0 ? group->Root()->GetItems(index) : nullptr;
}

void TVYRADocumentContainer::showMode(TVYRADocumentList::TEntry &entry, bool codeEditor)
{
    const bool code = codeEditor && entry.code;
    entry.document->SetEditorMode(code || !entry.rich);
    if (entry.code)
        entry.code->setVisible(entry.document->EditorMode());
    if (entry.rich)
        entry.rich->setVisible(!entry.document->EditorMode());
}

int TVYRADocumentContainer::NewDocument(TVYRAProjectGroupItems *project)
{
    return NewDocument(nullptr, project, m_documents.Count());
}

int TVYRADocumentContainer::NewDocument(QWidget *parent, TVYRAProjectGroupItems *project, int index)
{
    if (!parent && m_events.OnNewDocumentRequest)
        m_events.OnNewDocumentRequest(parent);
    if (!parent)
        return -1;
    if (index < 0 || index > m_documents.Count())
        index = m_documents.Count();
    if (!project)
        project = GetDefaultGroup();
    TVYRASettings *settings = GetSettings();
    TVYRADocumentList::TEntry entry;
    try {
        if (IsRichEditorAvailable())
            entry.rich = createRichEditor(parent);
        if (IsCodeEditorAvailable())
            entry.code = createCodeEditor(parent);
        const QString name = newDocumentName();
        const TVYRADocumentFactory &factory = m_core->DocumentClass();
        entry.document = factory ? factory(name, kDocumentVersion, settings, m_core->Ciphers(), parent, false)
                                 : nullptr;
        if (!entry.document)
            entry.document = std::make_unique<TVYRADocument>(name, kDocumentVersion, settings, m_core->Ciphers(),
                                                             parent, false);
        entry.project = project;
        entry.item = addProjectItem(project, name);
        entry.link = std::make_unique<TVYRADocumentEditorLink>(this, entry.document.get());
        const bool codeMode = m_editorTypes == TVYRAEditorTypes::etCodeEditor
            || (settings && settings->DefaultEditor() && settings->DefaultEditor()->EditorMode);
        showMode(entry, codeMode);
        const bool rtf = settings && settings->DefaultEditor() && settings->DefaultEditor()->RTFMode;
        entry.document->SetPlainText(!rtf);
        if (entry.rich)
            entry.rich->setPlainText(!rtf);
        wireControls(entry);
    } catch (const std::exception &) {
        releaseItem(entry);
        if (entry.code)
            releaseControlName(entry.code, 7, m_codeNumbers);
        if (entry.rich)
            releaseControlName(entry.rich, 8, m_richNumbers);
        delete entry.code.data();
        delete entry.rich.data();
        return -1;
    }
    TVYRADocument *document = entry.document.get();
    index = m_documents.Insert(index, std::move(entry));
    try {
        ApplyEditorSettingsToDocument(index);
        applyDefaultHighlighter(index);
        TVYRADocumentList::TEntry *inserted = m_documents.Entry(index);
        if (inserted->code)
            inserted->code->setModified(false);
        if (inserted->rich)
            inserted->rich->setModified(false);
        document->SetModified(false);
    } catch (const std::exception &) {
        CloseDocument(index, fcoRemoveAlways, false);
        return -1;
    }
    if (m_events.OnNewDocumentCreated)
        m_events.OnNewDocumentCreated(document);
    return index;
}

void TVYRADocumentContainer::applyDefaultHighlighter(int index)
{
    TVYRASettings *settings = GetSettings();
    if (!IsCodeEditorAvailable() || !m_environment.highlighters || !settings || !settings->DefaultEditor())
        return;
    const QString name = settings->DefaultEditor()->DefaultHighlighter;
    TVYRADocumentList::TEntry *entry = m_documents.Entry(index);
    ++entry->quiet;
    GetEditor(index)->ApplyHighlighter(name.isEmpty() ? m_environment.highlighters->DefaultHighlighter()->ShortName()
                                                      : name);
    --entry->quiet;
}

// ---------------------------------------------------------------------------
// Editor settings

void TVYRADocumentContainer::ApplyEditorSettingsToDocument(int index)
{
    TCodeEditor *code = GetSynEdit(index);
    TVYRASettings *settings = GetSettings();
    if (!code || !settings || !settings->Editor())
        return;
    const TVYRAEditorSettings &editor = *settings->Editor();
    if (const TVYRADefaultEditorSettings *defaults = settings->DefaultEditor();
        defaults && !defaults->CodeEditorDefaultFont.isEmpty())
        code->setEditorFont(GetDefaultDocumentFont(-1));
    code->setGutterVisible(editor.SynLineNumbering);
    code->setActiveLineColor(editor.SynMarkActiveLine || editor.SynActiveLineColor ? colorOf(editor.SynActiveLineColor)
                                                                                  : QColor());
    unsigned options = code->options() & ~(eoKeepCaretX | eoTabsToSpaces);
    if (editor.SynKeepCaretX)
        options |= eoKeepCaretX;
    if (editor.SynTabsToSpaces)
        options |= eoTabsToSpaces;
    code->setOptions(options);
    if (editor.SynLineForeColor || editor.SynLineBackColor)
        code->setSelectionColors(colorOf(editor.SynLineForeColor), colorOf(editor.SynLineBackColor));
    if (editor.SynTabWidth > 0)
        code->setTabWidth(editor.SynTabWidth);
    code->update();
}

void TVYRADocumentContainer::ApplyEditorSettingsToDocuments()
{
    for (int i = 0; i < m_documents.Count(); ++i)
        ApplyEditorSettingsToDocument(i);
}

void TVYRADocumentContainer::HandleSettingsSave(QObject *)
{
    ApplyEditorSettingsToDocuments();
}

QFont TVYRADocumentContainer::GetDefaultDocumentFont(int mode) const
{
    const TVYRASettings *settings = GetSettings();
    const TVYRADefaultEditorSettings *defaults = settings ? settings->DefaultEditor() : nullptr;
    QFont font;
    if (!defaults)
        return font;
    const QString name = mode == -1 ? defaults->CodeEditorDefaultFont : defaults->RichEditorDefaultFont;
    const int size = mode == -1 ? defaults->CodeEditorDefaultFontSize : defaults->RichEditorDefaultFontSize;
    if (!name.isEmpty())
        font.setFamily(name);
    if (size > 0)
        font.setPointSize(size);
    if (mode == -1)
        font.setStyleHint(QFont::Monospace);
    return font;
}

void TVYRADocumentContainer::SetHelpText(const QString &text)
{
    m_helpText = text;
    for (int i = 0; i < m_documents.Count(); ++i) {
        if (TCodeEditor *code = GetSynEdit(i))
            code->setToolTip(text);
        if (TRichEditor *rich = GetRichEdit(i))
            rich->setToolTip(text);
    }
}

void TVYRADocumentContainer::SetFixEditorMode(bool on)
{
    if (m_editorTypes == TVYRAEditorTypes::etBoth)
        m_fixEditorMode = on;
}

// ---------------------------------------------------------------------------
// Queries

TVYRADocument *TVYRADocumentContainer::GetActiveDocument() const
{
    return m_documents.Items(GetActiveDocumentIndex());
}

int TVYRADocumentContainer::GetActiveDocumentIndex() const
{
    int index = -1;
    if (m_events.OnGetActiveDocumentIndex)
        m_events.OnGetActiveDocumentIndex(index);
    return index;
}

TVYRAProjectGroupItems *TVYRADocumentContainer::GetActiveProject() const
{
    TVYRAProjectGroupList *groups = ProjectGroups();
    const int index = GetActiveProjectIndex();
    return groups && index >= 0 && index < groups->Count() ? groups->Items(index) : nullptr;
}

int TVYRADocumentContainer::GetActiveProjectIndex() const
{
    int index = -1;
    if (m_events.OnGetActiveProjectIndex)
        m_events.OnGetActiveProjectIndex(index);
    return index;
}

int TVYRADocumentContainer::FindFile(const QString &fileName, const TVYRAProjectGroupItems *project) const
{
    for (int i = 0; i < m_documents.Count(); ++i) {
        if (m_documents.Entry(i)->project == project && sameFileName(m_documents.Items(i)->GetFileName(), fileName))
            return i;
    }
    return -1;
}

bool TVYRADocumentContainer::IsFileOpen(const QString &fileName, bool onlyExisting) const
{
    for (int i = 0; i < m_documents.Count(); ++i) {
        const TVYRADocument *document = m_documents.Items(i);
        if (sameFileName(document->GetFileName(), fileName) && (!onlyExisting || document->GetFileExists()))
            return true;
    }
    return false;
}

bool TVYRADocumentContainer::IsFileOpen(const QString &fileName, const TVYRAProjectGroupItems *project,
                                        bool onlyExisting) const
{
    for (int i = 0; i < m_documents.Count(); ++i) {
        const TVYRADocument *document = m_documents.Items(i);
        if (m_documents.Entry(i)->project == project && sameFileName(document->GetFileName(), fileName)
            && (!onlyExisting || document->GetFileExists()))
            return true;
    }
    return false;
}

bool TVYRADocumentContainer::IsFileSupported(const QString &fileName) const
{
    const TVYRAExtensions *extensions = m_core ? m_core->Extensions() : nullptr;
    return extensions && extensions->FindExtensionForFile(fileName) != nullptr;
}

std::unique_ptr<TVYRAEditor> TVYRADocumentContainer::GetEditor(int index)
{
    TVYRADocumentList::TEntry *entry = m_documents.Entry(index);
    if (!entry)
        return nullptr;
    return std::make_unique<TVYRAEditor>(entry->link.get(), m_environment);
}

TRichEditor *TVYRADocumentContainer::GetRichEdit(int index) const
{
    const TVYRADocumentList::TEntry *entry = m_documents.Entry(index);
    return entry ? entry->rich.data() : nullptr;
}

TCodeEditor *TVYRADocumentContainer::GetSynEdit(int index) const
{
    const TVYRADocumentList::TEntry *entry = m_documents.Entry(index);
    return entry ? entry->code.data() : nullptr;
}

bool TVYRADocumentContainer::ActivateDocument(int index)
{
    if (!IsIndexValid(index) || index == GetActiveDocumentIndex() || !m_events.OnRequestDocumentShowing)
        return false;
    m_events.OnRequestDocumentShowing(m_documents.Items(index));
    return true;
}

bool TVYRADocumentContainer::ActivateDocument(TVYRADocument *document)
{
    return document && ActivateDocument(m_documents.IndexOf(document));
}

// ---------------------------------------------------------------------------
// Project entries of documents

void TVYRADocumentContainer::renameDocument(TVYRADocument *document, const QString &fileName)
{
    document->SetFileName(fileName);
    TVYRAProjectGroupItem *item = m_documents.ItemOf(document);
    if (!item)
        return;
    item->SetName(QFileInfo(fileName).fileName());
    item->SetPhysFile(fileName);
}

void TVYRADocumentContainer::releaseItem(TVYRADocumentList::TEntry &entry)
{
    TVYRAProjectGroupItem *item = entry.item;
    entry.item = nullptr;
    if (item && item->Parent())
        TVYRAProjectGroupItem::Destroy(item->RemoveOwnEntry());
}

void TVYRADocumentContainer::moveToProject(int index, TVYRAProjectGroupItems *project)
{
    TVYRADocumentList::TEntry *entry = m_documents.Entry(index);
    if (!entry || !project || entry->project == project)
        return;
    if (entry->item)
        entry->item->SetOwner(project);
    else
        entry->item = addProjectItem(project, entry->document->GetFileName());
    entry->project = project;
}

// ---------------------------------------------------------------------------
// Project groups

TVYRAProjectGroupItems *TVYRADocumentContainer::CreateDefaultProjectGroup()
{
    TVYRAProjectGroupList *groups = ProjectGroups();
    if (!groups)
        return nullptr;
    const auto &factory = m_core->ProjectGroupClass();
    std::unique_ptr<TVYRAProjectGroupItems> group = factory(groups, QString(), false, false);
    group->SetSyncFileMode(sfmDontSynrchronize);
    group->SetProjectName(kDefaultGroupName);
    group->SetModified(false);
    m_defaultGroup = group.get();
    groups->Add(std::move(group));
    return m_defaultGroup;
}

TVYRAProjectGroupItems *TVYRADocumentContainer::GetDefaultGroup()
{
    if (!m_defaultGroup || DefaultGroupIndex() < 0)
        return CreateDefaultProjectGroup();
    return m_defaultGroup;
}

int TVYRADocumentContainer::DefaultGroupIndex() const
{
    const TVYRAProjectGroupList *groups = ProjectGroups();
    return m_defaultGroup && groups ? groups->IndexOf(m_defaultGroup) : -1;
}

void TVYRADocumentContainer::HandleProjectSave(TVYRAProjectGroupItems *group)
{
    if (group && group == m_defaultGroup)
        m_defaultGroup = nullptr;
}

int TVYRADocumentContainer::FindProject(const QString &fileName) const
{
    const TVYRAProjectGroupList *groups = ProjectGroups();
    for (int i = 0; groups && i < groups->Count(); ++i) {
        if (!groups->Items(i)->FileName().isEmpty() && sameFileName(groups->Items(i)->FileName(), fileName))
            return i;
    }
    return -1;
}

int TVYRADocumentContainer::NewProject(const QString &fileName, const QString &name)
{
    TVYRAProjectGroupList *groups = ProjectGroups();
    if (!groups || !QFileInfo(fileName).isFile())
        return -1;
    std::unique_ptr<TVYRAProjectGroupItems> group = m_core->ProjectGroupClass()(groups, fileName, true, false);
    group->SetProjectName(name);
    if (const TDocumentResult saved = group->Save(); !saved) {
        RaiseEvent(this, evFileAccessError, fileName, saved.errorText);
        return -1;
    }
    const int index = groups->Add(std::move(group));
    RaiseEvent(this, evNewProjectCreated, fileName);
    return index;
}

void TVYRADocumentContainer::CloseProject(int index)
{
    TVYRAProjectGroupList *groups = ProjectGroups();
    if (!groups || index < 0 || index >= groups->Count())
        return;
    TVYRAProjectGroupItems *group = groups->Items(index);
    // From the end, so the documents of other groups between them keep their places.
    for (int i = m_documents.Count() - 1; i >= 0; --i) {
        if (i < m_documents.Count() && m_documents.Entry(i)->project == group)
            CloseDocument(i, fcoRemoveIfDefault);
    }
    if (m_events.OnProjectClosing)
        m_events.OnProjectClosing(group);
    if (group == m_defaultGroup)
        m_defaultGroup = nullptr;
    groups->Delete(groups->IndexOf(group));
    if (m_events.OnProjectClosed)
        m_events.OnProjectClosed(this);
}

// ---------------------------------------------------------------------------
// Closing

void TVYRADocumentContainer::CloseDocument(int index)
{
    const TVYRASettings *settings = GetSettings();
    CloseDocument(index, settings && settings->Behavior() ? settings->Behavior()->FileCloseOptions
                                                          : fcoRemoveIfDefault);
}

void TVYRADocumentContainer::CloseDocument(int index, TFileCloseOption option, bool autoChangeIndex)
{
    if (!IsIndexValid(index))
        return;
    TBusy busy(this, bsClosing);
    TVYRADocumentList::TEntry *entry = m_documents.Entry(index);
    TVYRADocument *document = entry->document.get();
    // The controls may be the sender of what led here: they go from the event loop.
    for (QWidget *control : {static_cast<QWidget *>(entry->code.data()), static_cast<QWidget *>(entry->rich.data())}) {
        if (!control)
            continue;
        releaseControlName(control, control == entry->code ? 7 : 8,
                           control == entry->code ? m_codeNumbers : m_richNumbers);
        control->disconnect(document);
        control->hide();
        control->deleteLater();
    }
    if (entry->code)
        entry->code->setHighlighter(nullptr);
    entry->code = nullptr;
    entry->rich = nullptr;
    if (m_events.OnDocumentClosing)
        m_events.OnDocumentClosing(document, option, autoChangeIndex);
    // The handler may have changed the list.
    index = m_documents.IndexOf(document);
    if (index < 0)
        return;
    entry = m_documents.Entry(index);
    if (option == fcoRemoveAlways || (option == fcoRemoveIfDefault && entry->project && entry->project == m_defaultGroup))
        releaseItem(*entry);
    entry->item = nullptr;
    TVYRADocumentList::TEntry taken = m_documents.Take(index);
    taken.link.reset();
    taken.document.reset();
    if (m_events.OnDocumentClosed)
        m_events.OnDocumentClosed(this);
    if (m_core)
        m_core->RunEvent(peDocumentClosed);
}

bool TVYRADocumentContainer::CloseAllDocuments()
{
    while (m_documents.Count() > 0) {
        const int before = m_documents.Count();
        CloseDocument(before - 1);
        if (m_documents.Count() >= before)
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Exchanging and editor modes

bool TVYRADocumentContainer::ExchangeDocument(int index1, int index2)
{
    if (!IsIndexValid(index1) || !IsIndexValid(index2) || index1 == index2)
        return false;
    TVYRADocumentList::TEntry *a = m_documents.Entry(index1);
    TVYRADocumentList::TEntry *b = m_documents.Entry(index2);
    if (a->project != b->project)
        return false;
    // The windows stay where they are; the documents and their controls change places.
    QWidget *parentA = a->document->Parent();
    QWidget *parentB = b->document->Parent();
    for (QWidget *control : {static_cast<QWidget *>(a->code.data()), static_cast<QWidget *>(a->rich.data())}) {
        if (control && parentB)
            placeInParent(control, parentB);
    }
    for (QWidget *control : {static_cast<QWidget *>(b->code.data()), static_cast<QWidget *>(b->rich.data())}) {
        if (control && parentA)
            placeInParent(control, parentA);
    }
    a->document->SetParent(parentB);
    b->document->SetParent(parentA);
    showMode(*a, a->document->EditorMode());
    showMode(*b, b->document->EditorMode());
    m_documents.Exchange(index1, index2);
    if (m_events.OnDocumentExchanged)
        m_events.OnDocumentExchanged(this, index1, index2);
    return true;
}

void TVYRADocumentContainer::SetEditorMode(int index, bool codeEditor)
{
    TVYRADocumentList::TEntry *entry = m_documents.Entry(index);
    if (!entry || !entry->code || !entry->rich || entry->document->EditorMode() == codeEditor)
        return;
    TVYRADocument *document = entry->document.get();
    if (m_fixEditorMode) {
        // The editor a file type asks for while it opens is a wish, not the user's command.
        if (!m_busy.testFlag(bsOpening))
            RaiseEvent(document, evMayNotChangeEditorMode, document->GetFileName());
        return;
    }
    TBusy busy(this, bsEditorModeChange);
    TCodeEditor *code = entry->code;
    TRichEditor *rich = entry->rich;
    ++entry->quiet;
    // Exact comparison: an edit that only changes case is an edit. The rich
    // editor keeps paragraphs, so the code editor's text is compared in its form.
    const QString codeText = TLineBreaks::Convert(code->text(), TLineBreak::lbLF);
    const QString richText = rich->text();
    if (codeText != richText) {
        if (codeEditor) {
            code->setFileFormat(rich->plainFormat());
            code->setText(TLineBreaks::Convert(richText, rich->plainLineBreak()));
            code->setLineBreak(rich->plainLineBreak());
        } else {
            rich->setText(codeText);
        }
    }
    if (codeEditor)
        code->setFileFormat(rich->plainFormat());
    else
        rich->setPlainFormat(code->fileFormat(), code->lineBreak());
    --entry->quiet;
    showMode(*entry, codeEditor);
    if (codeEditor && m_events.OnSynEdit_StatusChange)
        m_events.OnSynEdit_StatusChange(document, scCaret | scSelection | scModified);
    if (!codeEditor && m_events.OnRichEdit_SelectionChange)
        m_events.OnRichEdit_SelectionChange(document);
    RaiseEvent(document, evEditorModeChanged, document->GetFileName());
}

bool TVYRADocumentContainer::IncludeFile(int index, const QString &fileName)
{
    if (!IsIndexValid(index) || !QFileInfo(fileName).isFile())
        return false;
    TTextFile file;
    if (const TDocumentResult loaded = TTextFile::Load(fileName, file); !loaded) {
        RaiseEvent(m_documents.Items(index), evFileAccessError, fileName, loaded.errorText);
        return false;
    }
    GetEditor(index)->InsertText(file.text, true);
    return true;
}

// ---------------------------------------------------------------------------
// Plug-in interface

bool TVYRADocumentContainer::INewFile()
{
    const int index = NewDocument(nullptr, nullptr, m_documents.Count());
    if (index < 0)
        return false;
    if (m_events.OnDocumentLoaded)
        m_events.OnDocumentLoaded(m_documents.Items(index), lrSuccess, QString());
    return true;
}

bool TVYRADocumentContainer::OpenFile(const QString &fileName)
{
    return OpenFileEx(fileName, m_documents.Count());
}

bool TVYRADocumentContainer::OpenFileEx(const QString &fileName, int index)
{
    return OpenDocumentEx(nullptr, fileName, nullptr, index) == lrSuccess;
}

bool TVYRADocumentContainer::ICloseFile(int index)
{
    if (!IsIndexValid(index))
        return false;
    CloseDocument(index);
    return true;
}

bool TVYRADocumentContainer::ISaveFile(int index, bool withName)
{
    TVYRADocument *document = m_documents.Items(index);
    if (!document)
        return false;
    if (!withName || !m_events.OnGetSaveFileName)
        return SaveDocument(index);
    QString fileName = document->GetFileName();
    m_events.OnGetSaveFileName(document, fileName);
    // An empty name is the user's cancel.
    if (fileName.trimmed().isEmpty())
        return false;
    return SaveDocument(index, fileName);
}

bool TVYRADocumentContainer::ISaveActiveFile()
{
    return ISaveFile(GetActiveDocumentIndex(), false);
}

bool TVYRADocumentContainer::ICloseActiveFile()
{
    return ICloseFile(GetActiveDocumentIndex());
}

// ---------------------------------------------------------------------------
// Opening

TVYRALoadResult TVYRADocumentContainer::OpenDocument(const QString &fileName, TVYRAProjectGroupItems *project)
{
    return OpenDocumentEx(nullptr, fileName, project, m_documents.Count());
}

void TVYRADocumentContainer::reportLoaded(TOpenRun &run)
{
    if (m_events.OnDocumentLoaded)
        m_events.OnDocumentLoaded(m_documents.Items(run.index), run.result, run.type);
    if (m_core)
        m_core->RunEvent(peDocumentLoaded);
}

TVYRALoadResult TVYRADocumentContainer::OpenDocumentEx(QWidget *parent, const QString &fileName,
                                                       TVYRAProjectGroupItems *project, int index,
                                                       TVYRAFileOpenFlags flags)
{
    TBusy busy(this, bsOpening);
    TOpenRun run;
    run.fileName = fileName;
    run.flags = flags;
    const QFileInfo info(fileName);
    bool locked = false;
    if (info.exists() && (info.isDir() || !CanOpenFile(fileName, locked))) {
        RaiseEvent(this, evFileAccessError, fileName,
                   info.isDir() ? QStringLiteral("Es ist ein Ordner.") : QString());
        run.result = lrAbort;
        reportLoaded(run);
        return run.result;
    }
    if (!flags.testFlag(fofIgnoreFileTypeHandlers) && hasFileTypeHandler(fileName)) {
        run.result = lrUserCancel;
        if (m_fileTypeHandlers.Handle(this, fileName)) {
            reportLoaded(run);
            return run.result;
        }
    }
    if (!IsFileSupported(fileName) && !RaiseEvent(this, evFileNotSupported, fileName))
        return lrUserCancel;
    const TVYRASettings *settings = GetSettings();
    run.type = TVYRADataFile::GetFileType(fileName, settings && settings->Advanced()
                                                        && settings->Advanced()->AutoDetectFileType);
    if (!run.type.isEmpty() && run.type == TVYRAFileTypeRecognizers::get(ftProject)) {
        if (IsProjectOpen(fileName)) {
            RaiseEvent(this, evProjectAlreadyOpen, fileName);
            run.result = lrAbort;
        } else {
            run.result = openProjectGroup(fileName);
        }
        reportLoaded(run);
        return run.result;
    }
    // Without a project group the file goes into the default group.
    run.project = project ? project : GetDefaultGroup();
    if (!run.project) {
        reportLoaded(run);
        return run.result;
    }
    run.projectWasModified = run.project->Modified();
    run.fileInProject = findListedItem(run.project, fileName) != nullptr;

    // A file that is already open in the group is shown again, or left alone.
    const int open = openIndexOf(fileName, run.project);
    if (open >= 0) {
        if (!RaiseEvent(m_documents.Items(open), evFileAlreadyOpen, fileName)) {
            run.result = lrUserCancel;
            run.index = open;
            reportLoaded(run);
            return run.result;
        }
        run.reopened = true;
        if (run.type == TVYRAFileTypeRecognizers::get(ftTemplate))
            run.flags |= fofEditTemplate;
        if (m_core)
            m_core->RunEvent(peDocumentReopened);
    }
    // Checked before a document is made or renamed, so a refusal changes nothing.
    if (!info.isFile() && !(RaiseEvent(this, evFileNotFound, fileName) && QFileInfo(fileName).isFile())) {
        run.result = lrUserCancel;
        return run.result;
    }
    run.index = run.reopened ? open : targetDocument(run, parent, index);
    if (run.index < 0) {
        run.result = lrGenericError;
        return run.result;
    }
    TVYRADocumentList::TEntry *entry = m_documents.Entry(run.index);
    const TVYRADocument *target = entry->document.get();
    run.before = {target->GetFileName(), target->GetFileExists(), target->GetModified(), target->GetCipher(),
                  target->GetPassword(), target->SourceExtension()};
    moveToProject(run.index, run.project);
    adoptListedItem(*entry, run);
    renameDocument(entry->document.get(), fileName);
    entry->document->SetFileExists(true);
    if (IsCodeEditorAvailable()) {
        ++entry->quiet;
        GetEditor(run.index)->ApplyHighlighterByFile(fileName);
        --entry->quiet;
    }
    entry->document->UpdateFileDate();
    run.result = loadByType(run);
    if (run.result != lrSuccess && run.created) {
        closeCreated(run);
        run.index = -1;
    } else if (run.result != lrSuccess && !run.reopened) {
        restoreReused(run);
    }
    // Opening a file the group already lists leaves the group as it was.
    if ((run.fileInProject || run.result != lrSuccess) && !run.reopened)
        run.project->SetModified(run.projectWasModified);
    reportLoaded(run);
    return run.result;
}

bool TVYRADocumentContainer::hasFileTypeHandler(const QString &fileName) const
{
    const QString name = QFileInfo(fileName).fileName();
    for (int i = 0; i < m_fileTypeHandlers.Count(); ++i) {
        if (MatchesFileMask(m_fileTypeHandlers.Items(i).Mask, name))
            return true;
    }
    return false;
}

int TVYRADocumentContainer::openIndexOf(const QString &fileName, const TVYRAProjectGroupItems *project) const
{
    for (int i = 0; i < m_documents.Count(); ++i) {
        const TVYRADocument *document = m_documents.Items(i);
        if (m_documents.Entry(i)->project == project && document->GetFileExists()
            && sameFileName(document->GetFileName(), fileName))
            return i;
    }
    return -1;
}

TVYRAProjectGroupItem *TVYRADocumentContainer::findListedItem(const TVYRAProjectGroupItems *project,
                                                              const QString &fileName) const
{
    TVYRAProjectGroupItem *item = project ? project->FindFile(fileName) : nullptr;
    return item && item->ItemType() == pitFile ? item : nullptr;
}

// The project's own entry for the file replaces the one the document brought,
// unless another document shows it or a template is opened for a new document.
void TVYRADocumentContainer::adoptListedItem(TVYRADocumentList::TEntry &entry, const TOpenRun &run)
{
    TVYRAProjectGroupItem *listed = findListedItem(run.project, run.fileName);
    const bool newFromTemplate =
        run.type == TVYRAFileTypeRecognizers::get(ftTemplate) && !run.flags.testFlag(fofEditTemplate);
    if (!listed || listed == entry.item || newFromTemplate || m_documents.DocumentOfItem(listed))
        return;
    releaseItem(entry);
    entry.item = listed;
}

int TVYRADocumentContainer::targetDocument(TOpenRun &run, QWidget *parent, int index)
{
    const int target = m_mdiSupported ? std::clamp(index, 0, m_documents.Count()) : 0;
    QWidget *found = IsIndexValid(target) ? m_documents.Items(target)->Parent() : nullptr;
    if (IsIndexValid(target) && found)
        return target;
    const int created = NewDocument(parent ? parent : found, run.project, target);
    if (created >= 0)
        run.created = m_documents.Items(created);
    return created;
}

// The user's document that a failed open was to replace stays as it was.
void TVYRADocumentContainer::restoreReused(TOpenRun &run)
{
    TVYRADocument *document = m_documents.Items(run.index);
    if (!document)
        return;
    renameDocument(document, run.before.fileName);
    document->SetFileExists(run.before.fileExists);
    document->AssignCipher(run.before.cipher);
    document->SetPassword(run.before.password);
    document->SetSourceExtension(run.before.sourceExtension);
    document->SetModified(run.before.modified);
    document->UpdateFileDate();
}

void TVYRADocumentContainer::closeCreated(TOpenRun &run)
{
    const int index = m_documents.IndexOf(run.created);
    run.created = nullptr;
    if (index >= 0)
        CloseDocument(index, fcoRemoveAlways, true);
}

TVYRALoadResult TVYRADocumentContainer::openProjectGroup(const QString &fileName)
{
    TVYRAProjectGroupList *groups = ProjectGroups();
    if (!m_canOpenProjects) {
        RaiseEvent(this, evMayNotOpenProjectGroup, fileName);
        return lrAbort;
    }
    if (!groups)
        return lrGenericError;
    try {
        groups->Add(m_core->ProjectGroupClass()(groups, fileName, true, true));
    } catch (const EVYRAException &error) {
        RaiseEvent(this, evInvalidFileFormat, fileName, error.message());
        return lrAbort;
    }
    return lrSuccess;
}

TVYRALoadResult TVYRADocumentContainer::loadByType(TOpenRun &run)
{
    if (run.type == TVYRAFileTypeRecognizers::get(ftDocument) && !run.type.isEmpty())
        return loadStored(run.index, run.fileName);
    if (run.type == TVYRAFileTypeRecognizers::get(ftTemplate) && !run.type.isEmpty())
        return loadTemplate(run);
    return loadText(run.index, run.fileName);
}

TVYRALoadResult TVYRADocumentContainer::loadText(int index, const QString &fileName)
{
    TVYRADocumentList::TEntry *entry = m_documents.Entry(index);
    TVYRADocument *document = entry->document.get();
    const QString suffix = lowerSuffix(fileName);
    document->SetPlainText(suffix != QLatin1String("rtf") && suffix != QLatin1String("doc"));
    ++entry->quiet;
    TEditorResult loaded;
    if (document->EditorMode() && entry->code) {
        // The rest of a large file follows from the event loop (finishCodeLoad).
        entry->loading = true;
        loaded = entry->code->openFile(fileName);
        entry = m_documents.EntryOf(document);
        if (!loaded && entry && entry->loading) {
            entry->loading = false;
            --entry->quiet;
        }
    } else if (entry->rich) {
        entry->rich->setPlainText(document->PlainText());
        loaded = entry->rich->loadFromFile(fileName);
        if (loaded) {
            document->SetUncText(entry->rich->text());
            entry->rich->setModified(false);
        }
        --entry->quiet;
    }
    if (!loaded) {
        RaiseEvent(document, evFileAccessError, fileName, loaded.errorText);
        return lrGenericError;
    }
    document->UpdateFileDate();
    document->SetModified(false);
    return lrSuccess;
}

void TVYRADocumentContainer::finishCodeLoad(TVYRADocument *document, bool ok, const QString &errorText)
{
    TVYRADocumentList::TEntry *entry = m_documents.EntryOf(document);
    if (!entry || !entry->loading)
        return;
    entry->loading = false;
    --entry->quiet;
    if (entry->code)
        entry->code->setModified(false);
    document->SetModified(false);
    if (!ok)
        RaiseEvent(document, evFileAccessError, document->GetFileName(), errorText);
}

TVYRALoadResult TVYRADocumentContainer::loadStored(int index, const QString &fileName)
{
    TVYRADocument *document = m_documents.Items(index);
    QString checksum;
    try {
        document->LoadFromFile(fileName, checksum);
    } catch (const ECipherNotInstalled &error) {
        // Its text would show as cipher text and be saved so: refuse instead.
        RaiseEvent(document, evGenericError, fileName, error.message());
        return lrAbort;
    } catch (const EVYRAException &) {
        return loadText(index, fileName);
    }
    const auto askPassword = [this](TVYRADocument &doc) -> std::optional<QString> {
        std::optional<QString> password = QString();
        if (m_events.OnPasswordRequired)
            m_events.OnPasswordRequired(&doc, password);
        // The document works with the key of the typed password.
        if (!password || password->isEmpty())
            return password;
        return TPasswordVerifier::KeyOf(*password);
    };
    const auto continueBadFile = [this, &fileName](TVYRADocument &doc) {
        return RaiseEvent(&doc, evBadFile, fileName);
    };
    const TOpenResult prepared = document->PrepareStored(askPassword, continueBadFile);
    switch (prepared.outcome) {
    case TOpenOutcome::Success:
        break;
    case TOpenOutcome::WrongPassword:
        RaiseEvent(document, evWrongPassword, fileName, prepared.errorText);
        return lrAbort;
    case TOpenOutcome::Cancelled:
    case TOpenOutcome::BadFile:
        return lrUserCancel;
    case TOpenOutcome::Failed:
        RaiseEvent(document, evGenericError, fileName, prepared.errorText);
        return lrGenericError;
    }
    startDecipher(index);
    return lrSuccess;
}

// The editor stays read-only and empty until the worker has deciphered the text.
void TVYRADocumentContainer::startDecipher(int index)
{
    TVYRADocumentList::TEntry *entry = m_documents.Entry(index);
    TVYRADocument *document = entry->document.get();
    setEditorsReadOnly(*entry, true);
    ++entry->quiet;
    entry->deciphering = true;
    const bool started = document->PerformAction(faDeCrypt, [this](TVYRADataFile &file, const TDocumentResult &result) {
        auto *doc = static_cast<TVYRADocument *>(&file);
        if (TVYRADocumentList::TEntry *done = m_documents.EntryOf(doc))
            showDeciphered(*done, result);
    });
    if (!started)
        showDeciphered(*entry, document->DeCrypt());
}

void TVYRADocumentContainer::setEditorsReadOnly(TVYRADocumentList::TEntry &entry, bool readOnly)
{
    if (entry.code)
        entry.code->setReadOnly(readOnly);
    if (entry.rich)
        entry.rich->textEdit()->setReadOnly(readOnly);
}

void TVYRADocumentContainer::showDeciphered(TVYRADocumentList::TEntry &entry, const TDocumentResult &result)
{
    if (!entry.deciphering)
        return;
    entry.deciphering = false;
    TVYRADocument *document = entry.document.get();
    if (result) {
        if (document->EditorMode() && entry.code)
            entry.code->setText(document->UncryptedText());
        else if (entry.rich)
            entry.rich->setText(document->UncryptedText());
        if (entry.code)
            entry.code->setModified(false);
        if (entry.rich)
            entry.rich->setModified(false);
        setEditorsReadOnly(entry, false);
    } else {
        // Nothing readable to edit: the document stays read-only.
        RaiseEvent(document, evGenericError, document->GetFileName(), result.errorText);
    }
    --entry.quiet;
    document->SetModified(false);
    ThreadDone(document);
}

void TVYRADocumentContainer::ThreadDone(TVYRADocument *document)
{
    const int index = m_documents.IndexOf(document);
    if (index < 0)
        return;
    const QString extension = document->SourceExtension();
    const QString fileName = document->GetFileName();
    if (!extension.isEmpty() && IsCodeEditorAvailable()
        && extension.compare(QLatin1Char('.') + QFileInfo(fileName).suffix(), Qt::CaseInsensitive) != 0) {
        TVYRADocumentList::TEntry *entry = m_documents.Entry(index);
        ++entry->quiet;
        GetEditor(index)->ApplyHighlighterByFile(QFileInfo(fileName).completeBaseName() + extension);
        --entry->quiet;
    }
    if (m_events.OnThreadDone)
        m_events.OnThreadDone(document);
}

TVYRALoadResult TVYRADocumentContainer::loadTemplate(TOpenRun &run)
{
    TBusy busy(this, bsClosing);
    TVYRADocumentList::TEntry *entry = m_documents.Entry(run.index);
    TVYRADocument *document = entry->document.get();
    auto object = std::make_unique<TVYRATemplate>(run.fileName, GetVersion(), GetSettings(), m_core->Ciphers(),
                                                  document->Parent(), true);
    try {
        QString version;
        object->LoadFromFile(run.fileName, version);
    } catch (const EVYRAException &) {
        const TVYRALoadResult result = loadText(run.index, run.fileName);
        if (result == lrSuccess)
            makeUnnamed(*entry);
        return result;
    }
    const bool edit = run.flags.testFlag(fofEditTemplate);
    const QString text = edit ? object->TemplateText() : object->ProcessText();
    const QString highlighter = object->TemplateHighlighter();
    if (edit) {
        object->SetModifiedNotificationObject(document);
        document->SetTemplateObject(std::move(object));
    } else {
        makeUnnamed(*entry);
    }
    ++entry->quiet;
    if (IsCodeEditorAvailable() && !highlighter.isEmpty())
        GetEditor(run.index)->SetActiveHighlighter(highlighter);
    if (document->EditorMode() && entry->code)
        entry->code->setText(text);
    else if (entry->rich)
        entry->rich->setText(text);
    --entry->quiet;
    document->SetUncText(text);
    document->UpdateFileDate();
    if (entry->code)
        entry->code->setModified(false);
    if (entry->rich)
        entry->rich->setModified(false);
    document->SetModified(false);
    return lrSuccess;
}

// A document made from a template is new: it gets the next free name.
void TVYRADocumentContainer::makeUnnamed(TVYRADocumentList::TEntry &entry)
{
    entry.document->SetTemplateObject(nullptr);
    renameDocument(entry.document.get(), newDocumentName());
    entry.document->SetFileExists(false);
}

// ---------------------------------------------------------------------------
// Saving

bool TVYRADocumentContainer::SaveDocument(int index)
{
    const TVYRADocument *document = m_documents.Items(index);
    // A new document has no file yet: it needs a name (save as), never "Dokument1" in the working folder.
    return document && document->GetFileExists() && SaveDocument(index, document->GetFileName());
}

bool TVYRADocumentContainer::SaveDocument(int index, const QString &fileName)
{
    return TVYRADocumentSaver(*this).Save(index, fileName);
}
