#pragma once

#include "documents/TCloseDialogModel.h"

#include <functional>

class QWidget;
class TVYRADocument;
class TVYRAProjectGroupItems;

// What the document commands need of the main window. Optional members may
// stay unset.
struct TDocumentCommandsHost {
    // Parent of the dialogs the commands show.
    QWidget *dialogParent = nullptr;
    // The group marked current in the window's "Projektliste"; nullptr when none.
    std::function<TVYRAProjectGroupItems *()> selectedProjectGroup;
    // The document list, the project list and the recent-file menus are to
    // be rebuilt (once per command or batch).
    std::function<void()> listsChanged;
    // FileExit: close the main window (its close handling asks QueryExit).
    std::function<void()> closeMainWindow;
    // Optional: false vetoes the save of the document; unset means true.
    std::function<bool(TVYRADocument *document)> beforeSave;
    // Optional: called between the files of a batch.
    std::function<void()> processEvents;
    // Optional: true while the program ends; a running batch stops.
    std::function<bool()> terminating;
    // Optional: answers the close dialog; unset shows TCloseDialog over dialogParent.
    std::function<TCloseAnswer(TCloseDialogModel &model, TCloseDialogMode mode)> askClose;
};
