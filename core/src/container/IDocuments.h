#pragma once

#include "container/TVYRAContainerEvents.h"
#include "vyra_export.h"

#include <QFont>
#include <QString>

class TVYRADocument;

// The open documents as plug-ins see them, in the order of the plug-in slots.
class VYRA_EXPORT IDocuments
{
public:
    virtual ~IDocuments();

    virtual int GetActiveDocumentIndex() const = 0;
    virtual TVYRADocument *IGetActiveDocument() const = 0;
    virtual bool IsIndexValid(int index) const = 0;
    virtual int GetCount() const = 0;
    // nullptr for an invalid index.
    virtual TVYRADocument *GetDocument(int index) const = 0;
    // -1: the code editor's default font, 0: the rich editor's.
    virtual QFont GetDefaultDocumentFont(int mode) const = 0;
    // A new empty document at the end; false when none could be made.
    virtual bool INewFile() = 0;
    // Opens the file behind the last document.
    virtual bool OpenFile(const QString &fileName) = 0;
    virtual bool OpenFileEx(const QString &fileName, int index) = 0;
    virtual bool ICloseFile(int index) = 0;
    // With withName the name comes from OnGetSaveFileName (an empty one cancels).
    virtual bool ISaveFile(int index, bool withName) = 0;
    virtual bool ISaveActiveFile() = 0;
    virtual bool ICloseActiveFile() = 0;
    virtual TVYRAContainerEvents::TNotify Get_OnChange() const = 0;
    virtual void Set_OnChange(TVYRAContainerEvents::TNotify handler) = 0;
};
