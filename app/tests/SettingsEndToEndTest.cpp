#include "StudioWindowFixture.h"
#include "TestSupport.h"
#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TDocumentCommands.h"
#include "editor/TCodeEditor.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "settings/TEditorStandardsPage.h"
#include "settings/TSettingsForm.h"
#include "settings/TSettingsPageList.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "settings/TVYRASettings.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Works the settings dialog once it is up: step runs on the first showing,
// a later showing is cancelled.
class TSettingsDriver : public QObject
{
public:
    explicit TSettingsDriver(std::function<void(TSettingsForm &)> step)
        : m_step(std::move(step))
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *form = qobject_cast<TSettingsForm *>(QApplication::activeModalWidget());
            if (!form)
                return;
            if (++shown == 1)
                m_step(*form);
            else
                form->reject();
        });
        m_timer.start();
    }
    int shown = 0;

private:
    std::function<void(TSettingsForm &)> m_step;
    QTimer m_timer;
};

class SettingsEndToEndTest : public StudioWindowFixture
{
protected:
    SettingsEndToEndTest() { fileDialogs = nullptr; }
    // One program run on the same data folders.
    void run()
    {
        start();
        window->resize(1000, 700);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void SetUp() override
    {
        folders = shippedDataFolders(root);
        run();
    }
    TCodeEditor *newEditor()
    {
        const int index = features->Documents().NewDocument();
        QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
        window->UpdateNow();
        return index >= 0 ? core->Container()->GetSynEdit(index) : nullptr;
    }
    void choose(const QString &name)
    {
        window->UpdateNow();
        QAction *command = window->Registry().Action(name);
        ASSERT_TRUE(command) << name.toStdString();
        ASSERT_TRUE(command->isEnabled()) << name.toStdString();
        command->trigger();
    }
};

// A family this computer has that the editors do not use yet.
QString otherFamily(const QString &current)
{
    for (const QString &family : QFontDatabase::families())
        if (family != current && QFontDatabase::isFixedPitch(family))
            return family;
    for (const QString &family : QFontDatabase::families())
        if (family != current)
            return family;
    return {};
}

} // namespace

TEST_F(SettingsEndToEndTest, EditorFontChangedInTheDialogHoldsInOpenEditorsAndAfterARestart)
{
    TCodeEditor *editor = newEditor();
    ASSERT_TRUE(editor);
    const QString family = otherFamily(editor->editorFont().family());
    ASSERT_FALSE(family.isEmpty()) << "the test machine has fonts";

    int shownPage = -1;
    auto driver = std::make_unique<TSettingsDriver>([&](TSettingsForm &form) {
        shownPage = form.CurrentPage();
        TEditorStandardsPage &page = *form.Page<TEditorStandardsPage>();
        page.FontBox()->setCurrentFont(QFont(family));
        page.SizeBox()->setValue(17);
        EXPECT_TRUE(form.ApplyButton()->isEnabled());
        QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    });
    choose(QStringLiteral("SettingsShow"));
    EXPECT_EQ(driver->shown, 1);
    driver.reset();
    EXPECT_EQ(shownPage, TSettingsPageList::Editor);
    // The open editor takes the font at once.
    EXPECT_EQ(editor->editorFont().family(), family);
    EXPECT_EQ(editor->editorFont().pointSize(), 17);

    // The snippet command opens the same dialog on the snippet page.
    int snippetPage = -1;
    TSettingsDriver snippets([&](TSettingsForm &form) {
        snippetPage = form.CurrentPage();
        form.reject();
    });
    choose(QStringLiteral("SnippetEdit"));
    EXPECT_EQ(snippetPage, TSettingsPageList::Snippets);

    stop();
    run();
    TCodeEditor *afterRestart = newEditor();
    ASSERT_TRUE(afterRestart);
    EXPECT_EQ(afterRestart->editorFont().family(), family);
    EXPECT_EQ(afterRestart->editorFont().pointSize(), 17);
    for (const TPrompt &prompt : prompter.prompts())
        ADD_FAILURE() << "unexpected message: " << prompt.text.toStdString();
}
