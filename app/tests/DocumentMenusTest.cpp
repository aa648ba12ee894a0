#include "DocumentCommandsHost.h"

#include "documents/TCloseDialog.h"
#include "documents/TRecentFilesMenu.h"
#include "documents/TTemplateMenu.h"
#include "documents/TVYRATemplate.h"
#include "snippets/TVYRAMRUList.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

using Host = DocumentCommandsHost;

QList<QAction *> entries(const QMenu &menu)
{
    QList<QAction *> result;
    for (QAction *action : menu.actions()) {
        if (!action->isSeparator())
            result << action;
    }
    return result;
}

} // namespace

TEST(RecentFilesMenu, FillsTheMenuAndOpensTheChosenFile)
{
    Host host;
    TVYRAMRUList &recent = *host.core->RecentFiles();
    recent.ClearList();
    QStringList files;
    for (int i = 5; i >= 1; --i) {
        files.prepend(host.write(QStringLiteral("%1.txt").arg(i), "x"));
        recent.ExpandList(files.first());
    }
    TRecentFilesMenu filler(recent, *host.commands);
    QMenu menu;
    filler.Fill(&menu);
    ASSERT_EQ(menu.actions().size(), 6);
    EXPECT_TRUE(menu.actions()[3]->isSeparator());
    const QList<QAction *> items = entries(menu);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&1  %1").arg(files[0]));
    EXPECT_EQ(items[0]->statusTip(), "Öffnet die ausgewählte Datei in Talvex Studio.");
    items[2]->trigger();
    ASSERT_EQ(host.count(), 1);
    EXPECT_EQ(host.doc(0)->GetFileName(), files[2]);
    // Filled again, the old entries go.
    filler.Fill(&menu);
    EXPECT_EQ(entries(menu).size(), 5);
}

TEST(TemplateMenu, AddsOneItemPerTemplateAfterTheFixedItems)
{
    Host host;
    const QString folder = host.core->GetTemplateDir();
    QDir().mkpath(folder);
    ASSERT_TRUE(TVYRATemplate::CreateTemplate(QDir(folder).filePath("seite.qtf"), "HTML-Seite", "<html></html>", {},
                                              true));
    QMenu menu;
    menu.addAction("Neues Dokument");
    menu.addAction("Neues Projekt");
    menu.addSeparator();
    menu.addAction("alt");
    TTemplateMenu filler(*host.core, *host.commands);
    filler.Fill(&menu);
    ASSERT_EQ(menu.actions().size(), 4);
    QAction *item = menu.actions()[3];
    EXPECT_EQ(item->objectName(), "FileNewTemplate_0");
    EXPECT_EQ(item->text(), "HTML-Seite");
    EXPECT_EQ(item->statusTip(), "Öffnet die Vorlage \"HTML-Seite\"");
    item->trigger();
    ASSERT_EQ(host.count(), 1);
    EXPECT_EQ(host.text(0), "<html></html>");
    EXPECT_FALSE(host.doc(0)->GetFileExists()) << "a new document, not the template";
}

TEST(CloseDialog, ShowsTheUnsavedEntriesAndLeavesOnTheModeButton)
{
    Host host;
    host.commands->OpenFiles({host.write("a.txt", "a"), host.write("b.txt", "b")});
    host.commands->NewDocument();
    host.type(0, "!");
    TCloseDialogModel model(
        *host.container, {host.container->GetDefaultGroup()}, [](TVYRADocument *) { return false; },
        [](TVYRAProjectGroupItems *) { return false; });
    TCloseDialog dialog(model, TCloseDialogMode::cdmExit);
    EXPECT_EQ(dialog.windowTitle(), "Talvex Studio - Beenden");
    ASSERT_EQ(dialog.Tree()->topLevelItemCount(), 1);
    QTreeWidgetItem *group = dialog.Tree()->topLevelItem(0);
    EXPECT_TRUE(group->isExpanded());
    ASSERT_EQ(group->childCount(), 2) << "the modified and the never-saved document";
    EXPECT_EQ(group->child(0)->text(0), "a.txt *");
    EXPECT_EQ(group->child(1)->text(0), "Dokument1 (Datei nicht gefunden!)");
    auto *mode = dialog.findChild<QPushButton *>("btnMode");
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->text(), "Beenden ohne Speichern");
    bool warningShown = false;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        warningShown |= label->text().startsWith("Achtung:") && !label->isHidden();
    EXPECT_TRUE(warningShown);
    QTest::mouseClick(mode, Qt::LeftButton);
    EXPECT_EQ(dialog.Answer(), TCloseAnswer::caLeaveWithoutSaving);
}

TEST(CloseDialog, SaveWithAFailingSaveStaysOpen)
{
    Host host;
    host.commands->OpenFiles({host.write("a.txt", "a")});
    host.type(0, "!");
    int saves = 0;
    TCloseDialogModel model(
        *host.container, {host.container->GetDefaultGroup()},
        [&](TVYRADocument *) {
            ++saves;
            return false;
        },
        [](TVYRAProjectGroupItems *) { return false; });
    TCloseDialog dialog(model, TCloseDialogMode::cdmCloseDocuments);
    dialog.Tree()->topLevelItem(0)->child(0)->setSelected(true);
    dialog.SaveSelected();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(dialog.Answer(), TCloseAnswer::caCancel) << "not closed with OK";
    EXPECT_EQ(dialog.result(), 0);
    dialog.SaveAll();
    EXPECT_EQ(saves, 2);
    EXPECT_NE(dialog.Answer(), TCloseAnswer::caOk);
}
