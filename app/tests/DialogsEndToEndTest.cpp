#include "StudioWindowFixture.h"
#include "TestSupport.h"
#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "container/TVYRADocumentEditorLink.h"
#include "dialogs/TAddSnippetForm.h"
#include "dialogs/TDialogsFeature.h"
#include "dialogs/TPluginForm.h"
#include "dialogs/TPluginListModel.h"
#include "dialogs/TProperties.h"
#include "dialogs/TSnippetsPanel.h"
#include "documents/TVYRADocument.h"
#include "facade/TEditorControl.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "plugins/TVYRAPlugins.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "snippets/TSnippets.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <functional>
#include <iostream>

namespace {

// The program in-process with its studio features over the build tree,
// whose Packages/Plugins holds the sample plug-ins.
class DialogsEndToEndTest : public StudioWindowFixture
{
protected:
    DialogsEndToEndTest() { fileDialogs = nullptr; }

    TVYRADocument *open(const QString &name, const QByteArray &content)
    {
        const QString path = root.filePath(name);
        TestSupport::writeFile(path, content);
        window->OpenFiles({path});
        QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
        return window->ActiveDocument();
    }
    TEditorControl editorOf(TVYRADocument *document) const
    {
        return TEditorControl(core->Container()->Documents().EntryOf(document)->link.get());
    }
    // Triggers a command whose dialog work then drives; false when none opened.
    template <class TDialog>
    bool withDialog(const char *command, const std::function<void(TDialog &)> &work)
    {
        bool ran = false;
        QTimer::singleShot(0, window.get(), [&] {
            if (auto *dialog = qobject_cast<TDialog *>(QApplication::activeModalWidget())) {
                ran = true;
                work(*dialog);
                if (dialog->isVisible())
                    dialog->reject();
            }
        });
        window->UpdateNow();
        window->Registry().Action(command)->trigger();
        return ran;
    }
    QTreeWidgetItem *findItem(QTreeWidget &tree, const QString &text) const
    {
        const auto items = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return items.isEmpty() ? nullptr : items.first();
    }
};

TEST_F(DialogsEndToEndTest, ADoubleClickedSnippetGoesToTheCaretWhereItsMarkerSays)
{
    TSnippetsPanel *panel = features->Dialogs().SnippetsPanel();
    ASSERT_TRUE(panel);
    TSnippetGroup *group = core->Snippets()->RootGroup()->AddGroup("Test");
    group->AddSnippet(std::make_unique<TSnippet>("Fett", "<b>%cursor%</b>", ""));
    panel->Refresh();
    // The quick-bar page, shown.
    for (QWidget *parent = panel->parentWidget(); parent; parent = parent->parentWidget())
        if (auto *dock = qobject_cast<QDockWidget *>(parent))
            dock->show();

    TVYRADocument *document = open("seite.html", "ab");
    ASSERT_TRUE(document);
    editorOf(document).SetSelection(1, 0);
    QTreeWidgetItem *item = findItem(*panel, "Fett");
    ASSERT_TRUE(item);
    panel->setCurrentItem(item);
    emit panel->itemDoubleClicked(item, 0);
    EXPECT_EQ(editorOf(document).Text(), "a<b></b>b");
    EXPECT_EQ(editorOf(document).SelStart(), 4);

    // The command inserts the selected one too.
    window->UpdateNow();
    window->Registry().Action("SnippetInsert")->trigger();
    EXPECT_EQ(editorOf(document).Text(), "a<b><b></b></b>b");
}

TEST_F(DialogsEndToEndTest, ASnippetMadeFromTheSelectionIsStoredAndListed)
{
    TSnippetGroup *own = core->Snippets()->RootGroup()->AddGroup("Testgruppe");
    own->AddGroup("Tabellen");
    const int ownIndex = core->Snippets()->RootGroup()->GetGroupCount() - 1;
    features->Dialogs().SnippetsPanel()->Refresh();
    TVYRADocument *document = open("seite.php", "Hallo <td></td> Welt");
    ASSERT_TRUE(document);
    editorOf(document).SetSelection(6, 9);
    QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
    const bool shown = withDialog<TAddSnippetForm>("FormatCreateSnippetFromSelText", [](TAddSnippetForm &form) {
        EXPECT_EQ(form.windowTitle(), "Code-Snippet hinzufügen...");
        EXPECT_EQ(form.TextEdit()->toPlainText(), "<td></td>");
        EXPECT_EQ(form.NameEdit()->text(), "Neues Code-Snippet");
        const int tables = form.Groups()->findText("Testgruppe -> Tabellen");
        ASSERT_GE(tables, 0);
        form.Groups()->setCurrentIndex(tables);
        form.NameEdit()->setText("Zelle");
        form.ShortTextEdit()->setText("td");
        form.accept();
    });
    ASSERT_TRUE(shown);
    TSnippets reread(core->Snippets()->FileName());
    ASSERT_EQ(reread.RootGroup()->GetGroupCount(), ownIndex + 1);
    const TSnippetGroup *tables = reread.RootGroup()->GetGroup(ownIndex)->GetGroup(0);
    ASSERT_TRUE(tables);
    ASSERT_EQ(tables->GetSnippetCount(), 1);
    EXPECT_EQ(tables->GetSnippet(0)->Name, "Zelle");
    EXPECT_EQ(tables->GetSnippet(0)->Code, "<td></td>");
    EXPECT_EQ(tables->GetSnippet(0)->Shortcut, "td");
    EXPECT_TRUE(findItem(*features->Dialogs().SnippetsPanel(), "Zelle"));
}

TEST_F(DialogsEndToEndTest, ThePropertiesShowTheFileAndItsTextStatistics)
{
    ASSERT_TRUE(open("notiz.txt", "Hallo"));
    const bool shown = withDialog<TProperties>("FileProperties", [](TProperties &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Eigenschaften von notiz.txt");
        EXPECT_EQ(dialog.findChild<QLabel *>("lblStatistics")->text(), "5 Zeichen, 1 Wort");
        EXPECT_EQ(dialog.findChild<QLabel *>("lblFileSize")->text(), "5 Byte");
        EXPECT_EQ(dialog.CipherList(), nullptr) << "the file section only";
    });
    EXPECT_TRUE(shown);
}

TEST_F(DialogsEndToEndTest, ThePluginListShowsTheSamplesAndRefusesALoadedNameBeforeLoading)
{
    TVYRAPlugins *plugins = core->Plugins();
    ASSERT_TRUE(plugins);
    const int loaded = plugins->FindLoadedPlugin("Zeilenzaehler.so");
    ASSERT_GE(loaded, 0);
    const bool shown = withDialog<TPluginForm>("HelpShowPlugins", [](TPluginForm &form) {
        EXPECT_EQ(form.windowTitle(), "Talvex Studio - Zusatzmodule (Plugins)");
        EXPECT_FALSE(form.List()->findItems("Zeilenzaehler.so", Qt::MatchExactly).isEmpty());
    });
    EXPECT_TRUE(shown);

    // A file of that name elsewhere, which would fail to load if it were tried.
    const QString copy = root.filePath("anderswo/Zeilenzaehler.so");
    TestSupport::writeFile(copy, "kein Modul");
    const int before = plugins->Count();
    TPluginListModel model(*plugins, core->PluginDir());
    EXPECT_EQ(model.State(loaded), TPluginListModel::psActive);
    EXPECT_FALSE(model.Add(copy));
    EXPECT_EQ(plugins->Count(), before);
    ASSERT_FALSE(prompter.prompts().isEmpty());
    EXPECT_TRUE(prompter.prompts().last().text.startsWith(
        "Es ist bereits ein Zusatzmodul mit dem Dateinamen \"Zeilenzaehler.so\" in Talvex Studio geladen."));
    EXPECT_EQ(prompter.prompts().last().caption, "Fehler");
}

} // namespace
