#include "TestSupport.h"
#include "languages/TIniFile.h"
#include "languages/TLanguage.h"
#include "languages/TLanguageForms.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using TestSupport::readFile;
using TestSupport::writeFile;

TEST(IniFile, NamesAreCaseInsensitiveAndKeepTheirFirstSpelling)
{
    const TIniFile ini = TIniFile::FromBytes("[Haupt]\r\nCaption=Titel\r\n[\xC4NDERN]\nSchl\xFCssel=Wert\n");
    EXPECT_EQ(ini.ReadString(QStringLiteral("HAUPT"), QStringLiteral("caption")), QStringLiteral("Titel"));
    // Case folding covers the Latin-1 letters too.
    EXPECT_EQ(ini.ReadString(QStringLiteral("ändern"), QStringLiteral("SCHLÜSSEL")), QStringLiteral("Wert"));
    EXPECT_EQ(ini.Sections(), (QStringList{QStringLiteral("Haupt"), QStringLiteral("ÄNDERN")}));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Haupt"), QStringLiteral("fehlt"), QStringLiteral("vorgabe")),
              QStringLiteral("vorgabe"));
    EXPECT_TRUE(ini.DamagedLines().isEmpty());
}

TEST(IniFile, EightBitTextIsLatin1WithWindowsExtras)
{
    const TIniFile ini = TIniFile::FromBytes("[S]\nText=Gr\xF6\xDF" "e \x80 \xAB" "a\xBB\n");
    EXPECT_EQ(ini.ReadString(QStringLiteral("s"), QStringLiteral("text")), QStringLiteral("Größe € «a»"));
    // A byte-order mark marks UTF-8.
    const TIniFile utf8 = TIniFile::FromBytes("\xEF\xBB\xBF[S]\nText=Gr\xC3\xB6\xC3\x9F" "e\n");
    EXPECT_EQ(utf8.ReadString(QStringLiteral("S"), QStringLiteral("Text")), QStringLiteral("Größe"));
}

TEST(IniFile, DuplicatesKeepTheFirstValueAndRepeatedSectionsJoin)
{
    const TIniFile ini = TIniFile::FromBytes("[A]\nx=1\nX=2\n[B]\ny=3\n[a]\nx=4\nz=5\n");
    EXPECT_EQ(ini.ReadString(QStringLiteral("A"), QStringLiteral("x")), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("A"), QStringLiteral("z")), QStringLiteral("5"));
    EXPECT_EQ(ini.Keys(QStringLiteral("a")), (QStringList{QStringLiteral("x"), QStringLiteral("z")}));
    EXPECT_EQ(ini.Sections().size(), 2);
}

TEST(IniFile, DamagedLinesAreSkippedAndCounted)
{
    static const char text[] = "Frei=vor jedem Abschnitt\n"   // 1: no section yet
                            "[Gut]\n"                       // 2
                            "a = eins \n"                   // 3
                            "ohne Gleichheitszeichen\n"     // 4
                            "=leerer Name\n"                // 5
                            "; Kommentar=kein Wert\n"       // 6
                            "[kaputt\n"                     // 7: no closing bracket
                            "b=verloren\n"                  // 8: belongs to no good section
                            "[]\n"                          // 9
                            "[Gut2] Rest\n"                 // 10: text after ] is ignored
                            "c=\"  mit Rand  \"\n"          // 11
                            "d='x'\n"                       // 12
                            "e=\"halb\n"                    // 13
                            "f=a=b\r"                       // 14: CR alone ends a line
                            "g=\x00\x01\n";                 // 15: binary
    const TIniFile ini = TIniFile::FromBytes(QByteArray(text, sizeof(text) - 1));
    EXPECT_EQ(ini.DamagedLines(), (QList<int>{1, 4, 5, 7, 8, 9, 15}));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Gut"), QStringLiteral("a")), QStringLiteral("eins"));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Gut"), QStringLiteral("b")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Gut2"), QStringLiteral("c")), QStringLiteral("  mit Rand  "));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Gut2"), QStringLiteral("d")), QStringLiteral("x"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Gut2"), QStringLiteral("e")), QStringLiteral("\"halb"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Gut2"), QStringLiteral("f")), QStringLiteral("a=b"));
    EXPECT_EQ(ini.Sections(), (QStringList{QStringLiteral("Gut"), QStringLiteral("Gut2")}));
}

TEST(IniFile, MissingOversizedAndFolderAreRefusedWithoutTouchingTheContent)
{
    QTemporaryDir dir;
    TIniFile ini = TIniFile::FromBytes("[A]\nx=1\n");
    const QString missing = dir.filePath(QStringLiteral("fehlt.ini"));
    TIniResult result = TIniFile::Load(missing, ini);
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.errorText.contains(missing));
    EXPECT_FALSE(TIniFile::Load(dir.path(), ini));

    const QString big = dir.filePath(QStringLiteral("gross.ini"));
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(TIniFile::MaxFileSize + 1));
    }
    result = TIniFile::Load(big, ini);
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.errorText.contains(QStringLiteral("zu groß")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("A"), QStringLiteral("x")), QStringLiteral("1"));
}

TEST(IniFile, WritingRoundTripsAndRefusesWhatCannotBeStored)
{
    QTemporaryDir dir;
    TIniFile ini;
    ini.WriteString(QStringLiteral("Größe"), QStringLiteral("Text"), QStringLiteral("Maß € "));
    ini.WriteString(QStringLiteral("größe"), QStringLiteral("Quote"), QStringLiteral("\"x\""));
    ini.WriteString(QStringLiteral("Größe"), QStringLiteral("TEXT"), QStringLiteral(" Maß € "));
    const QString file = dir.filePath(QStringLiteral("sub/a.ini"));
    ASSERT_TRUE(ini.SaveToFile(file));
    EXPECT_EQ(readFile(file), QByteArray("[Gr\xF6\xDF" "e]\r\nText=\" Ma\xDF \x80 \"\r\nQuote=\"\"x\"\"\r\n"));
    TIniFile again;
    ASSERT_TRUE(TIniFile::Load(file, again));
    EXPECT_EQ(again.ReadString(QStringLiteral("Größe"), QStringLiteral("text")), QStringLiteral(" Maß € "));
    EXPECT_EQ(again.ReadString(QStringLiteral("Größe"), QStringLiteral("quote")), QStringLiteral("\"x\""));

    // Nothing is replaced and nothing half written: the old file stays.
    for (const auto &[key, value] : {std::pair{QStringLiteral("Text"), QStringLiteral("Жук")},
                                     std::pair{QStringLiteral("Zeilen"), QStringLiteral("a\nb")},
                                     std::pair{QStringLiteral("a=b"), QStringLiteral("x")}}) {
        TIniFile bad = again;
        bad.WriteString(QStringLiteral("Größe"), key, value);
        const TIniResult result = bad.SaveToFile(file);
        EXPECT_FALSE(result) << key.toStdString();
        EXPECT_TRUE(result.errorText.contains(file));
    }
    EXPECT_EQ(readFile(file), QByteArray("[Gr\xF6\xDF" "e]\r\nText=\" Ma\xDF \x80 \"\r\nQuote=\"\"x\"\"\r\n"));
}

TEST(Language, ReadsItsHeaderWithDefaults)
{
    QTemporaryDir dir;
    const QString named = dir.filePath(QStringLiteral("Lang.eng"));
    writeFile(named, "[language]\nLANGUAGE=English\nauthor=Jemand\n[Dialogs]\nStartUp_InitCore=Core...\n");
    const TLanguage language(nullptr, false, named);
    EXPECT_TRUE(language.IsOpen());
    EXPECT_EQ(language.Name(), QStringLiteral("English"));
    EXPECT_EQ(language.Author(), QStringLiteral("Jemand"));
    EXPECT_EQ(language.Readme(), QStringLiteral("Readme.htm"));
    EXPECT_EQ(language.Changelog(), QStringLiteral("Changes.txt"));
    EXPECT_EQ(language.GetDialog(TDialogType::StartUp_InitCore), QStringLiteral("Core..."));
    EXPECT_EQ(language.GetDialog(TDialogType::StartUp_InitData), QString());

    const TLanguage plain(nullptr, false, dir.filePath(QStringLiteral("Lang.x")));
    EXPECT_FALSE(plain.IsOpen());
    EXPECT_EQ(plain.Name(), QStringLiteral("(UNKNOWN)"));
    EXPECT_EQ(plain.Author(), QStringLiteral("(UNKNOWN)"));
    EXPECT_EQ(plain.GetDialog(TDialogType::StartUp_InitCore), QString());
}

TEST(Language, LoadingTheSameFileAgainTranslatesWithoutReopening)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Lang.eng"));
    writeFile(file, "[Form]\nCaption=Erster\n");
    auto forms = std::make_shared<TLanguageForms>();
    QWidget form;
    form.setObjectName(QStringLiteral("Form"));
    forms->Add(&form);
    int loads = 0;
    TLanguage language(forms, true, file);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Erster"));
    language.SetOnAfterLoad([&loads](TLanguage &) { ++loads; });

    writeFile(file, "[Form]\nCaption=Zweiter\n");
    form.setWindowTitle(QStringLiteral("verändert"));
    language.LoadFromFile(file);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Erster"));
    EXPECT_EQ(loads, 1);

    // A missing file leaves the open one in place.
    language.LoadFromFile(dir.filePath(QStringLiteral("Lang.fehlt")));
    EXPECT_EQ(language.FileName(), file);
    EXPECT_FALSE(language.LoadError().isEmpty());
    EXPECT_EQ(loads, 2);
}
