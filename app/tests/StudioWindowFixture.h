#pragma once

#include "ShippedDataFolders.h"
#include "documents/TDocumentCommands.h"
#include "documents/TScriptedFileDialogs.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>

// The program in-process for end-to-end tests: the core on a private copy of
// the shipped data, the main window with every studio feature, questions
// answered by a scripted prompter and file names by scripted file dialogs
// (unless fileDialogs is set to nullptr before SetUp, for the window's own).
class StudioWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folders = shippedDataFolders(root);
        start();
    }
    void TearDown() override
    {
        for (const TPrompt &prompt : HasFailure() ? prompter.prompts() : QList<TPrompt>())
            std::cout << "[  prompt  ] " << prompt.text.toStdString() << '\n';
        stop();
    }

    // Builds core, window and features on the data folder; after stop() this
    // is a restart of the program.
    void start()
    {
        core = programCore.Create(folders);
        core->Settings()->DefaultEditor()->EditorMode = true;
        window = std::make_unique<TMainForm>(*core);
        features = std::make_unique<TStudioFeatures>(*core, *window, fileDialogs);
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    void stop()
    {
        if (!features)
            return;
        features->Documents().CloseAllWithoutAsking();
        features.reset();
        window.reset();
        core.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir root;
    TDataFolders folders;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TScriptedFileDialogs dialogs;
    TFileDialogs *fileDialogs = &dialogs;
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TMainForm> window;
    std::unique_ptr<TStudioFeatures> features;
};
