#include "ShippedDataFolders.h"
#include "TestSupport.h"
#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TCloseDialog.h"
#include "documents/TReloadFile.h"
#include "documents/TReloadList.h"
#include "documents/TScriptedFileDialogs.h"
#include "documents/TVYRADocument.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "recovery/TJournalEntry.h"
#include "recovery/TJournalKeeper.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>

namespace {

// One run of the program in-process: the core over the data folders, the
// main window and the studio features assembled as the start-up does it,
// with scripted file dialogs.
struct StudioRun {
    StudioRun(const TDataFolders &folders, TFileDialogs &dialogs)
    {
        core = programCore.Create(folders);
        // Web pages are written in the source editor.
        core->Settings()->DefaultEditor()->EditorMode = true;
        const TVYRACore *owner = core.get();
        window = std::make_unique<TMainForm>(
            *core, TEditorCompletion{programCore.CompletionService(),
                                     [owner] { return TProgramCore::CompletionEnabled(*owner); }});
        features = std::make_unique<TStudioFeatures>(*core, *window, &dialogs);
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    ~StudioRun()
    {
        // As at the end of the start-up: the features go before the window, the window before the core.
        features.reset();
        window.reset();
        core.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TMainForm> window;
    std::unique_ptr<TStudioFeatures> features;
};

// Clicks a button of the close dialog as soon as it is shown; a dialog still
// open after that is cancelled, so a test never hangs in it.
class TCloseDialogClicker : public QObject
{
public:
    explicit TCloseDialogClicker(const QString &buttonName) : m_buttonName(buttonName)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<TCloseDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ++shown;
            const QString name = shown == 1 ? m_buttonName : QStringLiteral("btnCancel");
            if (auto *button = dialog->findChild<QPushButton *>(name))
                QTest::mouseClick(button, Qt::LeftButton);
        });
        m_timer.start();
    }
    int shown = 0;

private:
    QString m_buttonName;
    QTimer m_timer;
};

class StudioWindowEndToEndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folders = shippedDataFolders(root);
        QDir().mkpath(files());
        run = std::make_unique<StudioRun>(folders, dialogs);
    }
    void TearDown() override
    {
        // The questions and messages the window showed, to read a failure by.
        for (const TPrompt &prompt : HasFailure() ? prompter.prompts() : QList<TPrompt>())
            std::cout << "[  prompt  ] " << prompt.text.toStdString() << '\n';
        run.reset();
    }

    TMainForm &window() const { return *run->window; }
    TVYRADocumentContainer &container() const { return *run->core->Container(); }
    QString files(const QString &name = QString()) const { return root.filePath(QStringLiteral("files/") + name); }
    QAction *action(const QString &name) const { return window().Registry().Action(name); }

    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    // A key as the user gives it, after the window took in the last change
    // (a command's key works once its enabling rule has been evaluated).
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
        QTest::keyClick(focused(), key, modifiers);
        settle();
    }
    // Triggers a command as its menu entry does, after the window took in the last change.
    void choose(const QString &name)
    {
        QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
        QAction *command = action(name);
        ASSERT_TRUE(command) << name.toStdString();
        ASSERT_TRUE(command->isEnabled()) << name.toStdString();
        command->trigger();
        settle();
    }
    QWidget *focused() const
    {
        QWidget *widget = QApplication::focusWidget();
        return widget ? widget : run->window.get();
    }
    // The editor of the active document, which must hold the keyboard focus.
    QsciScintilla *activeEditor() const
    {
        auto *editor = qobject_cast<QsciScintilla *>(QApplication::focusWidget());
        EXPECT_TRUE(editor) << "the keyboard focus is not in an editor";
        return editor;
    }
    // Types text into the focused editor key by key; "\n" is the Enter key.
    void type(const QString &text)
    {
        QsciScintilla *editor = activeEditor();
        ASSERT_TRUE(editor);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int n = 0; n < lines.size(); ++n) {
            if (n > 0)
                QTest::keyClick(editor, Qt::Key_Return);
            // A character beyond the basic plane comes as one key event, as from a keyboard.
            const QString &line = lines[n];
            for (int i = 0; i < line.size(); ++i) {
                const int length = line.at(i).isHighSurrogate() ? 2 : 1;
                QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, line.mid(i, length), Qt::NoModifier);
                i += length - 1;
            }
        }
        settle();
    }
    // Closes the main window as its close box does; a close dialog that comes
    // up is answered with button; returns how often it came up.
    int closeWindow(const QString &button)
    {
        TCloseDialogClicker clicker(button);
        window().close();
        settle();
        return clicker.shown;
    }
    TVYRADocument *active() const { return window().ActiveDocument(); }
    QByteArray onDisk(const QString &path) const { return TestSupport::readFile(path); }
    bool isOpen(const QString &path) const { return container().IsFileOpen(path, true); }

    QTemporaryDir root;
    TDataFolders folders;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TScriptedFileDialogs dialogs;
    std::unique_ptr<StudioRun> run;
};

} // namespace

TEST_F(StudioWindowEndToEndTest, TypedUnicodeIsSavedAsUtf8AndClosingWithNoOrYesKeepsOrWritesTheEdit)
{
    // New document, typed text, saved under the name the dialog answers.
    press(Qt::Key_N);
    ASSERT_EQ(container().GetDocumentCount(), 1);
    type(QStringLiteral("Grüße 😀\nzweite Zeile"));
    ASSERT_TRUE(active()->GetModified());
    const QString path = files(QStringLiteral("gruss.txt"));
    dialogs.answerSave(path);
    press(Qt::Key_S);
    EXPECT_EQ(dialogs.saveRequests().size(), 1);
    const QByteArray saved = QStringLiteral("Grüße 😀\nzweite Zeile").toUtf8();
    EXPECT_EQ(onDisk(path), saved);
    EXPECT_FALSE(active()->GetModified());

    // Closed, then reopened from the first entry of "Neu öffnen".
    choose(QStringLiteral("FileClose"));
    EXPECT_EQ(container().GetDocumentCount(), 0);
    QMenu *recent = window().Menu(QStringLiteral("mnuOpenNew"));
    ASSERT_TRUE(recent);
    ASSERT_FALSE(recent->actions().isEmpty());
    recent->actions().first()->trigger();
    settle();
    ASSERT_TRUE(isOpen(path));
    ASSERT_TRUE(active());
    EXPECT_EQ(active()->GetFileName(), path);

    // An edit left unsaved with "Nein" leaves the file as it was.
    press(Qt::Key_End, Qt::ControlModifier);
    type(QStringLiteral(" verworfen"));
    prompter.answerButton(TPromptButton::No);
    choose(QStringLiteral("FileClose"));
    EXPECT_FALSE(isOpen(path));
    EXPECT_EQ(onDisk(path), saved);

    // An edit saved with "Ja" is in the file.
    recent->actions().first()->trigger();
    settle();
    ASSERT_TRUE(isOpen(path));
    press(Qt::Key_End, Qt::ControlModifier);
    type(QStringLiteral("!"));
    prompter.answerButton(TPromptButton::Yes);
    choose(QStringLiteral("FileClose"));
    EXPECT_FALSE(isOpen(path));
    EXPECT_EQ(onDisk(path), QStringLiteral("Grüße 😀\nzweite Zeile!").toUtf8());
    EXPECT_EQ(prompter.unexpectedCount(), 0);
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(StudioWindowEndToEndTest, AWindows1252FileWithCrLfKeepsItsEncodingAndLineBreaksWhenEdited)
{
    const QString path = files(QStringLiteral("strasse.txt"));
    TestSupport::writeFile(path, "Stra\xdf" "e\r\nzwei\r\n");
    dialogs.answerOpen({path});
    press(Qt::Key_O);
    ASSERT_TRUE(isOpen(path));
    press(Qt::Key_End, Qt::NoModifier);
    type(QStringLiteral("n\n"));
    press(Qt::Key_S);
    const QByteArray bytes = onDisk(path);
    EXPECT_EQ(bytes, QByteArray("Stra\xdf" "en\r\n\r\nzwei\r\n"));
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n")) << "a line break without CR";
    EXPECT_FALSE(active()->GetModified());
    EXPECT_EQ(prompter.unexpectedCount(), 0);

    // A character Windows-1252 cannot hold: told, nothing written, the text stays.
    type(QStringLiteral("😀"));
    press(Qt::Key_S);
    EXPECT_EQ(onDisk(path), bytes);
    EXPECT_TRUE(active()->GetModified());
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts().first().text.contains(path));
    prompter.clear();
}

TEST_F(StudioWindowEndToEndTest, ADocumentWhoseSaveFailsStaysOpenAndModifiedWhenClosedWithYes)
{
    // A regular file where the target's folder would have to be.
    const QString blocker = files(QStringLiteral("kein-ordner"));
    TestSupport::writeFile(blocker, "x");
    const QString target = blocker + QStringLiteral("/neu.txt");
    press(Qt::Key_N);
    type(QStringLiteral("bleibt"));
    TVYRADocument *document = active();
    ASSERT_TRUE(document);
    prompter.answerButton(TPromptButton::Yes);
    dialogs.answerSave(target);
    choose(QStringLiteral("FileClose"));

    ASSERT_EQ(container().GetDocumentCount(), 1);
    EXPECT_EQ(container().GetDocument(0), document);
    EXPECT_TRUE(document->GetModified());
    EXPECT_EQ(onDisk(blocker), QByteArray("x"));
    // The failure was told, in German, naming the file and saying that saving failed.
    bool told = false;
    for (const TPrompt &prompt : prompter.prompts())
        told = told || (prompt.text.contains(target) && prompt.text.contains(QStringLiteral("nicht gespeichert"))
                        && !prompt.text.contains(QStringLiteral("Öffnen")));
    EXPECT_TRUE(told);
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(StudioWindowEndToEndTest, TheJournalHoldsTheUnsavedTextUntilTheDocumentIsSaved)
{
    TJournalKeeper &journal = run->features->Journal();
    const QDir session(journal.Journal().SessionDir());
    const QStringList entries{QStringLiteral("*.entry")};
    press(Qt::Key_N);
    type(QStringLiteral("ungesichert"));
    // Written after the pause in typing.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !session.entryList(entries, QDir::Files).isEmpty(); }, 5000));
    journal.WaitForWrites();
    const QStringList written = session.entryList(entries, QDir::Files);
    ASSERT_EQ(written.size(), 1);
    const std::optional<TJournalEntry> entry =
        TJournalEntry::Decode(TestSupport::readFile(session.filePath(written.first())));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text, QStringLiteral("ungesichert"));

    const QString path = files(QStringLiteral("gesichert.txt"));
    dialogs.answerSave(path);
    press(Qt::Key_S);
    journal.WaitForWrites();
    EXPECT_EQ(onDisk(path), QByteArray("ungesichert"));
    EXPECT_TRUE(session.entryList(entries, QDir::Files).isEmpty());
}

TEST_F(StudioWindowEndToEndTest, ExitWithAModifiedDocumentIsCancelledOrSavesAll)
{
    const QString path = files(QStringLiteral("ende.txt"));
    TestSupport::writeFile(path, "alt");
    window().OpenFiles({path});
    settle();
    ASSERT_TRUE(isOpen(path));
    press(Qt::Key_End, Qt::ControlModifier);
    type(QStringLiteral(" neu"));

    EXPECT_EQ(closeWindow(QStringLiteral("btnCancel")), 1);
    EXPECT_TRUE(window().isVisible());
    ASSERT_TRUE(isOpen(path));
    EXPECT_TRUE(active()->GetModified());
    EXPECT_EQ(onDisk(path), QByteArray("alt"));

    // "Alle speichern" writes the document and asks a name for the default group, which got it.
    const QString group = files(QStringLiteral("Standard.qpg"));
    dialogs.answerSave(group);
    EXPECT_EQ(closeWindow(QStringLiteral("btnSaveAll")), 1);
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(onDisk(path), QByteArray("alt neu"));
    EXPECT_TRUE(onDisk(group).contains("ende.txt"));
    EXPECT_EQ(container().GetDocumentCount(), 0);
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(StudioWindowEndToEndTest, TheNextWindowReopensTheFilesListedInReloadXml)
{
    auto *settings = qobject_cast<TTalvexStudioSettings *>(run->core->Settings());
    ASSERT_TRUE(settings);
    settings->View()->ReLoadDocsOnStartUp = true;
    const QString first = files(QStringLiteral("eins.html"));
    const QString second = files(QStringLiteral("zwei.php"));
    TestSupport::writeFile(first, "<p>eins</p>");
    TestSupport::writeFile(second, "<?php echo 2;");
    dialogs.answerOpen({first, second});
    press(Qt::Key_O);
    ASSERT_TRUE(isOpen(first) && isOpen(second));

    // Nothing but the default group is unsaved: left so.
    EXPECT_EQ(closeWindow(QStringLiteral("btnMode")), 1);
    EXPECT_FALSE(window().isVisible());
    const QString reloadFile = TReloadFile::InUserDataDir(run->core->UserDataDir());
    const TReloadList::TReadResult listed = TReloadList::Read(TestSupport::readFile(reloadFile));
    ASSERT_TRUE(listed.ok) << listed.errorText.toStdString();
    ASSERT_EQ(listed.projects.size(), 1);
    ASSERT_EQ(listed.projects.first().files.size(), 2);
    EXPECT_EQ(listed.projects.first().files[0].fileName, first);
    EXPECT_EQ(listed.projects.first().files[1].fileName, second);

    // The next start on the same user data.
    run.reset();
    run = std::make_unique<StudioRun>(folders, dialogs);
    run->features->FirstShow({}, true);
    settle();
    EXPECT_TRUE(isOpen(first));
    EXPECT_TRUE(isOpen(second));
    ASSERT_TRUE(active());
    EXPECT_EQ(active()->GetFileName(), second);
    EXPECT_EQ(prompter.unexpectedCount(), 0);
}
