#include "ShippedDataFolders.h"
#include "TestSupport.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TScriptedFileDialogs.h"
#include "facade/TVYRAEditor.h"
#include "facade/TVYRATextAttributes.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "plugins/TVYRAInterfaceCounter.h"
#include "plugins/TVYRAPlugin.h"
#include "plugins/TVYRAPlugins.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The program as the start-up assembles it, over the build tree, whose
// Packages/Plugins holds the sample plug-ins.
struct SampleRun {
    explicit SampleRun(const TDataFolders &folders)
    {
        core = programCore.Create(folders);
        core->Settings()->DefaultEditor()->EditorMode = true;
        window = std::make_unique<TMainForm>(*core, TEditorCompletion{programCore.CompletionService(), [] {
                                                 return false;
                                             }});
        features = std::make_unique<TStudioFeatures>(*core, *window, &dialogs);
    }
    ~SampleRun()
    {
        features.reset();
        window.reset();
        core.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QAction *item(const QString &name) const { return window->menuBar()->findChild<QAction *>(name); }
    TVYRAEditor *newDocument(const QString &text, int selStart, int selLength)
    {
        TVYRADocumentContainer &container = *core->Container();
        container.NewDocument();
        editor = container.GetEditor(container.GetActiveDocumentIndex());
        editor->SetText(text);
        TVYRATextAttributes attributes(editor.get());
        attributes.SetSelStart(selStart);
        attributes.SetSelLength(selLength);
        return editor.get();
    }

    TScriptedFileDialogs dialogs;
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TMainForm> window;
    std::unique_ptr<TStudioFeatures> features;
    std::unique_ptr<TVYRAEditor> editor;
};

} // namespace

TEST(PluginSamples, TheThreeSamplesLoadAddTheirMenuItemsAndAnswerClicks)
{
    QTemporaryDir root;
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    const int liveBefore = TVYRAInterfaceCounter::Live();
    {
        SampleRun run(shippedDataFolders(root));
        TVYRAPlugins *plugins = run.core->Plugins();
        ASSERT_TRUE(plugins);
        for (const char *file : {"EditorInfo.so", "Grossbuchstaben.so", "Zeilenzaehler.so"}) {
            const TVYRAPlugin *plugin = plugins->Items(plugins->FindLoadedPlugin(QString::fromLatin1(file)));
            ASSERT_TRUE(plugin) << file;
            EXPECT_TRUE(plugin->Active()) << file << ": " << plugin->ErrorText().toStdString();
        }
        QMenu *pluginsMenu = run.window->Menu(QStringLiteral("mmPlugins"));
        ASSERT_TRUE(pluginsMenu);
        const QList<QAction *> bar = run.window->menuBar()->actions();
        EXPECT_EQ(bar.indexOf(pluginsMenu->menuAction()), bar.size() - 3)
            << "before the Help menu, which the framework sample's menu follows";

        // The framework sample answers through the application's message box.
        QAction *info = run.item(QStringLiteral("mnuSampleEditorInfoShow"));
        ASSERT_TRUE(info);
        info->trigger();
        ASSERT_EQ(prompter.prompts().size(), 1);
        EXPECT_EQ(prompter.prompts()[0].caption, "Über den Editor");
        EXPECT_EQ(prompter.prompts()[0].text, "Programmordner: " + run.core->GetAppDir());

        // The question/answer sample turns the selection into capitals.
        TVYRAEditor *editor = run.newDocument(QStringLiteral("grüße aus köln"), 6, 3);
        run.item(QStringLiteral("mmEPSPlugin_Grossbuchstaben"))->trigger();
        EXPECT_EQ(editor->GetText(), "grüße AUS köln");

        // The call-back sample writes the line count over the selection.
        editor = run.newDocument(QStringLiteral("a\nb\nc\n"), 6, 0);
        run.item(QStringLiteral("mmLoomexSlave_Zeilenzaehler"))->trigger();
        EXPECT_EQ(editor->GetText(), "a\nb\nc\nZeilen: 4");
    }
    EXPECT_EQ(TVYRAInterfaceCounter::Live(), liveBefore) << "the sample released the application";
}
