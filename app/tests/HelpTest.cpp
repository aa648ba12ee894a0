#include "commands/TActionCatalogue.h"
#include "commands/TActionRegistry.h"
#include "help/TAboutText.h"
#include "help/THelpController.h"
#include "help/THelpFile.h"
#include "TestSupport.h"
#include "ui/TScriptedPrompter.h"
#include "utils/VersionInfo.h"

#include <QAction>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// Key names as a German keyboard labels them, as the guide writes them.
QString germanKeys(const QKeySequence &sequence)
{
    QString text = sequence.toString(QKeySequence::PortableText);
    const std::pair<const char *, const char *> names[] = {
        {"Ctrl+", "Strg+"}, {"Shift+", "Umschalt+"}, {"Del", "Entf"}, {"Up", "Pfeil nach oben"},
        {"Down", "Pfeil nach unten"}};
    for (const auto &[portable, german] : names)
        text.replace(QString::fromLatin1(portable), QString::fromUtf8(german));
    return text;
}

QString plainCaption(QString caption)
{
    caption.remove(QLatin1Char('&'));
    return caption.toHtmlEscaped();
}

} // namespace

TEST(HelpTest, AboutTextsCarryVersionBuildDateAndTheLibraries)
{
    EXPECT_EQ(TAboutText::Caption(), QStringLiteral("Info über Talvex Studio"));
    EXPECT_EQ(TAboutText::VersionLine(QStringLiteral("1.2.0.7"), QStringLiteral("Mar 05 2024 at 02:07 PM ")),
              QStringLiteral("Version 1.2.0.7 RC 2, built on Mar 05 2024 at 02:07 PM"));
    EXPECT_EQ(TAboutText::VersionLine(QStringLiteral("1.2.0.7"), QString()), QStringLiteral("Version 1.2.0.7 RC 2"));
    // The running program's values are the compiled-in ones.
    EXPECT_EQ(TAboutText::ProgramVersionLine(),
              QStringLiteral("Version %1 RC 2, built on %2").arg(GetVersion(), GetDate().trimmed()));

    const QStringList components = TAboutText::ComponentLines();
    const QStringList expected{"Qt", "QScintilla", "PCRE2", "pugixml", "OpenSSL"};
    ASSERT_EQ(components.size(), expected.size());
    for (int i = 0; i < components.size(); ++i)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^%1 \\d+\\.\\d+").arg(expected[i])).match(components[i]).hasMatch())
            << components[i].toStdString();
    EXPECT_TRUE(components.first().startsWith(QStringLiteral("Qt %1").arg(QStringLiteral(QT_VERSION_STR))));

    const QString text = TAboutText::Text(QStringLiteral("1.0.0.0"), QStringLiteral("Dec 24 2023 at 12:30 AM"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Talvex Studio\nVersion 1.0.0.0 RC 2, built on Dec 24 2023 at 12:30 AM\n"
                                               "Die professionelle IDE für HTML und PHP.\n")));
    EXPECT_TRUE(text.endsWith(components.last()));
}

TEST(HelpTest, TheGuideIsFoundInTheDataFolderOfTheBuildTree)
{
    const QString page = THelpFile::Locate(buildDir() + QStringLiteral("/Data/"), buildDir());
    EXPECT_EQ(page, QDir::cleanPath(buildDir() + QStringLiteral("/Data/help/index.html")));
    EXPECT_TRUE(QFileInfo(page).isFile());
    // Without a common data folder it is found beside the program as well.
    EXPECT_EQ(THelpFile::Locate(QString(), buildDir()), page);

    QTemporaryDir empty;
    EXPECT_EQ(THelpFile::Locate(empty.path(), QString()), QDir::cleanPath(empty.filePath("help/index.html")));
}

TEST(HelpTest, HelpCommandsOpenTheGuideAndTellAMissingFileOrFailedStart)
{
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    QTemporaryDir root;
    const QString page = root.filePath(QStringLiteral("help/index.html"));
    QList<QUrl> opened;
    bool succeed = true;
    int abouts = 0;
    THelpController controller(page, nullptr, [&](const QUrl &url) {
        opened << url;
        return succeed;
    }, [&] { ++abouts; });
    TActionRegistry registry;
    registry.AddAll(TActionCatalogue::Standard());
    registry.Install(controller);
    registry.Update(TWindowSnapshot());

    registry.Action(QStringLiteral("HelpShowHelpFile"))->trigger();
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts().first().text.contains(page));

    writeFile(page, "<html></html>");
    registry.Action(QStringLiteral("HelpShowHelpFile"))->trigger();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), QUrl::fromLocalFile(page));
    EXPECT_EQ(prompter.prompts().size(), 1);

    succeed = false;
    EXPECT_FALSE(controller.ShowHelpFile());
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_TRUE(prompter.prompts().last().text.contains(page));
    EXPECT_TRUE(prompter.prompts().last().text.contains(QStringLiteral("nicht geöffnet")));

    registry.Action(QStringLiteral("HelpAbout"))->trigger();
    EXPECT_EQ(abouts, 1);
}

TEST(HelpTest, TheKeyboardPageListsEveryShortcutOfTheCatalogue)
{
    const QString html = QString::fromUtf8(readFile(sourceDir() + QStringLiteral("/data/shipped/help/index.html")));
    const int keyboard = html.indexOf(QStringLiteral("id=\"tastatur\""));
    ASSERT_GE(keyboard, 0);
    const QString page = html.mid(keyboard);
    QStringList missing;
    for (const TActionDefinition &definition : TActionCatalogue::Standard()) {
        if (definition.shortcut.isEmpty())
            continue;
        // The caption cell may explain the command further after its caption.
        const QString row = QStringLiteral("<tr><td><kbd>%1</kbd></td><td>%2")
                                .arg(germanKeys(definition.shortcut), plainCaption(definition.caption));
        if (!page.contains(row))
            missing << row;
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char('\n')).toStdString();
    for (const char *section : {"start", "dokumente", "projekte", "suche", "vorschau", "einstellungen", "tastatur"})
        EXPECT_TRUE(html.contains(QStringLiteral("<section id=\"%1\">").arg(QString::fromLatin1(section)))) << section;
}
