#include "phpcheck/TPHPCheckSubject.h"
#include "preview/TPreviewDecisions.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestSupport.h"

TEST(PreviewDecisions, WhichFilesGoThroughPHP)
{
    EXPECT_TRUE(TPreviewDecisions::IsPHPFile("/a/index.PHP"));
    EXPECT_TRUE(TPreviewDecisions::IsPHPFile("x.phtml"));
    EXPECT_TRUE(TPreviewDecisions::IsPHPFile("x.php5"));
    EXPECT_FALSE(TPreviewDecisions::IsPHPFile("x.php6"));
    EXPECT_FALSE(TPreviewDecisions::IsPHPFile("x.html"));
    EXPECT_FALSE(TPreviewDecisions::IsPHPFile("Dokument1"));
    // Unknown extensions go through PHP only when the setting says so.
    EXPECT_FALSE(TPreviewDecisions::GoesThroughPHP(false, "x.html"));
    EXPECT_TRUE(TPreviewDecisions::GoesThroughPHP(true, "x.html"));
    EXPECT_TRUE(TPreviewDecisions::GoesThroughPHP(false, "x.Php"));
}

TEST(PreviewDecisions, LocalHostAddressInsideAndOutsideTheWebRoot)
{
    EXPECT_EQ(TPreviewDecisions::PathBelow("/www", "/www/a/b.php"), "a/b.php");
    EXPECT_EQ(TPreviewDecisions::PathBelow("/www/", "/www/b.php"), "b.php");
    EXPECT_EQ(TPreviewDecisions::PathBelow("/www", "/www2/x"), ""); // a sibling with the same start
    EXPECT_EQ(TPreviewDecisions::PathBelow("/www", "/www"), "");
    EXPECT_EQ(TPreviewDecisions::PathBelow("/www", "/www/../etc/passwd"), "");
    EXPECT_EQ(TPreviewDecisions::PathBelow("", "/www/b.php"), "");
    EXPECT_EQ(TPreviewDecisions::PathBelow("/WWW", "/www/b.php"), ""); // paths are case-sensitive here
    EXPECT_EQ(TPreviewDecisions::AddressOf("http://localhost/", "a b/c#1.php"), "http://localhost/a%20b/c%231.php");
    EXPECT_EQ(TPreviewDecisions::AddressOf("http://127.0.0.1:8080", "x.php"), "http://127.0.0.1:8080/x.php");
}

TEST(PreviewDecisions, BrowserParametersAreSubstitutedPerArgumentWithoutAShell)
{
    const QString target = "file:///tmp/a b/x\";rm -rf ~;\".htm";
    EXPECT_EQ(TPreviewDecisions::BrowserArguments("\"%filename%\"", target), QStringList{target});
    EXPECT_EQ(TPreviewDecisions::BrowserArguments("-url \"%filename%\"", target), (QStringList{"-url", target}));
    EXPECT_EQ(TPreviewDecisions::BrowserArguments("--new-window %FILENAME% --x=%filename%", "u"),
              (QStringList{"--new-window", "u", "--x=u"}));
    EXPECT_EQ(TPreviewDecisions::BrowserArguments("", "u"), QStringList{"u"});
}

TEST(PreviewDecisions, OnlyAPlainUnchangedFileIsCheckedFromDisk)
{
    QTemporaryDir dir;
    const QString php = dir.filePath("a.php");
    const QString stored = dir.filePath("a.qcd");
    TestSupport::writeFile(php, "<?php echo 1;");
    TestSupport::writeFile(stored, "cipher");
    EXPECT_TRUE(TPHPCheckSubject::FileHoldsEditorText(php, true, false, false, true));
    EXPECT_FALSE(TPHPCheckSubject::FileHoldsEditorText(php, true, true, false, true));  // modified
    EXPECT_FALSE(TPHPCheckSubject::FileHoldsEditorText(php, true, false, true, true));  // enciphered
    EXPECT_FALSE(TPHPCheckSubject::FileHoldsEditorText(php, true, false, false, false)); // rich text
    EXPECT_FALSE(TPHPCheckSubject::FileHoldsEditorText(stored, true, false, false, true));
    EXPECT_FALSE(TPHPCheckSubject::FileHoldsEditorText(dir.filePath("gone.php"), true, false, false, true));
    EXPECT_FALSE(TPHPCheckSubject::FileHoldsEditorText(php, false, false, false, true)); // never saved
}
