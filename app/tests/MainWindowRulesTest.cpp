#include "mainwindow/TLayoutStore.h"
#include "mainwindow/TSearchState.h"
#include "mainwindow/TStatusTexts.h"
#include "mainwindow/TWindowListEntries.h"
#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(MainWindowStatusTexts, ShowCaretModifiedAndModeOfTheActiveDocument)
{
    TStatusState state{true, 12, 5, true, true};
    EXPECT_EQ(TStatusTexts::Caret(state), QStringLiteral("    12:   5"));
    EXPECT_EQ(TStatusTexts::Modified(state), QStringLiteral("Geändert"));
    EXPECT_EQ(TStatusTexts::Mode(state), QStringLiteral("Einfügen"));

    state = {true, 12345, 1, false, false};
    EXPECT_EQ(TStatusTexts::Caret(state), QStringLiteral("  12345:   1"));
    EXPECT_EQ(TStatusTexts::Modified(state), QString());
    EXPECT_EQ(TStatusTexts::Mode(state), QStringLiteral("Überschreiben"));
}

TEST(MainWindowStatusTexts, AreEmptyWithoutDocument)
{
    const TStatusState none{false, 3, 4, true, false};
    EXPECT_TRUE(TStatusTexts::Caret(none).isEmpty());
    EXPECT_TRUE(TStatusTexts::Modified(none).isEmpty());
    EXPECT_TRUE(TStatusTexts::Mode(none).isEmpty());
}

TEST(MainWindowListEntries, DocumentEntriesShowTheNameTheModifiedMarkAndWithIconsThePath)
{
    const TWindowListEntry plain = TWindowListEntries::Document(QStringLiteral("/web/seite.php"), true, false, false);
    EXPECT_EQ(plain.caption, QStringLiteral("seite.php"));
    EXPECT_EQ(plain.hint, QStringLiteral("Zum Dokument \"seite.php\" wechseln."));
    EXPECT_FALSE(plain.showIcon);

    const TWindowListEntry modified = TWindowListEntries::Document(QStringLiteral("/web/seite.php"), true, true, true);
    EXPECT_EQ(modified.caption, QStringLiteral("seite.php *"));
    EXPECT_EQ(modified.hint, QStringLiteral("/web/seite.php"));
    EXPECT_TRUE(modified.showIcon);
    EXPECT_EQ(modified.iconFile, QStringLiteral("/web/seite.php"));

    // Never saved: the application icon and the switch hint, also with icons.
    const TWindowListEntry unsaved = TWindowListEntries::Document(QStringLiteral("Dokument1"), false, true, true);
    EXPECT_EQ(unsaved.caption, QStringLiteral("Dokument1 *"));
    EXPECT_EQ(unsaved.hint, QStringLiteral("Zum Dokument \"Dokument1\" wechseln."));
    EXPECT_TRUE(unsaved.iconFile.isEmpty());
}

TEST(MainWindowListEntries, ProjectEntriesShowTheGroupName)
{
    const TWindowListEntry group =
        TWindowListEntries::ProjectGroup(QStringLiteral("Shop"), QStringLiteral("/p/shop.qpg"), true, true);
    EXPECT_EQ(group.caption, QStringLiteral("Shop *"));
    EXPECT_EQ(group.hint, QStringLiteral("Zum Projekt \"Shop\" wechseln"));
    EXPECT_EQ(group.iconFile, QStringLiteral("/p/shop.qpg"));
    // A group without a name is called after its file.
    EXPECT_EQ(TWindowListEntries::ProjectGroup(QString(), QStringLiteral("/p/blog.qpg"), false, false).caption,
              QStringLiteral("blog"));
}

TEST(MainWindowListEntries, SelectedGroupIsNoneTheOnlyOneOrTheCurrentEntry)
{
    EXPECT_EQ(TWindowListEntries::SelectedGroup(0, -1), -1);
    EXPECT_EQ(TWindowListEntries::SelectedGroup(0, 0), -1);
    // With one group it is selected whatever the list shows.
    EXPECT_EQ(TWindowListEntries::SelectedGroup(1, -1), 0);
    EXPECT_EQ(TWindowListEntries::SelectedGroup(1, 3), 0);
    EXPECT_EQ(TWindowListEntries::SelectedGroup(3, 2), 2);
    EXPECT_EQ(TWindowListEntries::SelectedGroup(3, -1), -1);
    // A list not yet rebuilt after a group closed points nowhere.
    EXPECT_EQ(TWindowListEntries::SelectedGroup(2, 2), -1);
}

TEST(MainWindowSearchState, ANewSearchAndEveryTextChangeRestartTheSearch)
{
    TSearchState state;
    int told = 0;
    state.OnSearchChanged = [&told] { ++told; };
    EXPECT_FALSE(state.HasText());

    state.SetSearch(QStringLiteral("foo"), xsoCaseSensitive);
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(state.HasText());
    EXPECT_EQ(state.Options(), TVYRASearchOptions(xsoCaseSensitive));
    EXPECT_TRUE(state.TakeRestart());
    EXPECT_FALSE(state.TakeRestart());

    state.MarkRestart();
    EXPECT_TRUE(state.RestartPending());
    EXPECT_TRUE(state.TakeRestart());
    EXPECT_FALSE(state.RestartPending());
}

TEST(MainWindowLayoutStore, KeepsTheStateInLayoutDatAndReportsAFailedWrite)
{
    QTemporaryDir dir;
    const TLayoutStore store(dir.path());
    EXPECT_TRUE(store.Load().isEmpty());
    EXPECT_EQ(store.Save(QByteArray("\x00\x01state", 7)), QString());
    EXPECT_EQ(store.FileName(), dir.filePath(QStringLiteral("layout.dat")));
    EXPECT_EQ(store.Load(), QByteArray("\x00\x01state", 7));

    // A folder that cannot exist: the reason names the file, nothing is written.
    TestSupport::writeFile(dir.filePath(QStringLiteral("datei")), "x");
    const TLayoutStore blocked(dir.filePath(QStringLiteral("datei")));
    const QString error = blocked.Save("state");
    EXPECT_TRUE(error.startsWith(QStringLiteral("Die Fensteranordnung konnte nicht in der Datei")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("layout.dat")));
    EXPECT_EQ(TestSupport::readFile(dir.filePath(QStringLiteral("datei"))), QByteArray("x"));
}
