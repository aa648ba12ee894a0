#pragma once

#include "TestSupport.h"
#include "container/TVYRAContainerPrompts.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TDocumentCommands.h"
#include "documents/TScriptedFileDialogs.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "framework/TVYRACore.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"
#include "settings/TTalvexStudioSettings.h"
#include "snippets/TVYRAMRUList.h"
#include "ui/TScriptedPrompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <deque>
#include <memory>

// The real core (with the program's settings) and its container over a
// temporary tree, the container's events answered by the program's prompts
// through a scripted prompter, scripted file dialogs and a scripted close
// dialog, and the document commands on top.
struct DocumentCommandsHost {
    using TCloseScript = std::function<TCloseAnswer(TCloseDialogModel &model)>;

    QTemporaryDir root;
    QWidget window;
    std::unique_ptr<TVYRACore> core;
    TVYRADocumentContainer *container = nullptr;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TScriptedFileDialogs dialogs;
    TVYRAProjectGroupItems *selected = nullptr;
    QPointer<TVYRADocument> active;
    int listsChanged = 0;
    bool terminating = false;
    std::function<void()> betweenFiles;
    std::deque<TCloseScript> closeScript;
    QList<TCloseDialogMode> closeModes;
    QList<QStringList> closeTrees;
    std::unique_ptr<TDocumentCommands> commands;

    DocumentCommandsHost()
    {
        TVYRACoreConfig config{&window, root.filePath("app"), root.filePath("common"), root.filePath("user"),
                               TVYRAEditorTypes::etBoth, false, {TTalvexStudioSettings::factory(), {}, {}, {}}};
        core = std::make_unique<TVYRACore>(config);
        container = core->Container();
        core->Settings()->DefaultEditor()->EditorMode = true;
        core->Settings()->Behavior()->FileOpenOptions = VYRASettingsTypes::fooAddToActive;
        // No file types are loaded here: every file would count as unsupported.
        settings()->Advanced()->WarnUnsupportedFileOpenAttempt = false;
        container->SetMDISupported(true);
        container->SetCanOpenProjects(true);
        container->Events().OnNewDocumentRequest = [this](QWidget *&parent) { parent = new QWidget(&window); };
        // The active document as the window would keep it.
        container->Events().OnRequestDocumentShowing = [this](TVYRADocument *document) { active = document; };
        container->Events().OnGetActiveDocumentIndex = [this](int &index) {
            index = -1;
            for (int i = 0; i < count(); ++i) {
                if (doc(i) == active)
                    index = i;
            }
        };
        TVYRAContainerPrompts::Install(*container);
        QDir().mkpath(path(QString()));

        TDocumentCommandsHost host;
        host.dialogParent = &window;
        host.selectedProjectGroup = [this] { return selected; };
        host.listsChanged = [this] { ++listsChanged; };
        host.processEvents = [this] {
            if (betweenFiles)
                betweenFiles();
        };
        host.terminating = [this] { return terminating; };
        host.askClose = [this](TCloseDialogModel &model, TCloseDialogMode mode) {
            closeModes.append(mode);
            QStringList tree;
            for (const TCloseDialogModel::TNode &node : model.Nodes()) {
                tree << node.text;
                for (const TCloseDialogModel::TNode &child : node.children)
                    tree << QStringLiteral("  ") + child.text;
            }
            closeTrees.append(tree);
            if (closeScript.empty())
                return TCloseAnswer::caCancel;
            TCloseScript next = closeScript.front();
            closeScript.pop_front();
            return next(model);
        };
        commands = std::make_unique<TDocumentCommands>(*core, dialogs, host);
    }

    ~DocumentCommandsHost()
    {
        commands.reset();
        core.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TTalvexStudioSettings *settings() const { return qobject_cast<TTalvexStudioSettings *>(core->Settings()); }
    QString path(const QString &name) const { return root.filePath(QStringLiteral("files/") + name); }
    QString write(const QString &name, const QByteArray &bytes) const
    {
        TestSupport::writeFile(path(name), bytes);
        return path(name);
    }
    QByteArray read(const QString &name) const { return TestSupport::readFile(path(name)); }
    TVYRADocument *doc(int index) const { return container->GetDocument(index); }
    int count() const { return container->GetDocumentCount(); }
    TVYRAProjectGroupList *groups() const { return container->ProjectGroups(); }
    void type(int index, const QString &text) const
    {
        TCodeEditor *editor = container->GetSynEdit(index);
        editor->setCaretOffset(editor->textLength());
        editor->replaceSelection(text);
    }
    QString text(int index) const { return container->GetSynEdit(index)->text(); }
    // A project-group file on disk, not open yet.
    QString writeProject(const QString &name, const QString &projectName) const
    {
        const QString file = path(name);
        TVYRAProjectGroupList list;
        TVYRAProjectGroupItems group(&list, file, true);
        group.SetProjectName(projectName);
        EXPECT_TRUE(group.Save(file));
        return file;
    }
    // Opens a project-group file and returns the group.
    TVYRAProjectGroupItems *openProject(const QString &name, const QString &projectName)
    {
        const QString file = writeProject(name, projectName);
        commands->OpenFiles({file});
        const int index = container->FindProject(file);
        return index >= 0 ? groups()->Items(index) : nullptr;
    }
    QStringList promptTexts() const
    {
        QStringList texts;
        for (const TPrompt &prompt : prompter.prompts())
            texts << prompt.text;
        return texts;
    }
};
