#include "commands/TActionCatalogue.h"
#include "commands/TActionRegistry.h"
#include "commands/TMenuBuilder.h"
#include "commands/TStandardMenuLayout.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

// A small window whose menus and main tool bar come from the registry.
class CommandMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registry.AddAll(TActionCatalogue::Standard());
        TMenuBuilder::BuildMenuBar(*window.menuBar(), registry, TStandardMenuLayout::MainMenu());
        toolBar = window.addToolBar(QStringLiteral("Standard"));
        TMenuBuilder::BuildToolBar(*toolBar, registry, TStandardMenuLayout::MainToolBar());
    }
    QMenu *menu(const char *name) { return window.findChild<QMenu *>(QString::fromLatin1(name)); }
    // The action names and separators ("-") and submenus ("[caption]") of a menu.
    static QStringList items(const QWidget *widget)
    {
        QStringList out;
        for (QAction *a : widget->actions())
            out << (a->isSeparator() ? QStringLiteral("-")
                    : a->menu()      ? QStringLiteral("[%1]").arg(a->text())
                                     : a->objectName());
        return out;
    }

    TActionRegistry registry;
    QMainWindow window;
    QToolBar *toolBar = nullptr;
};

TEST_F(CommandMenuTest, MenuBarInOrderWithGermanCaptions)
{
    QStringList captions;
    for (QAction *a : window.menuBar()->actions())
        captions << a->text();
    EXPECT_EQ(captions, QStringList({"&Datei", "&Bearbeiten", "F&ormat", "&Einfügen", "&Projekt", "&Werkzeuge",
                                     "E&xtras", "&Fenster", "&Hilfe"}));
}

TEST_F(CommandMenuTest, FileMenuOrderSeparatorsAndSubmenu)
{
    EXPECT_EQ(items(menu("mnuFile")),
              QStringList({"[&Neu]", "FileOpen", "FileOpenNew", "FileOpenTemplate", "-", "FileSave", "FileSaveAs",
                           "FileSaveAll", "-", "FileClose", "FileCloseAll", "-", "FileTemplateSettings",
                           "FileProperties", "-", "FilePrint", "FilePrintPreview", "-", "FileExit"}));
    // The "Neu" menu's first three items, before the templates.
    EXPECT_EQ(items(menu("mnuNew")), QStringList({"FileNew", "FileNewProject", "-"}));
    // Menu items are the registry's own actions, so enabling reaches them.
    EXPECT_EQ(menu("mnuFile")->actions()[1], registry.Action("FileOpen"));
}

TEST_F(CommandMenuTest, EveryCommandIsReachableFromAMenu)
{
    QSet<QString> inMenus;
    for (QMenu *m : window.findChildren<QMenu *>())
        for (QAction *a : m->actions())
            if (!a->isSeparator() && !a->menu())
                inMenus.insert(a->objectName());
    for (QAction *a : registry.Actions())
        EXPECT_TRUE(inMenus.contains(a->objectName())) << a->objectName().toStdString();
}

TEST_F(CommandMenuTest, ToolBarFromTheLayout)
{
    EXPECT_EQ(items(toolBar).mid(0, 5), QStringList({"FileNew", "FileOpen", "FileSave", "FileSaveAll", "-"}));
    EXPECT_EQ(toolBar->actions()[0], registry.Action("FileNew"));
}

TEST_F(CommandMenuTest, UnknownNamesInALayoutAreRefused)
{
    QMenu target;
    EXPECT_THROW(TMenuBuilder::BuildMenu(target, registry, {TMenuEntry::Item(QStringLiteral("FileSafe"))}),
                 std::invalid_argument);
    QToolBar bar;
    EXPECT_THROW(TMenuBuilder::BuildToolBar(bar, registry, {TMenuEntry::Menu("x", "x", {})}), std::invalid_argument);
    QMenuBar menuBar;
    EXPECT_THROW(TMenuBuilder::BuildMenuBar(menuBar, registry, {TMenuEntry::Item(QStringLiteral("FileNew"))}),
                 std::invalid_argument);
}

} // namespace
