#include "settings/TVYRASettings.h"

#include "settings/ESettingsLoadErr.h"
#include "settings/TVYRARegistry.h"
#include "settings/TXmlSerializer.h"
#include "ui/TPrompter.h"

#include <QSettings>

namespace {

// The maker's web server; none of the program's own parts reads these.
const QString MakerSite = QStringLiteral("https://www.halvorn.de");

} // namespace

TVYRASettings::TVYRASettings(const QString &fileName, bool initNow, QObject *parent)
    : TVYRASettings(fileName, TDeferInit{}, parent)
{
    Construct(initNow);
}

TVYRASettings::TVYRASettings(const QString &fileName, TDeferInit, QObject *parent)
    : TVYRAPersistent(parent), m_fileName(fileName)
{
}

TVYRASettings::~TVYRASettings() = default;

TSettingsFactory TVYRASettings::defaultFactory()
{
    return [](const QString &fileName, bool initNow) {
        return std::make_unique<TVYRASettings>(fileName, initNow);
    };
}

void TVYRASettings::Construct(bool initNow)
{
    InitialiseClasses();
    ResetDefaultSettings();
    m_serializer = std::make_unique<TXmlSerializer>(m_fileName, m_rootName);
    m_serializer->OnBeforeRead = [this](TXmlSerializer *) { PrepareLoad(); };
    if (initNow)
        LoadOrRecover();
}

void TVYRASettings::InitialiseClasses()
{
    SetRootName(QStringLiteral("VYRASettings"));
    DateTimeFormats.clear();
    SetAdvanced(new TVYRAAdvancedSettings);
    SetAutoSave(new TVYRAAutoSave);
    SetBehavior(new TVYRABehaviorSettings);
    SetCipherSettings(new TVYRACiphersettings);
    SetDefaultEditor(new TVYRADefaultEditorSettings);
    SetEditor(new TVYRAEditorSettings);
    SetUserDefinedText(new TVYRAUserText);
}

void TVYRASettings::SetDefaultSettings()
{
    m_defaultEditor->EditorMode = false;
    m_defaultEditor->DefaultHighlighter = QStringLiteral("none");
    m_defaultEditor->RichEditorDefaultFont = QStringLiteral("Lucida Console");
    m_defaultEditor->RichEditorDefaultFontSize = 10;
    m_defaultEditor->CodeEditorDefaultFont = QStringLiteral("Courier New");
    m_defaultEditor->CodeEditorDefaultFontSize = 10;
    m_defaultEditor->RTFMode = false;

    m_editor->SynAutoSaveHighlighter = true;
    m_editor->SynGutterLeadingZeros = false;
    m_editor->SynHasGutterEditorFont = false;
    m_editor->SynLineNumberingFromZero = false;
    m_editor->SynKeepCaretX = false;
    m_editor->SynTabsToSpaces = false;
    m_editor->SynTabWidth = 4;
    m_editor->SynLineNumbering = true;
    m_editor->SynSelectionMode = 0;
    m_editor->SynMarkActiveLine = true;
    m_editor->SynLineForeColor = TColor(0xFF00000E); // system colour "highlighted text"
    m_editor->SynLineBackColor = TColor(0xFF00000D); // system colour "highlight"
    m_editor->SynActiveLineColor = 0x00EAFFFF;

    m_behavior->FileOpenOptions = fooAddToActive;
    m_behavior->FileCloseOptions = fcoRemoveIfDefault;

    m_advanced->UpdateUrl = MakerSite + QStringLiteral("/load.php?get=update.php&pid=1&update=%d");
    m_advanced->SiteUrl = MakerSite + QStringLiteral("/load.php?get=project.php&pid=1");
    m_advanced->AutoDetectFileType = false;

    m_cipherSettings->DefaultCipher = QStringLiteral("Rijndael");
    m_userDefinedText->Clear();

    m_autoSave->Enabled = false;
    m_autoSave->Intervall = 60;
    m_autoSave->Types = asAll;
    m_autoSave->Options = asoConfirmAutoSave;

    DateTimeFormats = {
        QStringLiteral("dd.mmmmm yyyy"),     QStringLiteral("c"),
        QStringLiteral("ddddd"),             QStringLiteral("yyyy-mm-dd"),
        QStringLiteral("dddddd"),            QStringLiteral("dddd, dd.mm.yyyy"),
        QStringLiteral("dd.mm.yy hh:mm:ss"), QStringLiteral("dddd, dd.mmmmm.yyyy hh:mm:ss"),
    };
}

void TVYRASettings::ResetDefaultSettings()
{
    SetDefaultSettings();
}

bool TVYRASettings::Save()
{
    const bool saved = m_serializer->SaveToFile(this, false);
    m_lastSaveError = saved ? QString() : m_serializer->LastError();
    const QString copy = m_serializer->TakeBackupFileName();
    if (saved && !copy.isEmpty())
        TellAboutDamagedCopy(copy);
    m_savedHandlers.CallAllHandlers(this);
    return saved;
}

void TVYRASettings::Load()
{
    m_serializer->LoadFromFile(this);
}

bool TVYRASettings::LoadOrRecover()
{
    try {
        Load();
        return true;
    } catch (const ESettingsLoadErr &) {
    }
    ResetDefaultSettings();
    if (!Save()) {
        TPrompter::instance().error(
            QStringLiteral("Die Einstellungen konnten nicht geladen werden; es gelten die Standardeinstellungen.\n%1")
                .arg(m_lastSaveError));
        return false;
    }
    try {
        Load();
    } catch (const ESettingsLoadErr &) {
        // the file was just written; should it have gone again, the defaults stay
    }
    return false;
}

void TVYRASettings::TellAboutDamagedCopy(const QString &copyFileName)
{
    TPrompter::instance().information(
        QStringLiteral("Die Einstellungsdatei \"%1\" war beschädigt und wurde durch die Standardeinstellungen "
                       "ersetzt. Eine Kopie der beschädigten Datei liegt unter \"%2\".")
            .arg(m_fileName, copyFileName));
}

void TVYRASettings::PrepareLoad()
{
}

void TVYRASettings::SetFileName(const QString &fileName)
{
    m_fileName = fileName;
    if (m_serializer)
        m_serializer->SetFileName(fileName);
}

void TVYRASettings::SetRootName(const QString &rootName)
{
    m_rootName = rootName;
    if (m_serializer)
        m_serializer->SetRootName(rootName);
}

bool TVYRASettings::GetEditorMode() const
{
    return m_defaultEditor->EditorMode;
}

std::unique_ptr<QSettings> TVYRASettings::OpenRegistry() const
{
    return TVYRARegistry::Open(m_registryRoot, m_registryKey);
}
