#include "framework/TVYRACore.h"

#include "ciphers/TCipherList.h"
#include "container/TVYRADocumentContainer.h"
#include "container/TVYRADocumentsWrapper.h"
#include "documents/TVYRADocument.h"
#include "framework/TCoreToolApplication.h"
#include "framework/TDamagedStoreRecovery.h"
#include "plugins/TPluginMenuItems.h"
#include "plugins/TVYRAPlugin.h"
#include "plugins/TVYRAPluginEvents.h"
#include "plugins/TVYRAPluginMenuExtensions.h"
#include "plugins/TVYRAPlugins.h"
#include "snippets/TSnippets.h"
#include "snippets/TVYRAMRUList.h"
#include "tools/TToolCallBack.h"
#include "tools/TVYRAToolList.h"
#include "filetypes/TVYRAExtensions.h"
#include "utils/VYRAExceptions.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "utils/FileUtils.h"
#include "settings/TVYRARegistry.h"
#include "ui/TPrompter.h"
#include "projects/TVYRAProjectGroupList.h"
#include "utils/TEventList.h"
#include "utils/VersionInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

const QString kInterfaceVersionText = QStringLiteral("0.98");

QString programFileCaption()
{
    const QString program = QCoreApplication::applicationFilePath();
    return program.isEmpty() ? QStringLiteral("TalvexStudio") : QFileInfo(program).completeBaseName();
}

// Windows message-box flags and answers, as plug-ins pass and expect them.
enum : unsigned {
    MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5, MB_TYPEMASK = 0xF,
    MB_ICONHAND = 0x10, MB_ICONQUESTION = 0x20, MB_ICONEXCLAMATION = 0x30, MB_ICONASTERISK = 0x40,
    MB_ICONMASK = 0xF0,
    MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200, MB_DEFMASK = 0xF00,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

QList<TPromptButton> buttonsOf(unsigned type)
{
    switch (type) {
    case MB_OKCANCEL: return {TPromptButton::Ok, TPromptButton::Cancel};
    case MB_ABORTRETRYIGNORE: return {TPromptButton::Abort, TPromptButton::Retry, TPromptButton::Ignore};
    case MB_YESNOCANCEL: return {TPromptButton::Yes, TPromptButton::No, TPromptButton::Cancel};
    case MB_YESNO: return {TPromptButton::Yes, TPromptButton::No};
    case MB_RETRYCANCEL: return {TPromptButton::Retry, TPromptButton::Cancel};
    default: return {TPromptButton::Ok};
    }
}

TPromptIcon iconOf(unsigned icon)
{
    switch (icon) {
    case MB_ICONHAND: return TPromptIcon::Error;
    case MB_ICONQUESTION: return TPromptIcon::Question;
    case MB_ICONEXCLAMATION: return TPromptIcon::Warning;
    case MB_ICONASTERISK: return TPromptIcon::Information;
    default: return TPromptIcon::None;
    }
}

int answerOf(TPromptButton button)
{
    switch (button) {
    case TPromptButton::Ok: return IDOK;
    case TPromptButton::Cancel: return IDCANCEL;
    case TPromptButton::Abort: return IDABORT;
    case TPromptButton::Retry: return IDRETRY;
    case TPromptButton::Ignore: return IDIGNORE;
    case TPromptButton::Yes: return IDYES;
    case TPromptButton::No: return IDNO;
    default: return IDCANCEL;
    }
}

} // namespace

TVYRACore::TVYRACore(const TVYRACoreConfig &config)
    : m_owner(config.owner)
    , m_editorTypes(config.editorTypes)
    , m_productCaption(programFileCaption())
    , m_interfaceVersionText(kInterfaceVersionText)
    , m_templateList(std::make_shared<QStringList>())
    , m_highlighterChanged(std::make_shared<TEventList>())
{
    m_classes = config.classes;
    m_pluginEvents = std::make_shared<TVYRAPluginEvents>();
    m_pluginMenuExtensions = std::make_shared<TVYRAPluginMenuExtensions>(this);
    m_pluginObjects = std::make_shared<TPluginMenuItems>(*m_pluginMenuExtensions);
    if (!m_classes.settings)
        m_classes.settings = TVYRASettings::defaultFactory();
    if (!m_classes.projectGroups)
        m_classes.projectGroups = TVYRAProjectGroupItems::DefaultFactory();
    m_dirs.setAppDir(config.appDir);
    UpdateAllDataDirectories(config.appDataDir, config.userDataDir, true);
    m_ciphers = std::make_shared<TCipherList>(m_dirs.CipherDir, config.initNow);
    createSettings(config.initNow);
    m_recentFiles = TDamagedStoreRecovery::Open<TVYRAMRUList>(m_dirs.UserDataDir + QStringLiteral("recent.xml"));
    m_defaultHighlighterName = QStringLiteral("None");
    m_highlighters = std::make_shared<TIHighlighters>(m_classes.highlighters);
    AddDefaultHighlighter(*m_highlighters, m_defaultHighlighterName);
    m_extensions = std::make_shared<TVYRAExtensions>(m_dirs.AppDir, m_highlighters.get());
    createTools();
    createSnippets();
    UpdateTemplateList();
    m_projectEvents = std::make_shared<TVYRAProjectEvents>();
    m_projectGroups = std::make_shared<TVYRAProjectGroupList>(nullptr, m_projectEvents.get());
    m_container = std::make_shared<TVYRADocumentContainer>(this, config.owner);
    m_settings->AddOnSettingsSavedHandler(m_container.get(), &TVYRADocumentContainer::HandleSettingsSave);
    TVYRAFileTypeRecognizers::markCoreConstructed();
}

TVYRACore::TVYRACore(TVYRACore *source)
{
    if (!source || source == this)
        throw EVYRAInvalidOperation(QStringLiteral("Ein Klon braucht einen anderen TVYRACore als Quelle."));
    m_source = source;
    m_owner = source->m_owner;
    m_classes = source->m_classes;
    m_editorTypes = source->m_editorTypes;
    m_dirs = source->m_dirs;
    m_productCaption = source->m_productCaption;
    m_interfaceVersionText = kInterfaceVersionText;
    m_defaultHighlighterName = source->m_defaultHighlighterName;
    m_settingsXMLFile = source->m_settingsXMLFile;
    m_registryKey = source->m_registryKey;
    m_registryRoot = source->m_registryRoot;
    m_instance = source->m_instance;
    m_handle = source->m_handle;
    m_icon = source->m_icon;
    m_templateList = source->m_templateList;
    m_pluginEvents = source->m_pluginEvents;
    m_pluginMenuExtensions = source->m_pluginMenuExtensions;
    m_pluginObjects = source->m_pluginObjects;
    m_plugins = source->m_plugins;
    m_highlighterChanged = source->m_highlighterChanged;
    m_settings = source->m_settings;
    m_highlighters = source->m_highlighters;
    m_extensions = source->m_extensions;
    m_ciphers = source->m_ciphers;
    m_recentFiles = source->m_recentFiles;
    m_tools = source->m_tools;
    m_snippets = source->m_snippets;
    m_toolApplication = source->m_toolApplication;
    // Shared, since the shared group list points to them.
    m_projectEvents = source->m_projectEvents;
    m_projectGroups = source->m_projectGroups;
    m_container = source->m_container;
}

TVYRACore::~TVYRACore()
{
    if (!m_source && m_plugins) {
        m_plugins->UnloadAll();
        m_plugins.reset();
    }
    if (!m_source && TToolCallBack::Application() == m_toolApplication.get())
        TToolCallBack::SetApplication(nullptr);
    if (!m_source && m_container && m_settings)
        m_settings->RemoveOnSettingsSavedHandler(m_container.get(), &TVYRADocumentContainer::HandleSettingsSave);
    // The documents and their controls go before the groups and highlighters they use.
    m_container.reset();
    // File types refer to the highlighters: they go first.
    m_extensions.reset();
    m_highlighters.reset();
    // The groups go before the events they point to.
    m_projectGroups.reset();
}

std::unique_ptr<IDocuments> TVYRACore::GetDocuments() const
{
    return std::make_unique<TVYRADocumentsWrapper>(m_container.get());
}

TVYRADocument *TVYRACore::GetActiveDocument() const
{
    return m_container ? m_container->GetActiveDocument() : nullptr;
}

bool TVYRACore::CanEditDocuments() const
{
    return m_container && m_container->CanEditDocuments();
}

TIHighlighter *TVYRACore::GetDefaultHighlighter() const
{
    return m_highlighters ? m_highlighters->DefaultHighlighter() : nullptr;
}

void TVYRACore::createSettings(bool initNow)
{
    std::unique_ptr<TVYRASettings> settings =
        m_classes.settings(m_dirs.UserDataDir + QStringLiteral("settings.xml"), initNow);
    if (!settings)
        settings = TVYRASettings::defaultFactory()(m_dirs.UserDataDir + QStringLiteral("settings.xml"), initNow);
    m_settings = std::move(settings);
    m_settingsXMLFile = m_settings->fileName();
    m_settings->SetRegistryRoot(TVYRARegistry::HKeyCurrentUser);
    m_settings->SetRegistryKey(QStringLiteral("Software\\Halvorn\\Talvex\\%1\\Settings").arg(GetVersion()));
    m_settings->LoadOrRecover();
    m_registryKey = m_settings->RegistryKey();
    m_registryRoot = m_settings->RegistryRoot();
}

void TVYRACore::createTools()
{
    m_tools = TDamagedStoreRecovery::Open<TVYRAToolList>(m_dirs.UserDataDir + QStringLiteral("tools.xml"));
    m_toolApplication = std::make_shared<TCoreToolApplication>(this);
    TToolCallBack::SetApplication(m_toolApplication.get());
}

// The user works on a private copy of the shipped snippets, made the first
// time a core runs for that user (or when the copy was found damaged).
void TVYRACore::createSnippets()
{
    const QString userFile = m_dirs.UserDataDir + QStringLiteral("snippets.xml");
    if (QFileInfo::exists(userFile)) {
        m_snippets = TDamagedStoreRecovery::Open<TSnippets>(userFile);
        if (QFileInfo::exists(userFile))
            return;
    }
    const QString shippedFile = m_dirs.AppDataDir + QStringLiteral("snippets.xml");
    try {
        m_snippets = std::make_shared<TSnippets>(shippedFile);
    } catch (const EInvalidVYRAFormat &error) {
        // The installation's file is not ours to mend or copy: start empty.
        m_snippets = std::make_shared<TSnippets>(QString());
        m_snippets->SetFileName(userFile);
        TPrompter::instance().error(error.message());
        return;
    }
    m_snippets->SetFileName(userFile);
    if (const TOperationResult saved = m_snippets->SaveToXML(); !saved)
        TPrompter::instance().error(saved.errorText);
}

void TVYRACore::InitCiphers()
{
    if (m_ciphers)
        m_ciphers->LoadCiphers(m_dirs.CipherDir);
}

void TVYRACore::InitSettings()
{
    if (m_settings)
        m_settings->LoadOrRecover();
}

QString TVYRACore::GetFileTypeRecognizer(TVYRAFileType fileType)
{
    return TVYRAFileTypeRecognizers::get(fileType);
}

void TVYRACore::SetFileTypeRecognizer(TVYRAFileType fileType, const QString &value)
{
    TVYRAFileTypeRecognizers::set(fileType, value);
}

void TVYRACore::UpdateAllDataDirectories(const QString &appDataDir, const QString &userDataDir,
                                         bool createFolders)
{
    m_dirs.setDataDirs(appDataDir, userDataDir);
    if (!createFolders)
        return;
    const QString failed = m_dirs.createMissingFolders();
    if (!failed.isEmpty())
        throw EVYRAException(QStringLiteral("Der Ordner \"%1\" konnte nicht angelegt werden.").arg(failed));
}

void TVYRACore::UpdateTemplateList()
{
    m_templateList->clear();
    FileList(m_dirs.TemplateDir, QStringLiteral("*.qtf"), true, *m_templateList);
}

const QStringList &TVYRACore::TemplateList() const
{
    return *m_templateList;
}

void TVYRACore::InitPluginSystem(std::uintptr_t instance, std::uintptr_t handle, std::uintptr_t icon,
                                 int pluginMenuPosition, const QSet<TVYRAPluginType> &pluginTypes)
{
    m_instance = instance;
    m_handle = handle;
    m_icon = icon;
    if (!m_plugins)
        m_plugins = std::make_shared<TVYRAPlugins>(*this, TVYRAPlugins::AllTypes());
    m_plugins->SetAllowedTypes(pluginTypes);
    m_plugins->SetPluginMenuPosition(pluginMenuPosition);
    m_plugins->LoadPlugIns();
}

bool TVYRACore::RunEvent(int event)
{
    // Without a plug-in list no plug-in can refuse.
    if (!m_plugins)
        return true;
    for (int i = 0; i < m_plugins->Count(); ++i) {
        TVYRAPlugin *plugin = m_plugins->Items(i);
        if (!plugin->Active() || !plugin->Plugin())
            continue;
        try {
            if (plugin->Plugin()->EventHandler(event) == VYRA_FALSE)
                return false;
        } catch (...) {
            // A module that throws is asked no more; the others still are.
            plugin->Disable();
        }
    }
    return true;
}

int TVYRACore::MessageBox(const QString &text, const QString &caption, unsigned flags)
{
    const QList<TPromptButton> buttons = buttonsOf(flags & MB_TYPEMASK);
    TPrompt prompt;
    prompt.text = text;
    prompt.caption = caption;
    prompt.icon = iconOf(flags & MB_ICONMASK);
    prompt.buttons = {};
    for (TPromptButton button : buttons)
        prompt.buttons |= button;
    const int defaultIndex = int((flags & MB_DEFMASK) >> 8);
    prompt.defaultButton = buttons.value(defaultIndex, buttons.first());
    return answerOf(TPrompter::instance().message(prompt));
}

void TVYRACore::SetDefaultHighlighterName(const QString &name)
{
    m_defaultHighlighterName = name;
    if (TIHighlighter *entry = GetDefaultHighlighter())
        entry->SetLongName(name);
}

void TVYRACore::SetProjectDir(const QString &projectDir)
{
    m_dirs.ProjectDir = IncludeTrailingPathDelimiter(projectDir);
}
