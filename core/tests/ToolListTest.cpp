#include "tools/TToolApplication.h"
#include "tools/TToolCallBack.h"
#include "tools/TVYRAToolList.h"
#include "ui/TScriptedPrompter.h"
#include "utils/VYRAExceptions.h"
#include "utils/VersionInfo.h"

#include "TestSupport.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// An editor with one document, recording what tool modules do to it.
class FakeApplication : public TToolApplication
{
public:
    bool hasDocument = true;
    bool commandsSucceed = true;
    QString text = QStringLiteral("<?php echo 1;");
    QStringList log;

    bool CanEditDocuments() const override { return hasDocument; }
    QString ActiveEditorText() const override { return text; }
    void SetActiveEditorText(const QString &value) override { text = value; }
    QString ActiveDocumentFileName() const override { return QStringLiteral("/srv/www/index.php"); }
    QString ActiveDocumentFileVersion() const override { return QStringLiteral("1.2"); }
    QString ActiveDocumentCipherName() const override { return QStringLiteral("AES-256"); }
    bool ActiveDocumentHasNoCipher() const override { return false; }
    int ActiveDocumentIndex() const override { return 3; }
    bool SetActiveDocumentEditorMode(bool codeEditor) override { return did(QStringLiteral("mode %1").arg(codeEditor)); }
    bool SetActiveEditorHighlighter(const QString &name) override { return did(QStringLiteral("highlighter ") + name); }
    bool OpenFile(const QString &fileName) override { return did(QStringLiteral("open ") + fileName); }
    bool OpenFileEx(const QString &fileName, int index) override
    {
        return did(QStringLiteral("openex %1 %2").arg(fileName).arg(index));
    }
    bool CloseActiveDocument() override { return did(QStringLiteral("close")); }
    bool SaveActiveDocument() override { return did(QStringLiteral("save")); }
    bool NewDocument() override { return did(QStringLiteral("new")); }
    QString SettingsFileName() const override { return QStringLiteral("/home/u/settings.xml"); }
    std::uintptr_t IconHandle() const override { return 42; }
    std::uintptr_t MainWindowHandle() const override { return 4711; }

private:
    bool did(const QString &what)
    {
        log << what;
        return commandsSucceed;
    }
};

// Installs an application for the tool call-back during one test.
class ApplicationScope
{
public:
    explicit ApplicationScope(TToolApplication *application) : m_previous(TToolCallBack::Application())
    {
        TToolCallBack::SetApplication(application);
    }
    ~ApplicationScope() { TToolCallBack::SetApplication(m_previous); }

private:
    TToolApplication *m_previous;
};

QString fixtureTool(const QString &name)
{
    return TestSupport::buildDir() + QStringLiteral("/tests/fixtures/tools/") + name + QStringLiteral(".so");
}

int32_t execute(TToolApplication *application, int32_t code, QString &value)
{
    return TToolCallBack::Execute(application, code, value);
}

bool waitForFile(const QString &fileName)
{
    QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(fileName) && !deadline.hasExpired())
        QThread::msleep(20);
    return QFileInfo::exists(fileName);
}

class ToolListTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ToolListTest, SaveRewritesTheFileToHoldExactlyTheList)
{
    // The second entry keeps its extra element; the third and the comment's
    // neighbour go; the texts are escaped and read back unchanged.
    TestSupport::writeFile(path("tools.xml"),
                           "<tools>\n"
                           "  <tool><file>/usr/bin/php</file><params>-l</params><name>PHP</name></tool>\n"
                           "  <!-- Kommentar -->\n"
                           "  <entry><name>Alt</name><icon>x.png</icon></entry>\n"
                           "  <tool><file>/bin/weg</file></tool>\n"
                           "</tools>\n");
    TVYRAToolList tools(path("tools.xml"));
    ASSERT_EQ(tools.GetCount(), 3);
    EXPECT_EQ(tools.GetTool(0)->Params, QStringLiteral("-l"));
    EXPECT_EQ(tools.GetTool(1)->FileName, QString());
    tools.GetTool(1)->FileName = QStringLiteral("/opt/a&b/<tool>");
    tools.GetTool(1)->Params = QStringLiteral("\"%1\" --x='y'");
    tools.DeleteTool(2);
    ASSERT_TRUE(tools.Save());

    const QByteArray file = TestSupport::readFile(path("tools.xml"));
    EXPECT_TRUE(file.contains("<icon>x.png</icon>")) << file.constData();
    EXPECT_FALSE(file.contains("/bin/weg"));
    TVYRAToolList again(path("tools.xml"));
    ASSERT_EQ(again.GetCount(), 2);
    EXPECT_EQ(again.GetTool(1)->FileName, QStringLiteral("/opt/a&b/<tool>"));
    EXPECT_EQ(again.GetTool(1)->Params, QStringLiteral("\"%1\" --x='y'"));
    EXPECT_EQ(again.GetTool(1)->Name, QStringLiteral("Alt"));

    again.AddTool(std::make_unique<TVYRATool>(QStringLiteral("/usr/bin/tidy"), QString(), QStringLiteral("Tidy")));
    again.AddTool(std::make_unique<TVYRATool>(QStringLiteral("/usr/bin/xmllint"), QString(), QStringLiteral("Lint")));
    ASSERT_TRUE(again.Save());
    TVYRAToolList third(path("tools.xml"));
    ASSERT_EQ(third.GetCount(), 4);
    EXPECT_EQ(third.GetTool(3)->Name, QStringLiteral("Lint"));
    EXPECT_TRUE(TestSupport::readFile(path("tools.xml")).contains("<tool>"));
}

TEST_F(ToolListTest, MissingFileIsCreatedAndAnEmptyListEmptiesIt)
{
    TVYRAToolList tools(path("neu/tools.xml"));
    EXPECT_EQ(tools.GetCount(), 0);
    tools.AddTool(std::make_unique<TVYRATool>(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")));
    ASSERT_TRUE(tools.Save());
    tools.DeleteTool(0);
    ASSERT_TRUE(tools.Save());
    EXPECT_EQ(TVYRAToolList(path("neu/tools.xml")).GetCount(), 0);
}

TEST_F(ToolListTest, ForeignAndDamagedFilesAreNeitherReadNorOverwritten)
{
    const QByteArray foreign = "<snippets><tool><file>/bin/x</file></tool></snippets>";
    TestSupport::writeFile(path("tools.xml"), foreign);
    TVYRAToolList tools(path("tools.xml"));
    EXPECT_EQ(tools.GetCount(), 0);
    tools.AddTool(std::make_unique<TVYRATool>(QStringLiteral("/bin/y"), QString(), QStringLiteral("y")));
    TOperationResult saved = tools.Save();
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.errorText.contains(path("tools.xml"))) << saved.errorText.toStdString();
    EXPECT_EQ(TestSupport::readFile(path("tools.xml")), foreign);

    const QByteArray damaged = "<tools><tool>";
    TestSupport::writeFile(path("tools.xml"), damaged);
    EXPECT_THROW(TVYRAToolList broken(path("tools.xml")), EInvalidVYRAFormat);
    saved = tools.Save();
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.errorText.contains(path("tools.xml")));
    EXPECT_EQ(TestSupport::readFile(path("tools.xml")), damaged);
}

TEST_F(ToolListTest, SearchToolComparesExactlyByTheChosenField)
{
    TVYRAToolList tools(path("tools.xml"));
    tools.AddTool(std::make_unique<TVYRATool>(QStringLiteral("/usr/bin/php"), QStringLiteral("-l"), QStringLiteral("PHP")));
    tools.AddTool(std::make_unique<TVYRATool>(QStringLiteral("/usr/bin/PHP"), QStringLiteral("-l"), QStringLiteral("php")));
    EXPECT_EQ(tools.SearchTool(QStringLiteral("/usr/bin/PHP"), tsoFileName), 1);
    EXPECT_EQ(tools.SearchTool(QStringLiteral("-l"), tsoParameter), 0);
    EXPECT_EQ(tools.SearchTool(QStringLiteral("php"), tsoName), 1);
    EXPECT_EQ(tools.SearchTool(QStringLiteral("Perl"), tsoName), -1);
    EXPECT_EQ(tools.SearchTool(QStringLiteral("PHP"), tsoFileName), -1);
}

TEST(ToolCallBackTest, CodesAnswerFromTheApplication)
{
    FakeApplication app;
    QString value;
    const auto ask = [&](int32_t code) {
        value = QStringLiteral("vorher");
        return execute(&app, code, value);
    };
    EXPECT_EQ(ask(1), 0);
    EXPECT_EQ(value, QStringLiteral("<?php echo 1;"));
    EXPECT_EQ(ask(2), 0);
    EXPECT_EQ(value, QStringLiteral("/srv/www/index.php"));
    EXPECT_EQ(ask(3), 0);
    EXPECT_EQ(value, QStringLiteral("Version %1. Built on %2.").arg(GetVersion(), GetDate()));
    EXPECT_EQ(ask(4), 0);
    EXPECT_EQ(value, QStringLiteral("1.2"));
    EXPECT_EQ(ask(5), 0);
    EXPECT_EQ(value, QStringLiteral("AES-256"));
    EXPECT_EQ(ask(6), 0);
    EXPECT_EQ(value, QStringLiteral("False"));
    EXPECT_EQ(ask(8), 0);
    EXPECT_EQ(value, QString::number(GetIntVersion()));
    EXPECT_EQ(ask(10), 0);
    EXPECT_EQ(value, QStringLiteral("/home/u/settings.xml"));
    EXPECT_EQ(ask(11), 0);
    EXPECT_EQ(value, QStringLiteral("42"));
    EXPECT_EQ(ask(777), 0);
    EXPECT_EQ(value, QStringLiteral("4711"));
    for (int32_t unknown : {0, 9, 12, 25, 776, -1}) {
        EXPECT_EQ(ask(unknown), 999) << unknown;
        EXPECT_EQ(value, QStringLiteral("vorher"));
    }
}

TEST(ToolCallBackTest, CommandsReachTheApplicationAndReportFailure)
{
    FakeApplication app;
    QString value = QStringLiteral("neuer Text");
    EXPECT_EQ(execute(&app, 15, value), 0);
    EXPECT_EQ(app.text, QStringLiteral("neuer Text"));
    for (const QString &mode : QStringList{"1", "TRUE", "true", "0", "ja", ""}) {
        value = mode;
        EXPECT_EQ(execute(&app, 16, value), 0);
    }
    value = QStringLiteral("PHP");
    EXPECT_EQ(execute(&app, 17, value), 0);
    value = QStringLiteral("/tmp/a.php");
    EXPECT_EQ(execute(&app, 20, value), 0);
    EXPECT_EQ(execute(&app, 21, value), 0);
    EXPECT_EQ(execute(&app, 22, value), 0);
    EXPECT_EQ(execute(&app, 23, value), 0);
    EXPECT_EQ(execute(&app, 24, value), 0);
    EXPECT_EQ(value, QStringLiteral("/tmp/a.php"));
    EXPECT_EQ(app.log, (QStringList{"mode 1", "mode 1", "mode 1", "mode 0", "mode 0", "mode 0", "highlighter PHP",
                                    "open /tmp/a.php", "openex /tmp/a.php 3", "close", "save", "new"}));

    app.commandsSucceed = false;
    EXPECT_EQ(execute(&app, 23, value), 102);
    EXPECT_EQ(execute(&app, 24, value), 102);
}

TEST(ToolCallBackTest, DocumentCodesNeedAnEditableDocument)
{
    FakeApplication app;
    app.hasDocument = false;
    QString value = QStringLiteral("x");
    for (int32_t code : {1, 2, 4, 5, 6, 15, 16, 17, 20, 21, 22, 23}) {
        EXPECT_EQ(execute(&app, code, value), 101) << code;
        EXPECT_EQ(execute(nullptr, code, value), 101) << code;
    }
    EXPECT_EQ(value, QStringLiteral("x"));
    EXPECT_EQ(app.text, QStringLiteral("<?php echo 1;"));
    EXPECT_TRUE(app.log.isEmpty());
    // The others work without a document.
    EXPECT_EQ(execute(&app, 24, value), 0);
    EXPECT_EQ(execute(&app, 10, value), 0);
    EXPECT_EQ(execute(&app, 99, value), 999);
}

TEST(ToolCallBackTest, InputBoxAsksThroughThePrompter)
{
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    prompter.answerText(QStringLiteral("eingegeben"));
    prompter.answerText(std::nullopt);
    QString value = QStringLiteral("alt");
    EXPECT_EQ(execute(nullptr, 7, value), 0);
    EXPECT_EQ(value, QStringLiteral("eingegeben"));
    EXPECT_EQ(execute(nullptr, 7, value), 0);
    EXPECT_EQ(value, QString());
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_EQ(prompter.prompts().first().caption, QStringLiteral("Talvex Tool Eingabeaufforderung"));
    EXPECT_EQ(prompter.prompts().first().text, QStringLiteral("Bitte Wert eingeben"));
}

TEST(ToolModuleTest, ModuleDrivesTheEditorThroughTheCallBack)
{
    FakeApplication app;
    ApplicationScope scope(&app);
    TVYRATool tool(fixtureTool(QStringLiteral("FixtureTool")), QString(), QStringLiteral("Test"));
    ASSERT_TRUE(tool.IsModule());
    const TOperationResult run = tool.Run();
    ASSERT_TRUE(run) << run.errorText.toStdString();
    EXPECT_EQ(app.text, QStringLiteral("2:0=/srv/www/index.php;1:0=<?php echo 1;;4:0=1.2;5:0=AES-256;6:0=False;"
                                       "8:0=%1;10:0=/home/u/settings.xml;11:0=42;777:0=4711;"
                                       "9:999=<unset>;25:999=<unset>;16:0=<unset>;17:0=<unset>;20:0=<unset>;"
                                       "21:0=<unset>;23:0=<unset>;24:0=<unset>;22:0=<unset>;")
                            .arg(GetIntVersion()));
    EXPECT_EQ(app.log, (QStringList{"mode 1", "highlighter PHP", "open /tmp/ein & zwei.php",
                                    "openex /tmp/daneben.php 3", "save", "new", "close"}));
}

TEST(ToolModuleTest, NullPointersFromTheModuleAreTolerated)
{
    FakeApplication app;
    ApplicationScope scope(&app);
    ASSERT_TRUE(TVYRATool(fixtureTool(QStringLiteral("FixtureToolNulls")), QString(), QStringLiteral("n")).Run());
    EXPECT_EQ(app.text, QStringLiteral("ohne Rückgabe"));
}

TEST(ToolModuleTest, BrokenModulesFailWithTheirName)
{
    FakeApplication app;
    ApplicationScope scope(&app);
    for (const QString &name : QStringList{"FixtureToolNoExport", "FixtureToolThrows", "FehltGanz"}) {
        const TVYRATool tool(fixtureTool(name), QString(), QStringLiteral("Kaputt"));
        const TOperationResult run = tool.Run();
        EXPECT_FALSE(run) << name.toStdString();
        EXPECT_TRUE(run.errorText.contains(QStringLiteral("\"Kaputt\""))) << run.errorText.toStdString();
        EXPECT_TRUE(run.errorText.contains(tool.FileName)) << run.errorText.toStdString();
    }
    EXPECT_EQ(app.text, QStringLiteral("<?php echo 1;"));
}

TEST_F(ToolListTest, ProgramsGetTheirArgumentsWithoutAShellAndWorkInTheirFolder)
{
    // A copy of touch in the temporary folder: its relative argument lands
    // there, and shell characters stay part of the file names.
    const QString program = path("bin/touch");
    QDir().mkpath(path("bin"));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/bin/touch"), program));
    const TVYRATool tool(program, QStringLiteral("\"mit Leerzeichen.txt\" a;b $HOME"), QStringLiteral("touch"));
    EXPECT_EQ(tool.Arguments(), (QStringList{"mit Leerzeichen.txt", "a;b", "$HOME"}));
    EXPECT_EQ(tool.WorkingDirectory(), path("bin"));
    ASSERT_TRUE(tool.Run());
    EXPECT_TRUE(waitForFile(path("bin/mit Leerzeichen.txt")));
    EXPECT_TRUE(waitForFile(path("bin/a;b")));
    EXPECT_TRUE(waitForFile(path("bin/$HOME")));

    const TVYRATool missing(path("gibt es nicht"), QString(), QStringLiteral("Fehlt"));
    const TOperationResult run = missing.Run();
    EXPECT_FALSE(run);
    EXPECT_TRUE(run.errorText.contains(path("gibt es nicht"))) << run.errorText.toStdString();
    EXPECT_FALSE(TVYRATool(QString(), QString(), QStringLiteral("leer")).Run());
}
