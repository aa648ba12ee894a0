#pragma once

#include "container/TVYRADocumentList.h"

#include <QString>

class TVYRADocumentContainer;

// Saving one document of the container in the format its new name asks for:
// the enciphered document format (".qcd", and every enciphered document), a
// template (".qtf"), or the editor's plain or rich text. On every refusal or
// failure the document keeps its name, FileExists, project entry and
// modified state, and the failure is reported as an event.
class TVYRADocumentSaver
{
public:
    explicit TVYRADocumentSaver(TVYRADocumentContainer &container);

    // True only when the file was written.
    bool Save(int index, const QString &fileName);

private:
    QString editorText(const TVYRADocumentList::TEntry &entry) const;
    bool saveStored(int index, const QString &oldName);
    bool saveTemplate(int index, const QString &fileName);
    bool savePlain(int index, const QString &fileName);
    void markSaved(TVYRADocumentList::TEntry &entry);

    TVYRADocumentContainer &m_c;
};
