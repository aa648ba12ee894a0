#pragma once

#include "container/IDocuments.h"
#include "container/TVYRAContainerEvents.h"
#include "container/TVYRAContainerTypes.h"
#include "container/TVYRADocumentList.h"
#include "documents/TDocumentResult.h"
#include "documents/TVYRAFileType.h"
#include "facade/TVYRAEditorEnvironment.h"
#include "facade/TVYRAEditorFileTypeHandlers.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <set>

class TVYRAProjectGroupList;
class TVYRAProjectGroupItem;
class TVYRAProjectGroupItems;
class QWidget;
class TCodeEditor;
class TRichEditor;
class TVYRACore;
class TVYRAEditor;
class TVYRASettings;
class TVYRATemplate;

// The open documents and project groups of a core. Creates each document with
// its editor controls, opens files of every kind (plain and rich text,
// enciphered documents, templates, project groups, files claimed by a
// file-type handler), saves and closes them, keeps the default project group
// "Unbenanntes Projekt", applies the editor settings to the controls and turns
// control events into its own. It owns no window: the host gives the windows
// the controls live in and answers the events. Every failure is reported as
// an event code (TVYRAContainerMessages turns one into a German text).
class VYRA_EXPORT TVYRADocumentContainer : public QObject, public IDocuments
{
    Q_OBJECT
public:
    // Creates the default group's documents under ownerComponent's control;
    // the core must outlive the container.
    TVYRADocumentContainer(TVYRACore *core, QWidget *ownerComponent);
    ~TVYRADocumentContainer() override;

    // Documents
    // A new empty document; parent nullptr asks OnNewDocumentRequest, project
    // nullptr means the default group, an index beyond the end appends.
    // Returns its index or -1.
    int NewDocument(QWidget *parent, TVYRAProjectGroupItems *project, int index);
    int NewDocument(TVYRAProjectGroupItems *project = nullptr);
    TVYRALoadResult OpenDocumentEx(QWidget *parent, const QString &fileName, TVYRAProjectGroupItems *project,
                                   int index, TVYRAFileOpenFlags flags = {});
    TVYRALoadResult OpenDocument(const QString &fileName, TVYRAProjectGroupItems *project = nullptr);
    // Saves under fileName; true only when the file was written. On every
    // refusal or failure the document keeps its name, FileExists, project
    // entry and modified state.
    bool SaveDocument(int index, const QString &fileName);
    bool SaveDocument(int index);
    void CloseDocument(int index, TFileCloseOption option, bool autoChangeIndex = true);
    void CloseDocument(int index);
    // Closes every document (option of the settings); false when one stayed.
    bool CloseAllDocuments();
    bool ActivateDocument(int index);
    bool ActivateDocument(TVYRADocument *document);
    // Swaps two documents of the same project group.
    bool ExchangeDocument(int index1, int index2);
    // Inserts the content of a file at the caret.
    bool IncludeFile(int index, const QString &fileName);
    // Shows the document in the code editor (true) or the rich editor.
    void SetEditorMode(int index, bool codeEditor);
    void ApplyEditorSettingsToDocument(int index);
    void ApplyEditorSettingsToDocuments();
    void HandleSettingsSave(QObject *settings);

    // Project groups
    int NewProject(const QString &fileName, const QString &name);
    void CloseProject(int index);
    TVYRAProjectGroupItems *CreateDefaultProjectGroup();
    TVYRAProjectGroupItems *GetDefaultGroup();
    bool IsDefaultGroupCreated() const { return m_defaultGroup != nullptr; }
    int DefaultGroupIndex() const;
    void HandleProjectSave(TVYRAProjectGroupItems *group);
    int FindProject(const QString &fileName) const;
    bool IsProjectOpen(const QString &fileName) const { return FindProject(fileName) >= 0; }
    TVYRAProjectGroupList *ProjectGroups() const;

    // Queries
    TVYRADocument *GetActiveDocument() const;
    int GetActiveDocumentIndex() const override;
    TVYRAProjectGroupItems *GetActiveProject() const;
    int GetActiveProjectIndex() const;
    bool CanEditDocuments() const { return GetActiveDocumentIndex() != -1; }
    bool CanEditProjects() const { return GetActiveProjectIndex() != -1; }
    int GetDocumentCount() const { return m_documents.Count(); }
    bool IsIndexValid(int index) const override { return m_documents.IsIndexValid(index); }
    int FindFile(const QString &fileName, const TVYRAProjectGroupItems *project) const;
    bool IsFileOpen(const QString &fileName, bool onlyExisting) const;
    bool IsFileOpen(const QString &fileName, const TVYRAProjectGroupItems *project, bool onlyExisting) const;
    bool IsFileSupported(const QString &fileName) const;
    std::unique_ptr<TVYRAEditor> GetEditor(int index);
    TRichEditor *GetRichEdit(int index) const;
    TCodeEditor *GetSynEdit(int index) const;
    TVYRASettings *GetSettings() const;
    TVYRAProjectGroupItems *ProjectOf(const TVYRADocument *document) const { return m_documents.ProjectOf(document); }
    TVYRAProjectGroupItem *ProjectItemOf(const TVYRADocument *document) const { return m_documents.ItemOf(document); }
    TVYRADocumentList &Documents() { return m_documents; }
    const TVYRADocumentList &Documents() const { return m_documents; }
    TVYRACore *Owner() const { return m_core; }
    QWidget *OwnerComponent() const { return m_ownerComponent; }

    // Settings of the container
    TVYRAEditorTypes EditorTypes() const { return m_editorTypes; }
    bool IsCodeEditorAvailable() const { return m_editorTypes != TVYRAEditorTypes::etRichEditor; }
    bool IsRichEditorAvailable() const { return m_editorTypes != TVYRAEditorTypes::etCodeEditor; }
    QString HelpText() const { return m_helpText; }
    void SetHelpText(const QString &text);
    TVYRABusyState BusyState() const { return m_busy; }
    bool CanOpenProjects() const { return m_canOpenProjects; }
    void SetCanOpenProjects(bool on) { m_canOpenProjects = on; }
    bool FixEditorMode() const { return m_fixEditorMode; }
    void SetFixEditorMode(bool on);
    bool MDISupported() const { return m_mdiSupported; }
    void SetMDISupported(bool on) { m_mdiSupported = on; }
    QMenu *TextPopUp() const { return m_textPopUp; }
    void SetTextPopUp(QMenu *menu) { m_textPopUp = menu; }
    TVYRAEditorFileTypeHandlers &FileTypeHandlers() { return m_fileTypeHandlers; }
    // The registries and folders the editor facade works with; the host adds its regular expressions.
    const TVYRAEditorEnvironment &EditorEnvironment() const { return m_environment; }
    void SetEditorEnvironment(const TVYRAEditorEnvironment &environment) { m_environment = environment; }
    TVYRAContainerEvents &Events() { return m_events; }
    const TVYRAContainerEvents &Events() const { return m_events; }
    QFont GetDefaultDocumentFont(int mode) const override;

    // Raises an event through OnEvent; the answer (true without handler).
    bool RaiseEvent(QObject *sender, TVYRAEvent event, const QString &fileName, const QString &detail = QString());
    // Reactions to the controls and the facade.
    void Changed(TVYRADocument *document);
    void HighlighterChanged(TVYRADocument *document);
    void ThreadDone(TVYRADocument *document);

    // IDocuments
    TVYRADocument *IGetActiveDocument() const override { return GetActiveDocument(); }
    int GetCount() const override { return GetDocumentCount(); }
    TVYRADocument *GetDocument(int index) const override { return m_documents.Items(index); }
    bool INewFile() override;
    bool OpenFile(const QString &fileName) override;
    bool OpenFileEx(const QString &fileName, int index) override;
    bool ICloseFile(int index) override;
    bool ISaveFile(int index, bool withName) override;
    bool ISaveActiveFile() override;
    bool ICloseActiveFile() override;
    TVYRAContainerEvents::TNotify Get_OnChange() const override { return m_onChangeIntf; }
    void Set_OnChange(TVYRAContainerEvents::TNotify handler) override { m_onChangeIntf = std::move(handler); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TOpenRun;
    class TBusy;

    // Creation
    TCodeEditor *createCodeEditor(QWidget *parent);
    TRichEditor *createRichEditor(QWidget *parent);
    void wireControls(TVYRADocumentList::TEntry &entry);
    void watchDrops(QWidget *viewport, TVYRADocument *document);
    QString newDocumentName() const;
    static QString controlName(const QString &pattern, std::set<int> &used);
    static void releaseControlName(const QWidget *control, qsizetype prefixLength, std::set<int> &used);
    void placeInParent(QWidget *control, QWidget *parent) const;
    TVYRAProjectGroupItem *addProjectItem(TVYRAProjectGroupItems *group, const QString &fileName);
    void applyDefaultHighlighter(int index);
    void showMode(TVYRADocumentList::TEntry &entry, bool codeEditor);

    // Opening
    void reportLoaded(TOpenRun &run);
    bool hasFileTypeHandler(const QString &fileName) const;
    int openIndexOf(const QString &fileName, const TVYRAProjectGroupItems *project) const;
    TVYRAProjectGroupItem *findListedItem(const TVYRAProjectGroupItems *project, const QString &fileName) const;
    void adoptListedItem(TVYRADocumentList::TEntry &entry, const TOpenRun &run);
    TVYRALoadResult openProjectGroup(const QString &fileName);
    int targetDocument(TOpenRun &run, QWidget *parent, int index);
    TVYRALoadResult loadByType(TOpenRun &run);
    TVYRALoadResult loadText(int index, const QString &fileName);
    TVYRALoadResult loadStored(int index, const QString &fileName);
    TVYRALoadResult loadTemplate(TOpenRun &run);
    void makeUnnamed(TVYRADocumentList::TEntry &entry);
    void finishCodeLoad(TVYRADocument *document, bool ok, const QString &errorText);
    void startDecipher(int index);
    void setEditorsReadOnly(TVYRADocumentList::TEntry &entry, bool readOnly);
    void showDeciphered(TVYRADocumentList::TEntry &entry, const TDocumentResult &result);
    void closeCreated(TOpenRun &run);
    void restoreReused(TOpenRun &run);

    // Project entries
    void renameDocument(TVYRADocument *document, const QString &fileName);
    void moveToProject(int index, TVYRAProjectGroupItems *project);
    void releaseItem(TVYRADocumentList::TEntry &entry);

    friend class TVYRADocumentList;
    friend class TVYRADocumentSaver;

    TVYRACore *m_core;
    QPointer<QWidget> m_ownerComponent;
    TVYRADocumentList m_documents;
    TVYRAProjectGroupItems *m_defaultGroup = nullptr;
    TVYRAEditorTypes m_editorTypes = TVYRAEditorTypes::etBoth;
    TVYRABusyState m_busy;
    QString m_helpText;
    bool m_canOpenProjects = false;
    bool m_fixEditorMode = false;
    bool m_mdiSupported = false;
    QPointer<QMenu> m_textPopUp;
    TVYRAEditorFileTypeHandlers m_fileTypeHandlers;
    TVYRAEditorEnvironment m_environment;
    TVYRAContainerEvents m_events;
    TVYRAContainerEvents::TNotify m_onChangeIntf;
    // Numbers in the names of the living controls ("SynEdit%d", "RichEdit%d").
    std::set<int> m_codeNumbers;
    std::set<int> m_richNumbers;
};
