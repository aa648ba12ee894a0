#include "editorwindow/TSimpleEditorWindow.h"
#include "ui/TScriptedPrompter.h"

#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SimpleEditorWindow, OpensReadableFilesAndReportsTheOthersThroughThePrompter)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath(QStringLiteral("seite.php"));
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<?php echo 'x'; ?>\n");
    file.close();
    const QString missing = dir.filePath(QStringLiteral("fehlt.php"));

    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    TSimpleEditorWindow window;
    window.openFiles({good, missing});

    ASSERT_EQ(window.tabs()->count(), 1);
    EXPECT_EQ(window.tabs()->tabText(0), QStringLiteral("seite.php"));
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts()[0].icon, TPromptIcon::Error);
    EXPECT_EQ(prompter.prompts()[0].caption, QStringLiteral("Fehler"));
    EXPECT_FALSE(prompter.prompts()[0].text.isEmpty());
}
