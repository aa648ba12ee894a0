#include "TestSupport.h"
#include "ciphers/TPasswordDlg.h"
#include "languages/TBuiltInLanguage.h"
#include "languages/TFormTranslator.h"
#include "languages/TLanguageForms.h"
#include "languages/TLanguageManager.h"

#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using TestSupport::writeFile;

namespace {

QString shippedLanguages() { return TestSupport::sourceDir() + QStringLiteral("/data/shipped/Languages"); }

// A language folder with an English and a French file, a form named "Form"
// and the choice file.
class LanguageManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(TLanguageManager::Instance(), nullptr);
        folder = dir.filePath(QStringLiteral("Languages"));
        settings = dir.filePath(QStringLiteral("language.xml"));
        writeFile(folder + QStringLiteral("/Lang.eng"),
                  "[Language]\nLanguage=English\n[Form]\nCaption=Window\n[Dialogs]\nStartUp_InitCore=Core...\n");
        writeFile(folder + QStringLiteral("/Lang.fra"),
                  "[Language]\nLanguage=Fran\xE7" "ais\n[Form]\nCaption=Fen\xEAtre\n");
        writeFile(folder + QStringLiteral("/Other.eng"), "[Language]\nLanguage=Other\n");
        form.setObjectName(QStringLiteral("Form"));
        form.setWindowTitle(QStringLiteral("Fenster"));
        forms->Add(&form);
    }
    void choose(const QByteArray &id)
    {
        writeFile(settings, "<?xml version=\"1.0\"?>\n<language><langid>" + id + "</langid></language>\n");
    }

    QTemporaryDir dir;
    QString folder;
    QString settings;
    QWidget form;
    std::shared_ptr<TLanguageForms> forms = std::make_shared<TLanguageForms>();
};

} // namespace

TEST_F(LanguageManagerTest, TheSettingsFilePicksALanguageOfTheFolder)
{
    choose("fra");
    TLanguageManager manager(forms, settings, folder, QStringLiteral("Lang"));
    EXPECT_EQ(TLanguageManager::Instance(), &manager);
    EXPECT_EQ(manager.LangId(), QStringLiteral("fra"));
    ASSERT_NE(manager.ActiveLanguage(), nullptr);
    EXPECT_EQ(manager.ActiveLanguage()->Name(), QStringLiteral("Français"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Fenêtre"));
    QStringList names;
    manager.Languages().GetLanguageList(names);
    EXPECT_EQ(names, (QStringList{QStringLiteral("English"), QStringLiteral("Français")}));
    EXPECT_EQ(manager.Languages().GetLang(), 1);

    // Choosing again: the other language translates the same forms.
    choose("eng");
    manager.LoadFromFile(settings);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Window"));
    EXPECT_EQ(TLanguageManager::GetDialog(TDialogType::StartUp_InitCore), QStringLiteral("Core..."));
    // What the language lacks comes from the built-in German.
    EXPECT_EQ(TLanguageManager::GetDialog(TDialogType::StartUp_InitData), QStringLiteral("Daten werden geladen..."));
}

TEST_F(LanguageManagerTest, EveryFailedChoiceEndsInTheBuiltInLanguage)
{
    const QList<std::function<void()>> failures{
        [this] { QFile::remove(settings); },
        [this] { choose("deu"); },                              // no such file
        [this] { choose(""); },                                 // no id
        [this] { choose("../Languages/Lang.eng"); },            // not a file of the list
        [this] { writeFile(settings, "<settings><langid>eng</langid></settings>"); }, // wrong root
        [this] { writeFile(settings, "<language><langid>eng</lang"); },               // damaged
        [this] {
            choose("eng"); // listed, but too large to be read
            QFile file(folder + QStringLiteral("/Lang.eng"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(TIniFile::MaxFileSize + 1));
        },
    };
    for (int i = 0; i < failures.size(); ++i) {
        writeFile(folder + QStringLiteral("/Lang.eng"), "[Form]\nCaption=Window\n");
        failures[i]();
        form.setWindowTitle(QStringLiteral("Fenster"));
        TLanguageManager manager(forms, settings, folder, QStringLiteral("Lang"));
        ASSERT_NE(manager.ActiveLanguage(), nullptr) << i;
        EXPECT_EQ(manager.ActiveLanguage()->FileName(), TBuiltInLanguage::FileName()) << i;
        EXPECT_EQ(manager.Languages().Count(), 1) << i;
        EXPECT_EQ(manager.Languages().GetLang(), 0) << i;
        EXPECT_EQ(manager.ActiveLanguage()->Name(), QStringLiteral("Deutsch")) << i;
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Fenster")) << i;
        EXPECT_EQ(TLanguageManager::GetDialog(TDialogType::StartUp_InitPhase),
                  QStringLiteral("Talvex wird gestartet..."))
            << i;
        // A language chosen afterwards is found in the folder again.
        writeFile(folder + QStringLiteral("/Lang.eng"), "[Form]\nCaption=Window\n");
        choose("eng");
        manager.LoadFromFile(settings);
        EXPECT_EQ(manager.Languages().Count(), 2) << i;
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Window")) << i;
    }
}

TEST_F(LanguageManagerTest, OnlyTheFirstManagerIsTheInstance)
{
    TLanguageManager *created = TLanguageManager::CreateInstance(forms, settings, folder, QStringLiteral("Lang"));
    EXPECT_EQ(TLanguageManager::Instance(), created);
    EXPECT_EQ(TLanguageManager::CreateInstance(nullptr, QString(), QString(), QString()), created);
    {
        TLanguageManager second(forms, settings, folder, QStringLiteral("Lang"));
        EXPECT_EQ(TLanguageManager::Instance(), created);
    }
    EXPECT_EQ(TLanguageManager::Instance(), created);
    TLanguageManager::FreeInstance();
    EXPECT_EQ(TLanguageManager::Instance(), nullptr);
    // Without a manager the start-up messages are the built-in German ones.
    EXPECT_EQ(TLanguageManager::GetDialog(TDialogType::StartUp_InitCore),
              QStringLiteral("Core Services initialisieren..."));
}

TEST_F(LanguageManagerTest, TemplateOfTheRegisteredFormsKeepsGivenMessages)
{
    auto *button = new QPushButton(QStringLiteral("Zwei%1Wörter").arg(QChar(u'\n')), &form);
    button->setObjectName(QStringLiteral("btnZwei"));
    button->setToolTip(QStringLiteral("Hinweis"));
    TLanguages languages(forms, folder, QStringLiteral("Lang"));
    const QString file = dir.filePath(QStringLiteral("Vorlage.txt"));
    writeFile(file, "[Dialogs]\nStartUp_Init=Los...\n[Form]\nbtnZwei=alt\n");
    ASSERT_TRUE(languages.SaveToFile(file));
    TIniFile ini;
    ASSERT_TRUE(TIniFile::Load(file, ini));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Form"), QStringLiteral("Caption")), QStringLiteral("Fenster"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Form"), QStringLiteral("btnZwei")), QStringLiteral("Zwei%n%Wörter"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Form_Hints"), QStringLiteral("btnZwei")), QStringLiteral("Hinweis"));
    EXPECT_EQ(ini.Keys(QStringLiteral("Dialogs")).size(), 7);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Dialogs"), QStringLiteral("StartUp_Init")), QStringLiteral("Los..."));
    EXPECT_FALSE(QFile::exists(file + QStringLiteral(".damaged")));

    // Damaged lines would be lost on rewriting: the file is kept first.
    writeFile(file, "[Form]\nkaputt\n");
    ASSERT_TRUE(languages.SaveToFile(file));
    EXPECT_EQ(TestSupport::readFile(file + QStringLiteral(".damaged")), QByteArray("[Form]\nkaputt\n"));
}

TEST(BuiltInLanguage, IsReadFromMemoryWithoutWritingAnyFile)
{
    ASSERT_EQ(TLanguageManager::Instance(), nullptr);
    QTemporaryDir sandbox;
    const QString tmp = sandbox.filePath(QStringLiteral("tmp"));
    const QString home = sandbox.filePath(QStringLiteral("home"));
    const QString work = sandbox.filePath(QStringLiteral("work"));
    for (const QString &path : {tmp, home, work})
        QDir().mkpath(path);
    const QByteArray oldTmp = qgetenv("TMPDIR"), oldTemp = qgetenv("TEMP"), oldHome = qgetenv("HOME");
    qputenv("TMPDIR", tmp.toLocal8Bit());
    qputenv("TEMP", tmp.toLocal8Bit());
    qputenv("HOME", home.toLocal8Bit());
    const QString oldWork = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(work));
    {
        TLanguageManager manager(std::make_shared<TLanguageForms>(), QString(), QString(), QStringLiteral("Lang"));
        ASSERT_NE(manager.ActiveLanguage(), nullptr);
        EXPECT_TRUE(manager.ActiveLanguage()->IsOpen());
        EXPECT_TRUE(manager.ActiveLanguage()->FileName().startsWith(QStringLiteral(":/")));
        EXPECT_EQ(manager.ActiveLanguage()->GetDialog(TDialogType::StartUp_InitData),
                  QStringLiteral("Daten werden geladen..."));
    }
    QDir::setCurrent(oldWork);
    qputenv("TMPDIR", oldTmp);
    qputenv("TEMP", oldTemp);
    qputenv("HOME", oldHome);
    QDirIterator entries(sandbox.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    QStringList written;
    while (entries.hasNext()) {
        const QString entry = entries.next();
        if (!QFileInfo(entry).isDir())
            written.append(entry);
    }
    EXPECT_TRUE(written.isEmpty()) << written.join(u' ').toStdString();
    EXPECT_FALSE(QFile::exists(QDir::temp().filePath(QStringLiteral("Lang.det"))));
}

TEST(BuiltInLanguage, EnglishFileGivesEveryTextOfTheGermanOne)
{
    TIniFile german;
    TIniFile english;
    ASSERT_TRUE(TIniFile::Load(TBuiltInLanguage::FileName(), german));
    ASSERT_TRUE(TIniFile::Load(shippedLanguages() + QStringLiteral("/Lang.eng"), english));
    EXPECT_TRUE(german.DamagedLines().isEmpty());
    EXPECT_TRUE(english.DamagedLines().isEmpty());
    // The compiled-in language is the shipped German file.
    TIniFile shippedGerman;
    ASSERT_TRUE(TIniFile::Load(shippedLanguages() + QStringLiteral("/Lang.det"), shippedGerman));
    EXPECT_EQ(shippedGerman.Sections(), german.Sections());
    EXPECT_EQ(english.Sections(), german.Sections());
    for (const QString &section : german.Sections()) {
        EXPECT_EQ(english.Keys(section), german.Keys(section)) << section.toStdString();
        for (const QString &key : english.Keys(section))
            EXPECT_FALSE(english.ReadString(section, key).isEmpty()) << section.toStdString() << key.toStdString();
    }
    for (TDialogType type : AllDialogTypes)
        EXPECT_FALSE(TBuiltInLanguage::GetDialog(type).isEmpty()) << DialogTypeName(type).toStdString();
}

TEST(BuiltInLanguage, PasswordDialogShowsTheGermanFileTextsAndIsTranslatedOnCreation)
{
    // The German file gives exactly the texts the dialog is built with.
    TPasswordDlg built(TPasswordLayout::plDefine, QStringLiteral("a.qcd"));
    TIniFile fromDialog;
    TFormTranslator::WriteTemplate(&built, fromDialog);
    const TIniFile &german = TBuiltInLanguage::Ini();
    for (const QString &section : german.Sections()) {
        if (!section.startsWith(QStringLiteral("TPasswordDlg"), Qt::CaseInsensitive))
            continue;
        for (const QString &key : german.Keys(section))
            EXPECT_EQ(fromDialog.ReadString(section, key), german.ReadString(section, key)) << key.toStdString();
    }

    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("language.xml")), "<language><langid>eng</langid></language>");
    TLanguageManager manager(std::make_shared<TLanguageForms>(), dir.filePath(QStringLiteral("language.xml")),
                             shippedLanguages(), TLanguageManager::DefaultPrefix());
    ASSERT_EQ(manager.ActiveLanguage()->Name(), QStringLiteral("English"));
    TPasswordDlg dialog(TPasswordLayout::plDefine, QStringLiteral("/home/u/geheim.qcd"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Talvex - Password"));
    EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("lbWiederholen"))->text(), QStringLiteral("Repeat password:"));
    EXPECT_EQ(dialog.OkButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.findChild<QPushButton *>(QStringLiteral("btnAbbrechen"))->text(), QStringLiteral("Cancel"));
    // The file name stays the file name.
    EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("lbDokument"))->text(), QStringLiteral("geheim.qcd"));
    QStringList names;
    manager.Languages().GetLanguageList(names);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English")}));
}
