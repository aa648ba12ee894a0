#pragma once

#include "vyra_export.h"

#include <QString>
#include <cstdint>

// What a tool module may ask of and do to the editor through the tool
// call-back: the active document and editor, a few program facts and the
// document commands. The program implements it over its core and container;
// tests put in a fake. Operations that can fail answer false.
class VYRA_EXPORT TToolApplication
{
public:
    virtual ~TToolApplication();

    // True when a document is active and may be edited.
    virtual bool CanEditDocuments() const = 0;

    virtual QString ActiveEditorText() const = 0;
    virtual void SetActiveEditorText(const QString &text) = 0;
    virtual QString ActiveDocumentFileName() const = 0;
    virtual QString ActiveDocumentFileVersion() const = 0;
    virtual QString ActiveDocumentCipherName() const = 0;
    // True when the active document is stored without encipherment.
    virtual bool ActiveDocumentHasNoCipher() const = 0;
    virtual int ActiveDocumentIndex() const = 0;
    // codeEditor: true for the source-code editor, false for the rich-text editor.
    virtual bool SetActiveDocumentEditorMode(bool codeEditor) = 0;
    virtual bool SetActiveEditorHighlighter(const QString &name) = 0;

    virtual bool OpenFile(const QString &fileName) = 0;
    // The extended open of the documents interface: fileName beside the
    // document with the given index.
    virtual bool OpenFileEx(const QString &fileName, int documentIndex) = 0;
    virtual bool CloseActiveDocument() = 0;
    virtual bool SaveActiveDocument() = 0;
    virtual bool NewDocument() = 0;

    virtual QString SettingsFileName() const = 0;
    virtual std::uintptr_t IconHandle() const = 0;
    virtual std::uintptr_t MainWindowHandle() const = 0;
};
