#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the open dialog is asked: filters in the stored form
// "Name (*.a;*.b)|*.a;*.b|Other|*.c".
struct TOpenFilesRequest {
    QString title;
    QString filter;
    QString startFolder;
    bool multiSelect = false;
};

// What the save dialog is asked; filterIndex is 1-based, -1 for none.
struct TSaveFileRequest {
    QString title;
    QString filter;
    int filterIndex = -1;
    QString startFolder;
    QString suggestedName;
    QString defaultExtension; // without the dot
};

// The file dialogs the document commands use, so that every command can run
// in a test with scripted answers.
class TFileDialogs
{
public:
    virtual ~TFileDialogs() = default;
    // The chosen files; empty when cancelled.
    virtual QStringList OpenFiles(const TOpenFilesRequest &request) = 0;
    // The chosen file name; nullopt when cancelled.
    virtual std::optional<QString> SaveFile(const TSaveFileRequest &request) = 0;
};
