#include "settings/TVYRARegistry.h"
#include "settings/TVYRASettings.h"
#include "settings/TXmlSerializer.h"
#include "ui/TScriptedPrompter.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

class VYRASettingsTest : public ::testing::Test
{
protected:
    QString file() const { return m_dir.filePath(QStringLiteral("settings.xml")); }

    // Every stored property away from its default.
    static void changeEverything(TVYRASettings &settings)
    {
        settings.DefaultEditor()->EditorMode = true;
        settings.DefaultEditor()->DefaultHighlighter = QStringLiteral("php");
        settings.DefaultEditor()->RichEditorDefaultFont = QStringLiteral("DejaVu Sans");
        settings.DefaultEditor()->RichEditorDefaultFontSize = 12;
        settings.DefaultEditor()->CodeEditorDefaultFont = QStringLiteral("DejaVu Sans Mono");
        settings.DefaultEditor()->CodeEditorDefaultFontSize = 9;
        settings.DefaultEditor()->RTFMode = true;
        TVYRAEditorSettings *editor = settings.Editor();
        editor->SynAutoSaveHighlighter = false;
        editor->SynGutterLeadingZeros = editor->SynHasGutterEditorFont = editor->SynLineNumberingFromZero = true;
        editor->SynKeepCaretX = editor->SynTabsToSpaces = true;
        editor->SynTabWidth = 2;
        editor->SynLineNumbering = editor->SynMarkActiveLine = false;
        editor->SynSelectionMode = 2;
        editor->SynLineForeColor = 1;
        editor->SynLineBackColor = -2;
        editor->SynActiveLineColor = 3;
        settings.Behavior()->FileOpenOptions = fooAddToDefault;
        settings.Behavior()->FileCloseOptions = fcoNeverRemove;
        settings.Advanced()->UpdateUrl = QStringLiteral("http://example.invalid/u?a=1&b=%d");
        settings.Advanced()->SiteUrl = QStringLiteral("http://example.invalid/");
        settings.Advanced()->AutoDetectFileType = true;
        settings.CipherSettings()->DefaultCipher = QStringLiteral("AES");
        settings.UserDefinedText()->Add(QStringLiteral("<b>%cursor%</b>"), QStringLiteral("fett, \"kurz\""));
        settings.AutoSave()->Enabled = true;
        settings.AutoSave()->Intervall = 5;
        settings.AutoSave()->Types = asOnlyExistingFiles;
        settings.AutoSave()->Options = asoConfirmAutoSave | asoChangedOnly;
        settings.DateTimeFormats = {QStringLiteral("hh:mm")};
    }

    QTemporaryDir m_dir;
    TScriptedPrompter m_prompter;
    TPrompterScope m_scope{m_prompter};
};

class SavedHandlerProbe : public QObject
{
public:
    explicit SavedHandlerProbe(QStringList &log, QString name) : m_log(log), m_name(std::move(name)) {}
    void HandleSettingsSave(QObject *sender)
    {
        m_log.append(m_name + (qobject_cast<TVYRASettings *>(sender) ? QString() : QStringLiteral("?")));
    }

private:
    QStringList &m_log;
    QString m_name;
};

} // namespace

TEST_F(VYRASettingsTest, StartsWithEveryDefault)
{
    TVYRASettings settings(file(), true);
    EXPECT_EQ(settings.RootName(), QStringLiteral("VYRASettings"));
    EXPECT_FALSE(settings.GetEditorMode());
    EXPECT_EQ(settings.DefaultEditor()->DefaultHighlighter, QStringLiteral("none"));
    EXPECT_EQ(settings.DefaultEditor()->RichEditorDefaultFont, QStringLiteral("Lucida Console"));
    EXPECT_EQ(settings.DefaultEditor()->RichEditorDefaultFontSize, 10);
    EXPECT_EQ(settings.DefaultEditor()->CodeEditorDefaultFont, QStringLiteral("Courier New"));
    EXPECT_EQ(settings.DefaultEditor()->CodeEditorDefaultFontSize, 10);
    EXPECT_FALSE(settings.DefaultEditor()->RTFMode);
    const TVYRAEditorSettings *editor = settings.Editor();
    EXPECT_TRUE(editor->SynAutoSaveHighlighter);
    EXPECT_FALSE(editor->SynGutterLeadingZeros || editor->SynHasGutterEditorFont || editor->SynLineNumberingFromZero
                 || editor->SynKeepCaretX || editor->SynTabsToSpaces);
    EXPECT_EQ(editor->SynTabWidth, 4);
    EXPECT_TRUE(editor->SynLineNumbering);
    EXPECT_EQ(editor->SynSelectionMode, 0);
    EXPECT_TRUE(editor->SynMarkActiveLine);
    EXPECT_EQ(editor->SynLineForeColor, -16777202);
    EXPECT_EQ(editor->SynLineBackColor, -16777203);
    EXPECT_EQ(editor->SynActiveLineColor, 0x00EAFFFF);
    EXPECT_EQ(settings.Behavior()->FileOpenOptions, fooAddToActive);
    EXPECT_EQ(settings.Behavior()->FileCloseOptions, fcoRemoveIfDefault);
    EXPECT_TRUE(settings.Advanced()->UpdateUrl.endsWith(QStringLiteral("/load.php?get=update.php&pid=1&update=%d")));
    EXPECT_TRUE(settings.Advanced()->SiteUrl.endsWith(QStringLiteral("/load.php?get=project.php&pid=1")));
    EXPECT_FALSE(settings.Advanced()->AutoDetectFileType);
    EXPECT_EQ(settings.CipherSettings()->DefaultCipher, QStringLiteral("Rijndael"));
    EXPECT_EQ(settings.UserDefinedText()->Count(), 0);
    EXPECT_FALSE(settings.AutoSave()->Enabled);
    EXPECT_EQ(settings.AutoSave()->Intervall, 60);
    EXPECT_EQ(settings.AutoSave()->Types, asAll);
    EXPECT_EQ(settings.AutoSave()->Options, TAutoSaveOptions(asoConfirmAutoSave));
    EXPECT_EQ(settings.DateTimeFormats.size(), 8);

    ASSERT_TRUE(settings.Save());
    EXPECT_TRUE(readFile(file()).contains(
        "<DateTimeFormats>\"dd.mmmmm yyyy\",c,ddddd,yyyy-mm-dd,dddddd,\"dddd, dd.mm.yyyy\","
        "\"dd.mm.yy hh:mm:ss\",\"dddd, dd.mmmmm.yyyy hh:mm:ss\"</DateTimeFormats>"));
    EXPECT_TRUE(readFile(file()).contains("<Options>[asoConfirmAutoSave]</Options>"));
    EXPECT_TRUE(m_prompter.prompts().isEmpty());
}

TEST_F(VYRASettingsTest, SavedSettingsLoadBackEqualAndSaveToTheSameBytes)
{
    TVYRASettings defaults(file(), false);
    ASSERT_TRUE(defaults.Save());
    const QByteArray defaultBytes = readFile(file());
    TVYRASettings reloaded(file(), true);
    reloaded.Load();
    ASSERT_TRUE(reloaded.Save());
    EXPECT_EQ(readFile(file()), defaultBytes);

    changeEverything(reloaded);
    ASSERT_TRUE(reloaded.Save());
    const QByteArray changedBytes = readFile(file());
    EXPECT_TRUE(changedBytes.contains("<Options>[asoConfirmAutoSave,asoChangedOnly]</Options>"));
    EXPECT_NE(changedBytes, defaultBytes);

    TVYRASettings other(file(), true);
    EXPECT_TRUE(other.GetEditorMode());
    EXPECT_EQ(other.AutoSave()->Options, asoConfirmAutoSave | asoChangedOnly);
    EXPECT_EQ(other.UserDefinedText()->Text(), QStringList{QStringLiteral("<b>%cursor%</b>")});
    EXPECT_EQ(other.UserDefinedText()->Description(), QStringList{QStringLiteral("fett, \"kurz\"")});
    other.Load();
    ASSERT_TRUE(other.Save());
    EXPECT_EQ(readFile(file()), changedBytes);

    other.ResetDefaultSettings();
    ASSERT_TRUE(other.Save());
    EXPECT_EQ(readFile(file()), defaultBytes);
}

TEST_F(VYRASettingsTest, ADamagedFileIsKeptAsACopyAndTheUserToldOnce)
{
    const QByteArray damaged = "<VYRASettings><AutoSave><Enabled>True</Enabled></AutoSa";
    writeFile(file(), damaged);
    TVYRASettings settings(file(), true);
    EXPECT_FALSE(settings.AutoSave()->Enabled);
    EXPECT_EQ(readFile(file() + QStringLiteral(".damaged")), damaged);
    ASSERT_EQ(m_prompter.prompts().size(), 1);
    EXPECT_EQ(m_prompter.prompts().first().icon, TPromptIcon::Information);
    EXPECT_TRUE(m_prompter.prompts().first().text.contains(file() + QStringLiteral(".damaged")));
    EXPECT_TRUE(readFile(file()).contains("<Intervall>60</Intervall>"));

    settings.Load();
    EXPECT_TRUE(settings.Save());
    EXPECT_EQ(m_prompter.prompts().size(), 1);
}

TEST_F(VYRASettingsTest, AFileThatCannotBeReadIsNeitherReadNorReplaced)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("settings.xml")));
    TVYRASettings settings(file(), true);
    EXPECT_EQ(settings.AutoSave()->Intervall, 60);
    ASSERT_EQ(m_prompter.prompts().size(), 1);
    EXPECT_EQ(m_prompter.prompts().first().icon, TPromptIcon::Error);
    EXPECT_TRUE(QFileInfo(file()).isDir());
    EXPECT_FALSE(settings.LoadOrRecover());
    EXPECT_FALSE(settings.Save());
    EXPECT_FALSE(settings.LastSaveError().isEmpty());
}

TEST_F(VYRASettingsTest, AFileOfAnotherProgramIsIgnoredAndLeftAlone)
{
    const QByteArray foreign = "<talvexstudiosettings><AutoSave><Intervall>5</Intervall></AutoSave>"
                               "</talvexstudiosettings>";
    writeFile(file(), foreign);
    TVYRASettings settings(file(), true);
    EXPECT_EQ(settings.AutoSave()->Intervall, 60);
    EXPECT_FALSE(settings.Save());
    EXPECT_EQ(readFile(file()), foreign);
    EXPECT_TRUE(m_prompter.prompts().isEmpty());
}

TEST_F(VYRASettingsTest, SavedHandlersAreCalledInOrderEvenWhenTheSaveFailed)
{
    QStringList log;
    SavedHandlerProbe first(log, QStringLiteral("first"));
    SavedHandlerProbe second(log, QStringLiteral("second"));
    TVYRASettings settings(file(), false);
    settings.AddOnSettingsSavedHandler(&first, &SavedHandlerProbe::HandleSettingsSave);
    settings.AddOnSettingsSavedHandler(&second, &SavedHandlerProbe::HandleSettingsSave);
    settings.AddOnSettingsSavedHandler(&first, &SavedHandlerProbe::HandleSettingsSave);
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(log, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));

    settings.RemoveOnSettingsSavedHandler(&first, &SavedHandlerProbe::HandleSettingsSave);
    writeFile(file(), "<other/>");
    EXPECT_FALSE(settings.Save());
    EXPECT_EQ(log.size(), 3);
    EXPECT_EQ(log.last(), QStringLiteral("second"));
}

TEST_F(VYRASettingsTest, TheRegistryKeyOpensTheMatchingQSettingsGroup)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath(QStringLiteral("config")));
    TVYRASettings settings(file(), false);
    settings.SetRegistryRoot(TVYRARegistry::HKeyCurrentUser);
    settings.SetRegistryKey(QStringLiteral("Software\\Halvorn\\Talvex\\1.0.0.0\\Settings"));
    settings.OpenRegistry()->setValue(QStringLiteral("Layout"), 42);

    QSettings check(QStringLiteral("Halvorn"), QStringLiteral("Talvex"));
    EXPECT_EQ(check.value(QStringLiteral("1.0.0.0/Settings/Layout")).toInt(), 42);
    EXPECT_TRUE(check.fileName().startsWith(m_dir.path()));
}

TEST_F(VYRASettingsTest, GroupsAreReplacedNotCopiedAndUserTextsStayParallel)
{
    TVYRASettings settings(file(), false);
    QPointer<TVYRAAutoSave> old = settings.AutoSave();
    auto *replacement = new TVYRAAutoSave;
    replacement->Intervall = 7;
    settings.SetAutoSave(replacement);
    EXPECT_EQ(settings.AutoSave(), replacement);
    EXPECT_TRUE(old.isNull());
    ASSERT_TRUE(settings.Save());
    EXPECT_TRUE(readFile(file()).contains("<Intervall>7</Intervall>"));

    TVYRAUserText *text = settings.UserDefinedText();
    text->Add(QStringLiteral("a"), QStringLiteral("A"));
    text->Add(QStringLiteral("b"), QStringLiteral("B"));
    text->Delete(0);
    text->Delete(5);
    EXPECT_EQ(text->Count(), 1);
    EXPECT_EQ(text->Description(), QStringList{QStringLiteral("B")});
    text->Clear();
    EXPECT_EQ(text->Count(), 0);
    EXPECT_TRUE(text->Description().isEmpty());
}

TEST_F(VYRASettingsTest, TheFactoryMakesLoadedSettings)
{
    writeFile(file(), "<VYRASettings><AutoSave><Intervall>9</Intervall></AutoSave></VYRASettings>");
    const std::unique_ptr<TVYRASettings> loaded = TVYRASettings::defaultFactory()(file(), true);
    EXPECT_EQ(loaded->AutoSave()->Intervall, 9);
    EXPECT_EQ(loaded->fileName(), file());
    const std::unique_ptr<TVYRASettings> notLoaded = TVYRASettings::defaultFactory()(file(), false);
    EXPECT_EQ(notLoaded->AutoSave()->Intervall, 60);
}
