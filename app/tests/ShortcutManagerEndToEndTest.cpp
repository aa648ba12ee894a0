#include "StudioWindowFixture.h"
#include "TestSupport.h"
#include "commands/TActionRegistry.h"
#include "dialogs/TShortCutManager.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TTalvexStudioShortcutSettings.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <functional>

namespace {

// The program in-process on one data folder; "restarting" builds the core
// and the window again on the same folder.
class ShortcutManagerEndToEndTest : public StudioWindowFixture
{
protected:
    ShortcutManagerEndToEndTest() { fileDialogs = nullptr; }
    // One program run on the same data folders.
    void run()
    {
        start();
        QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
    }
    void SetUp() override
    {
        folders = shippedDataFolders(root);
        run();
    }
    // Runs the manager through its command; work drives the open dialog.
    void withManager(const std::function<void(TShortCutManager &)> &work)
    {
        bool ran = false;
        QTimer::singleShot(0, window.get(), [&] {
            auto *dialog = qobject_cast<TShortCutManager *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            ran = true;
            work(*dialog);
        });
        window->Registry().Action("ShortcutManager")->trigger();
        EXPECT_TRUE(ran);
    }
    void click(TShortCutManager &dialog, const char *name)
    {
        QTest::mouseClick(dialog.findChild<QPushButton *>(name), Qt::LeftButton);
    }
    QString shortcutCell(TShortCutManager &dialog, const QString &caption)
    {
        const auto items = dialog.List()->findItems(caption, Qt::MatchExactly, 0);
        return items.isEmpty() ? QStringLiteral("<keine Zeile>") : items.first()->text(1);
    }
    TTalvexStudioShortcutSettings &custom() const
    {
        return *qobject_cast<TTalvexStudioSettings *>(core->Settings())->CustomShortcuts();
    }
};

TEST_F(ShortcutManagerEndToEndTest, AChangedShortcutIsStoredAndTriggersItsCommandAfterARestart)
{
    const QKeySequence key(Qt::CTRL | Qt::SHIFT | Qt::Key_F11);
    ASSERT_TRUE(window->Registry().Action("HelpShowPlugins"));
    withManager([&](TShortCutManager &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Talvex Studio - Shortcut Manager");
        EXPECT_EQ(dialog.Hint()->text(), "Wählen Sie eine Aktion aus, um ihren Hinweistext anzuzeigen.");
        ASSERT_TRUE(dialog.Select("ShortcutManager"));
        EXPECT_EQ(dialog.Hint()->text(), "Tastenkürzel verwalten");
        dialog.HotKey()->setKeySequence(key);
        click(dialog, "btnApplyChange");
        EXPECT_EQ(shortcutCell(dialog, "Tastenkürzel verwalten..."), key.toString(QKeySequence::NativeText));
        dialog.accept();
    });
    EXPECT_EQ(window->Registry().Action("ShortcutManager")->shortcut(), key);
    ASSERT_NE(custom().GetSettingsItem("ShortcutManager"), nullptr);
    EXPECT_EQ(custom().GetSettingsItem("ShortcutManager")->Shortcut, 0x4000 | 0x2000 | 0x7A);
    EXPECT_EQ(custom().Count(), 1) << "only the changed command is stored";

    stop();
    run();
    EXPECT_EQ(window->Registry().Action("ShortcutManager")->shortcut(), key);
    // The key itself, typed into the window, opens the manager again.
    bool opened = false;
    QTimer::singleShot(0, window.get(), [&] {
        if (auto *dialog = qobject_cast<TShortCutManager *>(QApplication::activeModalWidget())) {
            opened = true;
            dialog->reject();
        }
    });
    QTest::keyClick(window.get(), Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(opened);
}

TEST_F(ShortcutManagerEndToEndTest, AKeyTakenByAnotherCommandIsWarnedAboutNamingBoth)
{
    const QKeySequence save = window->Registry().Action("FileSave")->shortcut();
    ASSERT_FALSE(save.isEmpty());
    prompter.answerButton(TPromptButton::No);
    withManager([&](TShortCutManager &dialog) {
        ASSERT_TRUE(dialog.Select("ShortcutManager"));
        dialog.HotKey()->setKeySequence(save);
        click(dialog, "btnApplyChange");
        EXPECT_EQ(shortcutCell(dialog, "Tastenkürzel verwalten..."), "") << "declined: unchanged";
        dialog.accept();
    });
    ASSERT_EQ(prompter.prompts().size(), 1);
    const TPrompt &warning = prompter.prompts().first();
    EXPECT_EQ(warning.caption, "Warnung");
    EXPECT_TRUE(warning.text.contains("\"Speichern\"")) << warning.text.toStdString();
    EXPECT_TRUE(warning.text.contains("\"Tastenkürzel verwalten...\"")) << warning.text.toStdString();
    EXPECT_TRUE(window->Registry().Action("ShortcutManager")->shortcut().isEmpty());
    EXPECT_EQ(custom().Count(), 0);
}

} // namespace
