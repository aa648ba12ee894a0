#pragma once

#include "framework/TVYRADataDirectories.h"
#include "documents/TVYRAFileType.h"
#include "highlighters/TIHighlighters.h"
#include "projects/TVYRAProjectEvents.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "settings/TVYRASettings.h"
#include "vyra_export.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class TEventList;
class TVYRAExtensions;
class TCipherList;
class TSnippets;
class TToolApplication;
class TVYRAMRUList;
class TVYRAToolList;
class TVYRAProjectGroupList;
class IDocuments;
class TVYRADocument;
class TVYRADocumentContainer;
class TVYRAPlugins;
class TVYRAPluginMenuExtensions;
class TPluginMenuItems;
struct TVYRAPluginEvents;
enum class TVYRAPluginType;

// Creates a document object: file name, version, settings, ciphers, the
// window hosting its editor and whether it stands for a file on disk.
using TVYRADocumentFactory = std::function<std::unique_ptr<TVYRADocument>(
    const QString &fileName, const QString &fileVersion, TVYRASettings *settings, TCipherList *ciphers,
    QWidget *parent, bool fileExists)>;

// The replaceable classes of the framework, as factories; an empty factory
// stands for the framework's own class. The highlighter, document, project
// group and menu-extension classes join as their subsystems arrive.
struct VYRA_EXPORT TVYRACoreClasses {
    TSettingsFactory settings;            // default: TVYRASettings
    TMultiHighlighterFactory highlighters; // default: the framework's multi-highlighter
    TVYRAProjectGroupItems::TFactory projectGroups; // default: TVYRAProjectGroupItems
    TVYRADocumentFactory documents;       // default: TVYRADocument
};

// What a core is constructed from.
struct VYRA_EXPORT TVYRACoreConfig {
    QWidget *owner = nullptr;      // owns the editor controls of the documents
    QString appDir;                // program base folder
    QString appDataDir;            // common data directory
    QString userDataDir;           // user data directory
    TVYRAEditorTypes editorTypes = TVYRAEditorTypes::etBoth;
    bool initNow = false;          // load settings and ciphers during construction
    TVYRACoreClasses classes;
};

// The one object that holds the editing framework together: the data
// directories, the file-type recognisers, the template list and, as their
// subsystems exist, the settings, ciphers, registries, lists and container.
// A clone shares everything its source owns and frees nothing.
class VYRA_EXPORT TVYRACore : public QObject
{
    Q_OBJECT

public:
    explicit TVYRACore(const TVYRACoreConfig &config);
    // The clone: shares the source's objects for the life of the source.
    explicit TVYRACore(TVYRACore *source);
    ~TVYRACore() override;

    TVYRACore(const TVYRACore &) = delete;
    TVYRACore &operator=(const TVYRACore &) = delete;

    // File-type recognisers (process-wide, fixed once a core exists).
    static QString GetFileTypeRecognizer(TVYRAFileType fileType);
    static void SetFileTypeRecognizer(TVYRAFileType fileType, const QString &value);

    // Recomputes the directory fields; with createFolders the nine data
    // folders are created where missing (raises EVYRAException when one
    // cannot be created). AppDir itself is neither changed nor created.
    void UpdateAllDataDirectories(const QString &appDataDir, const QString &userDataDir, bool createFolders);
    // Fills TemplateList with every "*.qtf" below TemplateDir.
    void UpdateTemplateList();

    // Loads the settings (again); a damaged file falls back to the defaults.
    void InitSettings();
    // Loads the cipher modules from CipherDir.
    void InitCiphers();

    // Stores the program's instance, window and icon handles and loads the
    // plug-ins of the allowed kinds; a missing "Plugins" menu goes to
    // pluginMenuPosition of the main menu.
    void InitPluginSystem(std::uintptr_t instance, std::uintptr_t handle, std::uintptr_t icon, int pluginMenuPosition,
                          const QSet<TVYRAPluginType> &pluginTypes);
    // Offers a plug-in event to every active plug-in in list order; the first
    // that answers false ends the round with false. True when none refuses.
    bool RunEvent(int event);
    TVYRAPlugins *Plugins() const { return m_plugins.get(); }
    // What the program tells the plug-ins about its window; shared with clones.
    TVYRAPluginEvents &PluginEvents() const { return *m_pluginEvents; }
    // The click and update listeners plug-ins hang on menu items.
    TVYRAPluginMenuExtensions &PluginMenuExtensions() const { return *m_pluginMenuExtensions; }
    // The menu items plug-ins inserted.
    TPluginMenuItems &PluginObjects() const { return *m_pluginObjects; }

    // A message box with the Windows flags and answers plug-ins know
    // (MB_OK, MB_YESNO, MB_ICONERROR ...; IDOK, IDYES ...), shown through the prompter.
    int MessageBox(const QString &text, const QString &caption, unsigned flags);

    void SetDefaultHighlighterName(const QString &name);
    void SetProjectDir(const QString &projectDir);

    QString GetAppDir() const { return m_dirs.AppDir; }
    QString GetAppDataDir() const { return m_dirs.AppDataDir; }
    QString GetTemplateDir() const { return m_dirs.TemplateDir; }
    QString GetSettingsXMLFile() const { return m_settingsXMLFile; }
    const TVYRADataDirectories &Directories() const { return m_dirs; }
    QString UserDataDir() const { return m_dirs.UserDataDir; }
    QString PackageDir() const { return m_dirs.PackageDir; }
    QString PluginDir() const { return m_dirs.PluginDir; }
    QString CipherDir() const { return m_dirs.CipherDir; }
    QString ProjectDir() const { return m_dirs.ProjectDir; }
    QString HighlighterDir() const { return m_dirs.HighlighterDir; }
    QString UserHighlighterDir() const { return m_dirs.UserHighlighterDir; }

    QString ProductCaption() const { return m_productCaption; }
    void SetProductCaption(const QString &caption) { m_productCaption = caption; }
    QString InterfaceVersionText() const { return m_interfaceVersionText; }
    QString DefaultHighlighterName() const { return m_defaultHighlighterName; }
    QString RegistryKey() const { return m_registryKey; }
    quint32 RegistryRoot() const { return m_registryRoot; }
    TVYRAEditorTypes EditorTypes() const { return m_editorTypes; }
    QWidget *Owner() const { return m_owner; }
    const QStringList &TemplateList() const;
    TVYRASettings *Settings() const { return m_settings.get(); }
    TIHighlighters *Highlighters() const { return m_highlighters.get(); }
    TCipherList *Ciphers() const { return m_ciphers.get(); }
    TVYRAExtensions *Extensions() const { return m_extensions.get(); }
    TVYRAToolList *Tools() const { return m_tools.get(); }
    TSnippets *Snippets() const { return m_snippets.get(); }
    TVYRAMRUList *RecentFiles() const { return m_recentFiles.get(); }
    // What tool modules see of this core; installed for the tool call-back
    // when the core is built.
    TToolApplication *ToolApplication() const { return m_toolApplication.get(); }
    // Highlighter 0, the plain one.
    TIHighlighter *GetDefaultHighlighter() const;
    const TSettingsFactory &SettingsClass() const { return m_classes.settings; }
    // The class every project group is created from.
    const TVYRAProjectGroupItems::TFactory &ProjectGroupClass() const { return m_classes.projectGroups; }
    // The class every document of the container is created from.
    const TVYRADocumentFactory &DocumentClass() const { return m_classes.documents; }
    // The open documents and project groups; a clone shares its source's.
    TVYRADocumentContainer *Container() const { return m_container.get(); }
    // The container as plug-ins see it: a new wrapper over Container.
    std::unique_ptr<IDocuments> GetDocuments() const;
    // The container's active document, nullptr without one.
    TVYRADocument *GetActiveDocument() const;
    bool CanEditDocuments() const;
    // The open project groups; every group created for them copies the project events.
    TVYRAProjectGroupList *ProjectGroups() const { return m_projectGroups.get(); }
    // Set once by the main program (OnAddingProjectItem, OnProjectItemAdded,
    // OnProjectItemRemoved, OnModified as OnProjectModified).
    TVYRAProjectEvents &ProjectEvents() { return *m_projectEvents; }
    // Handlers told that the active highlighter changed.
    TEventList &HighlighterChangedHandlers() const { return *m_highlighterChanged; }

    bool DoesSupportUnicode() const { return false; }
    std::uintptr_t GetInstance() const { return m_instance; }
    std::uintptr_t GetHandle() const { return m_handle; }
    std::uintptr_t GetIcon() const { return m_icon; }

    // For a clone the core it was made from, else nullptr.
    TVYRACore *Source() const { return m_source; }
    bool IsClone() const { return m_source != nullptr; }

private:
    void createSettings(bool initNow);
    void createTools();
    void createSnippets();

    QPointer<QWidget> m_owner;
    TVYRACoreClasses m_classes;
    TVYRAEditorTypes m_editorTypes = TVYRAEditorTypes::etBoth;
    TVYRADataDirectories m_dirs;
    QString m_productCaption;
    QString m_interfaceVersionText;
    QString m_defaultHighlighterName;
    QString m_settingsXMLFile;
    QString m_registryKey;
    quint32 m_registryRoot = 0;
    std::uintptr_t m_instance = 0;
    std::uintptr_t m_handle = 0;
    std::uintptr_t m_icon = 0;

    // Owned by a full core, shared by its clones.
    std::shared_ptr<QStringList> m_templateList;
    std::shared_ptr<TVYRAPluginEvents> m_pluginEvents;
    std::shared_ptr<TVYRAPluginMenuExtensions> m_pluginMenuExtensions;
    std::shared_ptr<TPluginMenuItems> m_pluginObjects;
    // Freed first: plug-ins may still use everything else while they let go.
    std::shared_ptr<TVYRAPlugins> m_plugins;
    std::shared_ptr<TEventList> m_highlighterChanged;
    // Freed last: documents may still encipher through it.
    std::shared_ptr<TCipherList> m_ciphers;
    std::shared_ptr<TVYRASettings> m_settings;
    // Declared in this order so that the file types go before the highlighters they use.
    std::shared_ptr<TIHighlighters> m_highlighters;
    std::shared_ptr<TVYRAExtensions> m_extensions;
    std::shared_ptr<TVYRAMRUList> m_recentFiles;
    std::shared_ptr<TVYRAToolList> m_tools;
    std::shared_ptr<TSnippets> m_snippets;
    std::shared_ptr<TToolApplication> m_toolApplication;
    std::shared_ptr<TVYRAProjectEvents> m_projectEvents;
    std::shared_ptr<TVYRAProjectGroupList> m_projectGroups;
    // Goes before the groups and registries its documents and controls use.
    std::shared_ptr<TVYRADocumentContainer> m_container;

    TVYRACore *m_source = nullptr;
};
