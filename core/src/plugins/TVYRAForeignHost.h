#pragma once

#include "vyra_export.h"

#include <QString>
#include <memory>

class TVYRACore;
class TVYRAEditor;

// What the two foreign plug-in conventions may read from and do to the
// editor: the active document's text and selection, files and folders.
// Every operation on the active document does nothing (and answers empty
// values) without one.
class VYRA_EXPORT TVYRAForeignHost
{
public:
    explicit TVYRAForeignHost(TVYRACore &core);
    ~TVYRAForeignHost();

    bool HasDocument() const;
    QString Text() const;
    void SetText(const QString &text);
    int SelStart() const;
    int SelLength() const;
    QString SelText() const;
    void SetSelText(const QString &text);
    void GotoLine(int line);
    QString FileName() const;
    int DocumentCount() const;
    bool OpenFile(const QString &fileName);
    bool NewFile();
    // Main folder of the active document's project group; empty without one.
    QString DocumentGroupMainFolder() const;
    // Folder of the active project group's file; hasGroup false without one.
    QString ActiveGroupFolder(bool &hasGroup) const;

private:
    TVYRAEditor *editor() const;

    TVYRACore &m_core;
    mutable std::unique_ptr<TVYRAEditor> m_editor;
};
