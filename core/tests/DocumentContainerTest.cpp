#include "CipherFixtures.h"
#include "TestContainerHost.h"
#include "container/TVYRAContainerMessages.h"
#include "container/TVYRAContainerPrompts.h"
#include "container/TVYRADocumentsWrapper.h"
#include "documents/TVYRATemplate.h"
#include "facade/TVYRAEditor.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "ui/TScriptedPrompter.h"
#include "utils/StreamStrings.h"

#include <QFile>
#include <QMimeData>
#include <QTextEdit>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Host = TestContainerHost;

QByteArray bytesOf(const QString &path)
{
    return TestSupport::readFile(path);
}

TVYRAProjectGroupItems *defaultGroup(Host &host)
{
    return host.container->GetDefaultGroup();
}

// A project file on disk, not yet open.
QString writeProject(Host &host, const QString &name)
{
    const QString file = host.path(name);
    TestSupport::writeFile(file, QByteArray());
    TVYRAProjectGroupList list;
    TVYRAProjectGroupItems group(&list, file, true);
    group.SetProjectName(QStringLiteral("Projekt"));
    EXPECT_TRUE(group.Save(file));
    return file;
}

} // namespace

// ---------------------------------------------------------------------------
// New documents, the default group and the lists

TEST(DocumentContainer, NewDocumentsAreNamedWithTheFirstFreeNumberInTheDefaultGroup)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    EXPECT_FALSE(c.IsIndexValid(0));
    EXPECT_FALSE(c.IsIndexValid(-1));
    EXPECT_FALSE(c.IsDefaultGroupCreated());
    ASSERT_EQ(c.NewDocument(), 0);
    ASSERT_EQ(c.NewDocument(), 1);
    ASSERT_EQ(c.NewDocument(), 2);
    EXPECT_EQ(host.doc(0)->GetFileName(), "Dokument1");
    EXPECT_EQ(host.doc(2)->GetFileName(), "Dokument3");
    ASSERT_TRUE(c.IsDefaultGroupCreated());
    TVYRAProjectGroupItems *group = c.GetDefaultGroup();
    EXPECT_EQ(group->ProjectName(), "Unbenanntes Projekt");
    EXPECT_EQ(c.DefaultGroupIndex(), 0);
    EXPECT_EQ(group->Root()->GetCount(), 3);
    EXPECT_EQ(c.ProjectItemOf(host.doc(1))->GetName(), "Dokument2");
    EXPECT_FALSE(host.doc(0)->GetModified());
    EXPECT_FALSE(host.doc(0)->GetFileExists());
    // Every document has both controls at its own index, in its own window.
    ASSERT_TRUE(host.code(1) && host.rich(1));
    EXPECT_EQ(host.code(1)->parentWidget(), host.doc(1)->Parent());
    EXPECT_NE(host.code(0)->objectName(), host.code(1)->objectName());

    c.CloseDocument(1);
    EXPECT_EQ(c.GetDocumentCount(), 2);
    EXPECT_EQ(group->Root()->GetCount(), 2) << "a closed new document leaves the default group";
    ASSERT_EQ(c.NewDocument(), 2);
    EXPECT_EQ(host.doc(2)->GetFileName(), "Dokument2");
    EXPECT_EQ(host.code(2)->objectName(), "SynEdit1") << "control names are reused as well";
}

TEST(DocumentContainer, WithoutAWindowNoDocumentIsMade)
{
    Host host;
    host.container->Events().OnNewDocumentRequest = nullptr;
    EXPECT_EQ(host.container->NewDocument(), -1);
    EXPECT_EQ(host.container->OpenDocument(host.write("a.txt", "a")), lrGenericError);
    EXPECT_EQ(host.container->GetDocumentCount(), 0);
}

TEST(DocumentContainer, TypingMarksTheDocumentModifiedAndReportsTheChange)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    TVYRADocument *changedDocument = nullptr;
    c.Set_OnChange([&](TVYRADocument *document) { changedDocument = document; });
    ASSERT_EQ(c.OpenDocument(host.write("a.txt", "abc")), lrSuccess);
    EXPECT_FALSE(host.doc(0)->GetModified()) << "loading is no change";
    EXPECT_EQ(host.changes, 0);
    host.type(0, QStringLiteral("d"));
    EXPECT_TRUE(host.doc(0)->GetModified());
    EXPECT_GE(host.changes, 1);
    EXPECT_EQ(changedDocument, host.doc(0));
}

TEST(DocumentContainer, ActiveDocumentComesFromTheHostAndDefaultsToNone)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    c.NewDocument();
    c.NewDocument();
    EXPECT_EQ(c.GetActiveDocumentIndex(), -1);
    EXPECT_EQ(c.GetActiveDocument(), nullptr);
    EXPECT_FALSE(c.CanEditDocuments());
    EXPECT_FALSE(c.ActivateDocument(1)) << "nobody to show it";
    TVYRADocument *shown = nullptr;
    c.Events().OnRequestDocumentShowing = [&](TVYRADocument *document) { shown = document; };
    c.Events().OnGetActiveDocumentIndex = [](int &index) { index = 0; };
    EXPECT_FALSE(c.ActivateDocument(0)) << "already active";
    EXPECT_FALSE(c.ActivateDocument(5));
    EXPECT_TRUE(c.ActivateDocument(1));
    EXPECT_EQ(shown, host.doc(1));
    EXPECT_TRUE(host.core->CanEditDocuments());
    EXPECT_EQ(host.core->GetActiveDocument(), host.doc(0));
}

// ---------------------------------------------------------------------------
// Opening

TEST(DocumentContainer, OpeningAFileTwiceInOneGroupReusesItOrLeavesIt)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    const QString file = host.write("a.txt", "eins");
    ASSERT_EQ(c.OpenDocument(file), lrSuccess);
    host.type(0, QStringLiteral(" zwei"));
    host.answers[evFileAlreadyOpen] = false;
    EXPECT_EQ(c.OpenDocument(file), lrUserCancel);
    EXPECT_EQ(c.GetDocumentCount(), 1);
    EXPECT_EQ(host.code(0)->text(), "eins zwei") << "a refusal leaves the document as it is";
    host.answers[evFileAlreadyOpen] = true;
    EXPECT_EQ(c.OpenDocument(file), lrSuccess);
    EXPECT_EQ(c.GetDocumentCount(), 1) << "the same document shows the file again";
    EXPECT_EQ(host.code(0)->text(), "eins");
    EXPECT_EQ(host.count(evFileAlreadyOpen), 2);
    EXPECT_EQ(c.GetDefaultGroup()->Root()->GetCount(), 1);

    // In another group the file is a document of its own.
    const int project = c.NewProject(writeProject(host, "p.qpg"), QStringLiteral("P"));
    ASSERT_GE(project, 0);
    EXPECT_EQ(c.OpenDocument(file, c.ProjectGroups()->Items(project)), lrSuccess);
    EXPECT_EQ(c.GetDocumentCount(), 2);
    EXPECT_EQ(c.FindFile(file, c.ProjectGroups()->Items(project)), 1);
    EXPECT_TRUE(c.IsFileOpen(file.toUpper(), true)) << "names compare without case";
}

TEST(DocumentContainer, OpeningAMissingFileAsksAndCreatesNothing)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    EXPECT_EQ(c.OpenDocument(host.path("fehlt.txt")), lrUserCancel);
    EXPECT_EQ(host.count(evFileNotFound), 1);
    EXPECT_EQ(host.events.last().fileName, host.path("fehlt.txt"));
    EXPECT_EQ(c.GetDocumentCount(), 0);
    EXPECT_FALSE(c.GetDefaultGroup()->Modified());
}

TEST(DocumentContainer, ProjectGroupFilesOpenOnlyWhenAllowedAndOnlyOnce)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    const QString file = writeProject(host, "gruppe.qpg");
    const int groupsBefore = c.ProjectGroups()->Count();
    EXPECT_EQ(c.OpenDocument(file), lrAbort);
    EXPECT_EQ(host.count(evMayNotOpenProjectGroup), 1);
    EXPECT_EQ(c.ProjectGroups()->Count(), groupsBefore);

    c.SetCanOpenProjects(true);
    EXPECT_EQ(c.OpenDocument(file), lrSuccess);
    EXPECT_EQ(c.ProjectGroups()->Count(), groupsBefore + 1);
    EXPECT_EQ(c.GetDocumentCount(), 0) << "a project group is no document";
    EXPECT_TRUE(c.IsProjectOpen(file));
    EXPECT_EQ(c.OpenDocument(file), lrAbort);
    EXPECT_EQ(host.count(evProjectAlreadyOpen), 1);

    const QString damaged = host.write("kaputt.qpg", "<andere><name/></andere>");
    EXPECT_EQ(c.OpenDocument(damaged), lrAbort);
    EXPECT_EQ(host.count(evInvalidFileFormat), 1);
    EXPECT_FALSE(host.events.last().detail.isEmpty());
}

TEST(DocumentContainer, FileTypeHandlersClaimFilesFirst)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    QStringList handled;
    c.FileTypeHandlers().RegisterHandler(QStringLiteral("*.png;*.jpg"), &host,
                                         [&](QObject *, const QString &fileName, bool &isHandled) {
                                             handled.append(fileName);
                                             isHandled = true;
                                         });
    const QString picture = host.write("bild.png", "PNG");
    EXPECT_EQ(c.OpenDocument(picture), lrUserCancel);
    EXPECT_EQ(handled, QStringList{picture});
    EXPECT_EQ(c.GetDocumentCount(), 0);
    EXPECT_EQ(c.OpenDocumentEx(nullptr, picture, nullptr, 0, fofIgnoreFileTypeHandlers), lrSuccess);
    EXPECT_EQ(c.GetDocumentCount(), 1);
}

TEST(DocumentContainer, UnsupportedFilesAreOpenedOnlyWhenTheAnswerAllows)
{
    Host host;
    host.answers[evFileNotSupported] = false;
    EXPECT_EQ(host.container->OpenDocument(host.write("x.unbekannt", "x")), lrUserCancel);
    EXPECT_EQ(host.container->GetDocumentCount(), 0);
}

TEST(DocumentContainer, WithoutMDIEveryOpenReplacesDocumentZero)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    c.SetMDISupported(false);
    ASSERT_EQ(c.OpenDocument(host.write("a.txt", "a")), lrSuccess);
    QWidget *window = host.doc(0)->Parent();
    ASSERT_EQ(c.OpenDocument(host.write("b.txt", "b")), lrSuccess);
    EXPECT_EQ(c.GetDocumentCount(), 1);
    EXPECT_EQ(host.doc(0)->GetFileName(), host.path("b.txt"));
    EXPECT_EQ(host.doc(0)->Parent(), window);
    EXPECT_EQ(host.code(0)->text(), "b");
}

TEST(DocumentContainer, PlainTextComesBackByteForByte)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    const QByteArray crlfBom = "\xEF\xBB\xBF" "eins\r\nzwei\r\n\xC3\xA4\r\n";
    const QByteArray latin = "gr\xFC\xDF" "e\rmixed\n";
    const QString a = host.write("a.php", crlfBom);
    const QString b = host.write("b.txt", latin);
    ASSERT_EQ(c.OpenDocument(a), lrSuccess);
    ASSERT_EQ(c.OpenDocument(b), lrSuccess);
    EXPECT_EQ(host.code(0)->text(), QString::fromUtf8("eins\r\nzwei\r\n\xC3\xA4\r\n"));
    // An unmodified document under its own name: nothing is written.
    const QDateTime before = QFileInfo(a).lastModified();
    QFile::remove(a);
    EXPECT_FALSE(c.SaveDocument(0));
    EXPECT_FALSE(QFileInfo::exists(a)) << "nothing was written";
    EXPECT_EQ(host.count(evFileSaved), 0);
    Q_UNUSED(before);
    // Saved elsewhere unmodified, both come back as read.
    EXPECT_TRUE(c.SaveDocument(0, host.path("a2.php")));
    EXPECT_TRUE(c.SaveDocument(1, host.path("b2.txt")));
    EXPECT_EQ(bytesOf(host.path("a2.php")), crlfBom);
    EXPECT_EQ(bytesOf(host.path("b2.txt")), latin);
    EXPECT_EQ(host.doc(1)->GetFileName(), host.path("b2.txt"));
    EXPECT_EQ(c.ProjectItemOf(host.doc(1))->GetName(), "b2.txt");
    EXPECT_EQ(host.count(evFileSaved), 2);
    // An edit keeps encoding, BOM and line breaks.
    host.type(0, QStringLiteral("\u00fc"));
    EXPECT_TRUE(c.SaveDocument(0));
    EXPECT_EQ(bytesOf(host.path("a2.php")), crlfBom + "\xC3\xBC");
}

TEST(DocumentContainer, TheRichEditorReadsPlainTextThroughTheSameReader)
{
    Host host(false);
    TVYRADocumentContainer &c = *host.container;
    const QByteArray latin = "Stra\xDF" "e\r\nWeg\r\n";
    ASSERT_EQ(c.OpenDocument(host.write("r.txt", latin)), lrSuccess);
    EXPECT_FALSE(host.doc(0)->EditorMode());
    EXPECT_EQ(host.rich(0)->text(), QString::fromUtf8("Stra\xC3\x9F" "e\nWeg\n"));
    EXPECT_TRUE(c.SaveDocument(0, host.path("r2.txt")));
    EXPECT_EQ(bytesOf(host.path("r2.txt")), latin);
}

TEST(DocumentContainer, LargeFilesLoadInSlicesAndAreNotModifiedByLoading)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    QByteArray big;
    while (big.size() < 4 * 1024 * 1024)
        big += "<?php echo 'eine Zeile mit etwas Text'; ?>\n";
    const QString file = host.write("gross.php", big);
    ASSERT_EQ(c.OpenDocument(file), lrSuccess);
    EXPECT_TRUE(host.code(0)->isLoading()) << "the window does not wait for the whole file";
    EXPECT_FALSE(c.SaveDocument(0, host.path("halb.php"))) << "a half-loaded text is never saved";
    EXPECT_FALSE(QFileInfo::exists(host.path("halb.php")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host.code(0)->isLoading(); }, 20000));
    EXPECT_FALSE(host.doc(0)->GetModified());
    EXPECT_EQ(host.changes, 0);
    EXPECT_TRUE(c.SaveDocument(0, host.path("kopie.php")));
    EXPECT_EQ(bytesOf(host.path("kopie.php")), big);
}

// ---------------------------------------------------------------------------
// Saving in every format

TEST(DocumentContainer, SaveAsWritesEachFormat)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    ASSERT_EQ(c.NewDocument(), 0);
    host.type(0, QStringLiteral("Hallo Welt"));

    EXPECT_TRUE(c.SaveDocument(0, host.path("d.qcd")));
    QFile stored(host.path("d.qcd"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(ReadTextFromStream(stored), TVYRACore::GetFileTypeRecognizer(ftDocument));
    stored.close();

    EXPECT_TRUE(c.SaveDocument(0, host.path("t.qtf")));
    TVYRATemplate object(host.path("t.qtf"), "0.98", nullptr, nullptr, nullptr, true);
    QString version;
    object.LoadFromFile(host.path("t.qtf"), version);
    EXPECT_EQ(object.TemplateText(), "Hallo Welt");
    EXPECT_EQ(object.TemplateName(), "t.qtf");

    EXPECT_TRUE(c.SaveDocument(0, host.path("r.rtf")));
    EXPECT_EQ(host.count(evRTFInPlainText), 1) << "the code editor holds no formatting";
    EXPECT_EQ(bytesOf(host.path("r.rtf")), "Hallo Welt");

    EXPECT_TRUE(c.SaveDocument(0, host.path("p.txt")));
    EXPECT_EQ(bytesOf(host.path("p.txt")), "Hallo Welt");

    // Each comes back as it was saved.
    EXPECT_EQ(c.OpenDocument(host.path("d.qcd")), lrSuccess);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host.code(1)->isReadOnly(); }, 5000));
    EXPECT_EQ(host.code(1)->text(), "Hallo Welt");
    EXPECT_EQ(c.OpenDocument(host.path("t.qtf")), lrSuccess);
    EXPECT_EQ(host.code(2)->text(), "Hallo Welt");
    EXPECT_FALSE(host.doc(2)->GetFileExists()) << "a template opens as a new document";
    EXPECT_TRUE(host.doc(2)->GetFileName().startsWith("Dokument"));
}

TEST(DocumentContainer, FormattedTextToAPlainFileAsksFirst)
{
    Host host(false);
    TVYRADocumentContainer &c = *host.container;
    host.core->Settings()->DefaultEditor()->RTFMode = true;
    ASSERT_EQ(c.NewDocument(), 0);
    host.rich(0)->setText(QStringLiteral("fett"));
    QDir().mkpath(host.path(QString()));
    host.answers[evPlainTextInRTF] = false;
    EXPECT_FALSE(c.SaveDocument(0, host.path("f.txt")));
    EXPECT_FALSE(QFileInfo::exists(host.path("f.txt")));
    EXPECT_EQ(host.doc(0)->GetFileName(), "Dokument1");
    host.answers[evPlainTextInRTF] = true;
    EXPECT_TRUE(c.SaveDocument(0, host.path("f.txt"))) << TVYRAContainerMessages::Text(host.events.last()).toStdString();
    EXPECT_EQ(bytesOf(host.path("f.txt")), "fett");
    EXPECT_TRUE(c.SaveDocument(0, host.path("f.rtf")));
    EXPECT_TRUE(bytesOf(host.path("f.rtf")).startsWith("{\\rtf"));
}

TEST(DocumentContainer, EncipheredDocumentsDecipherInAWorkerWithTheEditorReadOnly)
{
    Host host(true, true);
    CipherFixtures::install(host.core->CipherDir(), {QStringLiteral("FixtureXor")});
    host.core->InitCiphers();
    TVYRADocumentContainer &c = *host.container;
    ASSERT_EQ(c.NewDocument(), 0);
    host.type(0, QStringLiteral("Geheimer Text"));
    TCipherList *ciphers = host.core->Ciphers();
    host.doc(0)->AssignCipher(ciphers->GetCipher(ciphers->SearchCipher(QStringLiteral("Fixture XOR"))));
    ASSERT_TRUE(host.doc(0)->SetPlainPassword(QStringLiteral("geheim")));
    ASSERT_TRUE(c.SaveDocument(0, host.path("g.qcd")));
    EXPECT_FALSE(bytesOf(host.path("g.qcd")).contains("Geheimer Text"));

    int done = 0;
    c.Events().OnThreadDone = [&](TVYRADocument *) { ++done; };
    c.Events().OnPasswordRequired = [](TVYRADocument *, std::optional<QString> &password) {
        password = QStringLiteral("falsch");
    };
    EXPECT_EQ(c.OpenDocument(host.path("g.qcd")), lrAbort);
    EXPECT_EQ(c.GetDocumentCount(), 1);
    EXPECT_EQ(host.count(evWrongPassword), 1);

    c.Events().OnPasswordRequired = [](TVYRADocument *, std::optional<QString> &password) {
        password = QStringLiteral("geheim");
    };
    c.CloseDocument(0);
    ASSERT_EQ(c.OpenDocumentEx(nullptr, host.path("g.qcd"), nullptr, 5), lrSuccess)
        << TVYRAContainerMessages::Text(host.events.last()).toStdString();
    const int index = c.GetDocumentCount() - 1;
    EXPECT_TRUE(host.code(index)->isReadOnly() || done == 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return done == 1; }, 5000));
    EXPECT_FALSE(host.code(index)->isReadOnly());
    EXPECT_EQ(host.code(index)->text(), "Geheimer Text");
    EXPECT_FALSE(host.doc(index)->GetModified());
}

// ---------------------------------------------------------------------------
// Closing and exchanging

TEST(DocumentContainer, ClosingAGroupClosesItsDocumentsAmongOthers)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    const int projectIndex = c.NewProject(writeProject(host, "p.qpg"), QStringLiteral("P"));
    ASSERT_GE(projectIndex, 0);
    EXPECT_EQ(host.count(evNewProjectCreated), 1);
    TVYRAProjectGroupItems *project = c.ProjectGroups()->Items(projectIndex);
    c.NewDocument(project);
    c.NewDocument();
    c.NewDocument(project);
    c.NewDocument();
    c.NewDocument(project);
    TVYRADocument *keep1 = host.doc(1);
    TVYRADocument *keep2 = host.doc(3);
    int closing = 0;
    c.Events().OnProjectClosing = [&](TVYRAProjectGroupItems *group) { closing += group == project; };
    c.CloseProject(c.ProjectGroups()->IndexOf(project));
    EXPECT_EQ(closing, 1);
    ASSERT_EQ(c.GetDocumentCount(), 2);
    EXPECT_EQ(host.doc(0), keep1);
    EXPECT_EQ(host.doc(1), keep2);
    EXPECT_EQ(c.ProjectGroups()->IndexOf(project), -1);

    // Closing the default group resets it; the next document makes a new one.
    c.CloseProject(c.DefaultGroupIndex());
    EXPECT_EQ(c.GetDocumentCount(), 0);
    EXPECT_EQ(c.DefaultGroupIndex(), -1);
    ASSERT_EQ(c.NewDocument(), 0);
    EXPECT_GE(c.DefaultGroupIndex(), 0);
}

TEST(DocumentContainer, RemovingAProjectItemClosesItsDocumentOnce)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    ASSERT_EQ(c.OpenDocument(host.write("a.txt", "a")), lrSuccess);
    TVYRAProjectGroupItem *item = c.ProjectItemOf(host.doc(0));
    ASSERT_TRUE(item);
    TVYRAProjectGroupItem::Destroy(item->RemoveOwnEntry());
    EXPECT_EQ(c.GetDocumentCount(), 0);
}

TEST(DocumentContainer, ProjectItemsOpenThroughTheContainer)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    const int projectIndex = c.NewProject(writeProject(host, "p.qpg"), QStringLiteral("P"));
    TVYRAProjectGroupItems *project = c.ProjectGroups()->Items(projectIndex);
    const QString file = host.write("seite.php", "<?php");
    const int at = project->AddFile(file, nullptr, std::nullopt, false);
    TVYRAProjectGroupItem *item = project->Root()->GetItems(at);
    project->SetModified(false);
    EXPECT_TRUE(item->Open());
    ASSERT_EQ(c.GetDocumentCount(), 1);
    EXPECT_EQ(c.ProjectOf(host.doc(0)), project);
    EXPECT_EQ(c.ProjectItemOf(host.doc(0)), item) << "the group's own entry, not a second one";
    EXPECT_EQ(item->GetDocument(), host.doc(0));
    EXPECT_EQ(project->Root()->GetCount(), 1);
    EXPECT_FALSE(project->Modified()) << "opening a listed file changes nothing in the group";
    TVYRADocument *shown = nullptr;
    c.Events().OnRequestDocumentShowing = [&](TVYRADocument *document) { shown = document; };
    EXPECT_FALSE(item->Open()) << "a second open brings the document to front";
    EXPECT_EQ(shown, host.doc(0));
    // Closing keeps the entry of a real project.
    c.CloseDocument(0);
    EXPECT_EQ(project->Root()->GetCount(), 1);
    EXPECT_EQ(item->GetDocument(), nullptr);
}

TEST(DocumentContainer, MovingAFileInASynchronisedGroupRenamesItsDocument)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    const QString web = host.path(QStringLiteral("web/"));
    QDir().mkpath(web + "css");
    QDir().mkpath(web + "img");
    TVYRAProjectGroupItems *project =
        c.ProjectGroups()->Items(c.NewProject(writeProject(host, "p.qpg"), QStringLiteral("P")));
    ASSERT_TRUE(project->SetMainFolder(web));
    ASSERT_TRUE(project->SetFileFolder(web));
    project->SetSyncFileMode(sfmSynchronize);
    project->SetConfirmFileSync(false);
    TVYRAProjectGroupItem *img = project->Root()->GetItems(project->AddFolder(web + "img", nullptr, std::nullopt, false));
    const QString file = host.write("web/css/a.css", "A");
    TVYRAProjectGroupItem *a = project->Root()->GetItems(project->AddFile(file, nullptr, std::nullopt, false));
    ASSERT_TRUE(a->Open());
    ASSERT_TRUE(project->MoveItem(a, img).ok);
    EXPECT_EQ(host.doc(0)->GetFileName(), web + "img/a.css");
    EXPECT_EQ(bytesOf(web + "img/a.css"), "A");
    EXPECT_EQ(c.ProjectItemOf(host.doc(0)), a);
    // Removing the folder node closes the document of the file in it, once.
    TVYRAProjectGroupItem::Destroy(img->RemoveOwnEntry());
    EXPECT_EQ(c.GetDocumentCount(), 0);
}

TEST(DocumentContainer, SavingTheDefaultGroupMakesItAnOrdinaryOne)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    c.NewDocument();
    TVYRAProjectGroupItems *group = c.GetDefaultGroup();
    ASSERT_TRUE(group->Save(host.path("gespeichert.qpg")));
    EXPECT_FALSE(c.IsDefaultGroupCreated());
    EXPECT_EQ(c.ProjectOf(host.doc(0)), group);
    c.NewDocument();
    EXPECT_NE(c.ProjectOf(host.doc(1)), group) << "new documents go into a new default group";
}

TEST(DocumentContainer, ExchangeOnlyWithinOneGroup)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    const int projectIndex = c.NewProject(writeProject(host, "p.qpg"), QStringLiteral("P"));
    TVYRAProjectGroupItems *project = c.ProjectGroups()->Items(projectIndex);
    c.NewDocument();
    c.NewDocument(project);
    c.NewDocument();
    TVYRADocument *first = host.doc(0);
    TVYRADocument *third = host.doc(2);
    QWidget *window0 = first->Parent();
    TCodeEditor *editor0 = host.code(0);
    EXPECT_FALSE(c.ExchangeDocument(0, 1)) << "another group: both stay";
    EXPECT_EQ(host.doc(0), first);
    QList<int> exchanged;
    c.Events().OnDocumentExchanged = [&](TVYRADocumentContainer *, int a, int b) { exchanged = {a, b}; };
    EXPECT_TRUE(c.ExchangeDocument(0, 2));
    EXPECT_EQ(exchanged, (QList<int>{0, 2}));
    EXPECT_EQ(host.doc(0), third);
    EXPECT_EQ(host.doc(2), first);
    EXPECT_EQ(host.code(2), editor0) << "the controls go with their documents";
    EXPECT_EQ(third->Parent(), window0) << "the windows stay in place";
    EXPECT_EQ(host.code(0)->parentWidget(), window0);
    EXPECT_FALSE(c.ExchangeDocument(0, 7));
}

// ---------------------------------------------------------------------------
// Editor modes and settings

TEST(DocumentContainer, EditorSettingsReachEveryCodeEditor)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    c.NewDocument();
    c.NewDocument();
    TVYRAEditorSettings *editor = host.core->Settings()->Editor();
    editor->SynTabWidth = 7;
    editor->SynTabsToSpaces = true;
    ASSERT_TRUE(host.core->Settings()->Save());
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(host.code(i)->tabWidth(), 7);
        EXPECT_TRUE(host.code(i)->options() & eoTabsToSpaces);
        EXPECT_FALSE(host.code(i)->options() & eoGroupUndo);
    }
    c.SetHelpText(QStringLiteral("Hilfe"));
    EXPECT_EQ(host.rich(1)->toolTip(), "Hilfe");
}

TEST(DocumentContainer, SwitchingEditorsCarriesEveryEditIncludingCase)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    ASSERT_EQ(c.OpenDocument(host.write("m.txt", "hallo\r\nwelt")), lrSuccess);
    c.SetEditorMode(0, false);
    EXPECT_FALSE(host.doc(0)->EditorMode());
    EXPECT_EQ(host.rich(0)->text(), "hallo\nwelt");
    EXPECT_EQ(host.count(evEditorModeChanged), 1);
    host.rich(0)->setText(QStringLiteral("HALLO\nwelt"));
    EXPECT_TRUE(host.doc(0)->GetModified());
    c.SetEditorMode(0, true);
    EXPECT_EQ(host.code(0)->text(), "HALLO\r\nwelt") << "a case-only edit is an edit";
    EXPECT_TRUE(c.SaveDocument(0));
    EXPECT_EQ(bytesOf(host.path("m.txt")), "HALLO\r\nwelt");

    c.SetFixEditorMode(true);
    c.SetEditorMode(0, false);
    EXPECT_TRUE(host.doc(0)->EditorMode());
    EXPECT_EQ(host.count(evMayNotChangeEditorMode), 1);
}

TEST(DocumentContainer, DragAndDropOverAnEditorGoesToTheHost)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    host.core->Settings()->DefaultEditor()->EditorMode = false;
    c.NewDocument();
    host.window.resize(300, 200);
    host.doc(0)->Parent()->resize(300, 200);
    host.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host.window));
    QWidget *viewport = host.rich(0)->textEdit()->viewport();
    TVYRADocument *over = nullptr;
    TVYRADocument *dropped = nullptr;
    c.Events().OnDragOver = [&](TVYRADocument *document, QObject *, QPoint, bool &allow) {
        over = document;
        allow = true;
    };
    c.Events().OnDragDrop = [&](TVYRADocument *document, QObject *, QPoint) { dropped = document; };
    QMimeData data;
    data.setText(QStringLiteral("x"));
    QDragEnterEvent move(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &move);
    EXPECT_EQ(over, host.doc(0));
    EXPECT_TRUE(move.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    EXPECT_EQ(dropped, host.doc(0));
}

TEST(DocumentContainer, WithOneEditorKindOnlyThatKindExistsAndTheModeIsFixed)
{
    QTemporaryDir root;
    QWidget window;
    TVYRACoreConfig config{&window, root.filePath("app"), root.filePath("common"), root.filePath("user"),
                           TVYRAEditorTypes::etCodeEditor, false, {}};
    TVYRACore core(config);
    TVYRADocumentContainer &c = *core.Container();
    c.Events().OnNewDocumentRequest = [&](QWidget *&parent) { parent = new QWidget(&window); };
    EXPECT_TRUE(c.FixEditorMode());
    EXPECT_FALSE(c.IsRichEditorAvailable());
    EXPECT_TRUE(core.Settings()->DefaultEditor()->EditorMode);
    ASSERT_EQ(c.NewDocument(), 0);
    EXPECT_TRUE(c.GetSynEdit(0));
    EXPECT_FALSE(c.GetRichEdit(0));
    EXPECT_TRUE(c.GetDocument(0)->EditorMode());
    c.SetFixEditorMode(false);
    EXPECT_TRUE(c.FixEditorMode()) << "only with both kinds may the mode be freed";
    c.SetEditorMode(0, false);
    EXPECT_TRUE(c.GetDocument(0)->EditorMode());
}

// ---------------------------------------------------------------------------
// Faults of the old behaviour

TEST(DocumentContainerFaults, DeclinedOverwriteKeepsTheDocumentsOwnName)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    const QString own = host.write("eigen.txt", "eigen");
    const QString other = host.write("fremd.txt", "fremd");
    ASSERT_EQ(c.OpenDocument(own), lrSuccess);
    host.type(0, QStringLiteral(" neu"));
    host.answers[evFileAlreadyExists] = false;
    EXPECT_FALSE(c.SaveDocument(0, other));
    EXPECT_EQ(host.doc(0)->GetFileName(), own);
    EXPECT_TRUE(host.doc(0)->GetFileExists());
    EXPECT_TRUE(host.doc(0)->GetModified());
    EXPECT_EQ(c.ProjectItemOf(host.doc(0))->GetName(), "eigen.txt");
    EXPECT_EQ(c.ProjectItemOf(host.doc(0))->PhysicalFileName(), own);
    const int asked = host.count(evFileAlreadyExists);
    EXPECT_TRUE(c.SaveDocument(0));
    EXPECT_EQ(host.count(evFileAlreadyExists), asked) << "its own file is written without a question";
    EXPECT_EQ(bytesOf(own), "eigen neu");
    EXPECT_EQ(bytesOf(other), "fremd") << "the declined file was never touched";

    // A name request answered with nothing is a cancel.
    host.type(0, QStringLiteral("!"));
    c.Events().OnGetSaveFileName = [](TVYRADocument *, QString &fileName) { fileName.clear(); };
    EXPECT_FALSE(c.ISaveFile(0, true));
    EXPECT_EQ(host.doc(0)->GetFileName(), own);
}

TEST(DocumentContainerFaults, AFailedSaveKeepsTheDocumentOpenModifiedAndNamed)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    ASSERT_EQ(c.NewDocument(), 0);
    host.type(0, QStringLiteral("wichtig"));
    QDir().mkpath(host.path("ordner.txt"));
    EXPECT_FALSE(c.SaveDocument(0, host.path("ordner.txt")));
    EXPECT_EQ(host.doc(0)->GetFileName(), "Dokument1");
    EXPECT_FALSE(host.doc(0)->GetFileExists());
    EXPECT_TRUE(host.doc(0)->GetModified());
    EXPECT_EQ(c.GetDocumentCount(), 1);
    ASSERT_EQ(host.count(evFileAccessError), 1);
    const TVYRAEventInfo failure = host.events.last();
    EXPECT_EQ(failure.type, etError);
    const QString text = TVYRAContainerMessages::Text(failure);
    EXPECT_TRUE(text.contains(host.path("ordner.txt")));
    EXPECT_FALSE(failure.detail.isEmpty());
    EXPECT_EQ(host.count(evFileSaved), 0);
}

TEST(DocumentContainerFaults, CaseOnlyEditsSurviveTheModeSwitch)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    ASSERT_EQ(c.NewDocument(), 0);
    host.type(0, QStringLiteral("abc"));
    c.SetEditorMode(0, false);
    host.rich(0)->setText(QStringLiteral("ABC"));
    c.SetEditorMode(0, true);
    EXPECT_EQ(host.code(0)->text(), "ABC");
}

TEST(DocumentContainerFaults, ANilProjectMeansTheDefaultGroup)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    ASSERT_EQ(c.OpenDocumentEx(nullptr, host.write("a.txt", "a"), nullptr, 0), lrSuccess);
    EXPECT_EQ(c.ProjectOf(host.doc(0)), c.GetDefaultGroup());
    ASSERT_EQ(c.NewDocument(nullptr, nullptr, 9), 1);
    EXPECT_EQ(c.ProjectOf(host.doc(1)), c.GetDefaultGroup());
}

TEST(DocumentContainerFaults, AFailedOpenClosesOnlyWhatItCreated)
{
    Host host(true, true);
    CipherFixtures::install(host.core->CipherDir(), {QStringLiteral("FixtureXor")});
    host.core->InitCiphers();
    TVYRADocumentContainer &c = *host.container;
    // A protected file to fail on.
    ASSERT_EQ(c.NewDocument(), 0);
    host.type(0, QStringLiteral("x"));
    TCipherList *ciphers = host.core->Ciphers();
    host.doc(0)->AssignCipher(ciphers->GetCipher(ciphers->SearchCipher(QStringLiteral("Fixture XOR"))));
    host.doc(0)->SetPlainPassword(QStringLiteral("geheim"));
    ASSERT_TRUE(c.SaveDocument(0, host.path("g.qcd")));
    c.CloseDocument(0);
    host.flush();

    c.SetMDISupported(false);
    ASSERT_EQ(c.OpenDocument(host.write("mein.txt", "meins")), lrSuccess);
    host.type(0, QStringLiteral(" ungespeichert"));
    TVYRADocument *mine = host.doc(0);
    c.Events().OnPasswordRequired = [](TVYRADocument *, std::optional<QString> &password) { password = "falsch"; };
    EXPECT_EQ(c.OpenDocument(host.path("g.qcd")), lrAbort);
    ASSERT_EQ(c.GetDocumentCount(), 1) << "the user's document stays";
    EXPECT_EQ(host.doc(0), mine);
    EXPECT_EQ(mine->GetFileName(), host.path("mein.txt"));
    EXPECT_FALSE(mine->IsEnCrypted());
    EXPECT_EQ(host.code(0)->text(), "meins ungespeichert");
    EXPECT_TRUE(c.SaveDocument(0));
    EXPECT_EQ(bytesOf(host.path("mein.txt")), "meins ungespeichert");
}

TEST(DocumentContainerFaults, AnUnmodifiedDocumentSavedAsQcdIsEnciphered)
{
    Host host(true, true);
    CipherFixtures::install(host.core->CipherDir(), {QStringLiteral("FixtureXor")});
    host.core->InitCiphers();
    TVYRADocumentContainer &c = *host.container;
    ASSERT_EQ(c.OpenDocument(host.write("klar.txt", "Klartext im Dokument")), lrSuccess);
    TCipherList *ciphers = host.core->Ciphers();
    host.doc(0)->AssignCipher(ciphers->GetCipher(ciphers->SearchCipher(QStringLiteral("Fixture XOR"))));
    host.doc(0)->SetPlainPassword(QStringLiteral("geheim"));
    ASSERT_FALSE(host.doc(0)->GetModified());
    ASSERT_TRUE(c.SaveDocument(0, host.path("klar.qcd")));
    EXPECT_FALSE(bytesOf(host.path("klar.qcd")).contains("Klartext"));
    EXPECT_EQ(host.doc(0)->SourceExtension(), ".txt");
}

// ---------------------------------------------------------------------------
// Answers, messages and wrappers

TEST(DocumentContainer, WithoutAnEventHandlerEveryQuestionIsAnsweredYes)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    c.Events().OnEvent = nullptr;
    const QString target = host.write("da.txt", "alt");
    ASSERT_EQ(c.NewDocument(), 0);
    host.type(0, QStringLiteral("neu"));
    EXPECT_TRUE(c.SaveDocument(0, target));
    EXPECT_EQ(bytesOf(target), "neu");
    TReplaceAction action = raCancel;
    action = static_cast<IEditorDocument *>(c.GetEditor(0)->GetParent())->AskReplace("a", "b");
    EXPECT_EQ(action, raReplaceAll);
}

TEST(DocumentContainer, ThePrompterAnswersEventsAndPasswords)
{
    Host host;
    TVYRADocumentContainer &c = *host.container;
    TVYRAContainerPrompts::Install(c);
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    const QString target = host.write("da.txt", "alt");
    ASSERT_EQ(c.NewDocument(), 0);
    host.type(0, QStringLiteral("neu"));
    prompter.answerButton(TPromptButton::No);
    EXPECT_FALSE(c.SaveDocument(0, target));
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts()[0].text.contains(target));
    EXPECT_EQ(prompter.prompts()[0].caption, "Datei überschreiben");
    EXPECT_EQ(c.OpenDocument(host.path("fehlt.txt")), lrUserCancel) << "unscripted: the default answer is No";
    EXPECT_EQ(bytesOf(target), "alt");
}

TEST(DocumentContainer, PluginWrappersForwardToTheirSource)
{
    Host host;
    std::unique_ptr<IDocuments> documents = host.core->GetDocuments();
    EXPECT_TRUE(documents->INewFile());
    EXPECT_EQ(host.container->GetDocumentCount(), 1);
    EXPECT_EQ(host.loaded.last(), lrSuccess);
    EXPECT_TRUE(documents->OpenFile(host.write("a.txt", "a")));
    EXPECT_EQ(documents->GetCount(), 2);
    EXPECT_EQ(documents->GetDocument(1), host.doc(1));
    EXPECT_TRUE(documents->ICloseFile(0));
    EXPECT_EQ(documents->GetCount(), 1);
    TVYRACore clone(host.core.get());
    EXPECT_EQ(clone.Container(), host.container) << "clones share the container";
    EXPECT_EQ(clone.GetDocuments()->GetCount(), 1);
}
