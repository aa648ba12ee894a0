#include "DocumentCommandsHost.h"
#include "documents/TCloseDialog.h"

#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

// The save-before-closing question: which entries need attention, and when
// the dialog may end with OK.

namespace {

using Host = DocumentCommandsHost;

QStringList treeOf(const TCloseDialogModel &model)
{
    QStringList tree;
    for (const TCloseDialogModel::TNode &node : model.Nodes()) {
        tree << node.text;
        for (const TCloseDialogModel::TNode &child : node.children)
            tree << QStringLiteral("  ") + child.text;
    }
    return tree;
}

// A project group the user made that has no file yet.
TVYRAProjectGroupItems *addUnsavedGroup(Host &host, const QString &name)
{
    auto group = std::make_unique<TVYRAProjectGroupItems>(host.groups(), QString(), false);
    group->SetProjectName(name);
    TVYRAProjectGroupItems *raw = group.get();
    host.groups()->Add(std::move(group));
    return raw;
}

} // namespace

TEST(CloseDialogFaults, NeverStoredEntriesAreAskedForEvenWhenUnmodified)
{
    Host host;
    // A new, empty document: never stored, not modified.
    ASSERT_EQ(host.commands->NewDocument(), 0);
    host.container->GetDefaultGroup()->SetModified(false);
    ASSERT_FALSE(host.doc(0)->GetModified());
    bool warned = false;
    host.closeScript.push_back([&](TCloseDialogModel &model) {
        warned = model.HasNeverStored();
        return TCloseAnswer::caCancel;
    });
    EXPECT_FALSE(host.commands->CloseAll());
    EXPECT_TRUE(warned);
    ASSERT_EQ(host.closeTrees.size(), 1);
    ASSERT_EQ(host.closeTrees[0].size(), 2);
    EXPECT_TRUE(host.closeTrees[0][1].endsWith(" (Datei nicht gefunden!)")) << host.closeTrees[0][1].toStdString();
    EXPECT_EQ(host.count(), 1);

    // An unmodified group without a file that holds a stored, unchanged document.
    Host other;
    TVYRAProjectGroupItems *group = addUnsavedGroup(other, "Entwurf");
    other.commands->OpenFiles({other.write("a.txt", "a")}, group);
    group->SetModified(false);
    if (other.container->IsDefaultGroupCreated())
        other.container->GetDefaultGroup()->SetModified(false);
    ASSERT_EQ(other.container->ProjectOf(other.doc(0)), group);
    EXPECT_FALSE(other.commands->CloseAll());
    ASSERT_EQ(other.closeTrees.size(), 1);
    EXPECT_EQ(other.closeTrees[0], QStringList({"Entwurf"}));
    EXPECT_EQ(other.count(), 1);
}

TEST(CloseDialog, TheUnchangedDefaultGroupWithStoredDocumentsAsksNothing)
{
    Host host;
    host.commands->OpenFiles({host.write("a.txt", "a")});
    host.container->GetDefaultGroup()->SetModified(false);
    TCloseDialogModel model(*host.container, {host.container->GetDefaultGroup()}, {}, {});
    EXPECT_EQ(model.AttentionCount(), 0);
    EXPECT_TRUE(model.Nodes().isEmpty());
}

TEST(CloseDialogFaults, CancelledSaveAsKeepsTheDialogOpenAndTheText)
{
    Host host;
    ASSERT_EQ(host.commands->NewDocument(), 0);
    host.type(0, "Entwurf");
    host.commands->OpenFiles({host.write("b.txt", "b")});
    host.type(1, "!");
    host.container->GetDefaultGroup()->SetModified(false);
    // The window itself: "Alle speichern" saves b.txt, the save-as of the new
    // document is cancelled (no answer scripted); the dialog must stay open.
    bool stillOpen = false;
    QStringList treeAfter;
    TCloseDialogModel model(
        *host.container, {host.container->GetDefaultGroup()},
        [&](TVYRADocument *document) { return host.commands->Save(host.container->Documents().IndexOf(document)); },
        [&](TVYRAProjectGroupItems *group) { return host.commands->SaveProjectGroup(group); });
    ASSERT_EQ(model.AttentionCount(), 2);
    TCloseDialog dialog(model, TCloseDialogMode::cdmExit, &host.window);
    QTimer::singleShot(0, &dialog, [&] {
        dialog.findChild<QPushButton *>("btnSaveAll")->click();
        stillOpen = dialog.isVisible();
        treeAfter = treeOf(model);
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(stillOpen);
    EXPECT_NE(dialog.Answer(), TCloseAnswer::caOk);
    EXPECT_EQ(host.read("b.txt"), "b!");
    ASSERT_EQ(treeAfter.size(), 2);
    EXPECT_EQ(dialog.Tree()->topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(host.text(0), "Entwurf");

    // Saving the last entries under a name ends the dialog with OK (the
    // group took the document's new name, so it is saved too).
    host.dialogs.answerSave(host.path("entwurf.txt"));
    host.dialogs.answerSave(host.path("g.qpg"));
    EXPECT_TRUE(model.SaveSelected({{0, 0}, {0, -1}}));
    EXPECT_EQ(host.read("entwurf.txt"), "Entwurf");
    EXPECT_EQ(model.AttentionCount(), 0);
}
