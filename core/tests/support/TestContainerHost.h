#pragma once

#include "TestSupport.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "framework/TVYRACore.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

// A core with its container over a temporary data tree, offscreen windows for
// the documents (one page per document, as the main window's child windows),
// every container event recorded and answered from a table (true unless set).
struct TestContainerHost {
    QTemporaryDir root;
    QWidget window;
    std::unique_ptr<TVYRACore> core;
    TVYRADocumentContainer *container = nullptr;
    QList<TVYRAEventInfo> events;
    QHash<int, bool> answers;
    QList<TVYRALoadResult> loaded;
    int changes = 0;

    explicit TestContainerHost(bool codeMode = true, bool initNow = false)
    {
        TVYRACoreConfig config{&window, root.filePath("app"), root.filePath("common"), root.filePath("user"),
                               TVYRAEditorTypes::etBoth, initNow, {}};
        core = std::make_unique<TVYRACore>(config);
        container = core->Container();
        core->Settings()->DefaultEditor()->EditorMode = codeMode;
        container->SetMDISupported(true);
        TVYRAContainerEvents &e = container->Events();
        e.OnNewDocumentRequest = [this](QWidget *&parent) { parent = new QWidget(&window); };
        e.OnEvent = [this](const TVYRAEventInfo &info, bool &canContinue) {
            events.append(info);
            canContinue = answers.value(int(info.event), true);
        };
        e.OnDocumentLoaded = [this](TVYRADocument *, TVYRALoadResult result, const QString &) {
            loaded.append(result);
        };
        e.OnChange = [this](TVYRADocument *) { ++changes; };
    }

    ~TestContainerHost()
    {
        core.reset();
        flush();
    }

    QString path(const QString &name) const { return root.filePath(QStringLiteral("files/") + name); }
    QString write(const QString &name, const QByteArray &bytes) const
    {
        TestSupport::writeFile(path(name), bytes);
        return path(name);
    }
    int count(TVYRAEvent event) const
    {
        int n = 0;
        for (const TVYRAEventInfo &info : events)
            n += info.event == event;
        return n;
    }
    TVYRADocument *doc(int index) const { return container->GetDocument(index); }
    TCodeEditor *code(int index) const { return container->GetSynEdit(index); }
    TRichEditor *rich(int index) const { return container->GetRichEdit(index); }
    // Closed controls go from the event loop.
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // Types into the code editor of a document, as the user would.
    void type(int index, const QString &text) const
    {
        TCodeEditor *editor = code(index);
        editor->setCaretOffset(editor->textLength());
        editor->replaceSelection(text);
    }
};
