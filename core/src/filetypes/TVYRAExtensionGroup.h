#pragma once

#include "filetypes/TExtensionMode.h"
#include "filetypes/TVYRAFileExtension.h"
#include "vyra_export.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TIHighlighter;

// One file type: a name, its patterns, the highlighter and editor its files
// open with, and its icon.
class VYRA_EXPORT TVYRAExtensionGroup
{
public:
    TVYRAExtensionGroup(QString name, QString iconPath, TIHighlighter *defaultHighlighter, bool editorMode,
                        bool isBinary, TVYRAExtensionGroupType groupType);
    ~TVYRAExtensionGroup();
    TVYRAExtensionGroup(const TVYRAExtensionGroup &) = delete;
    TVYRAExtensionGroup &operator=(const TVYRAExtensionGroup &) = delete;

    QString Name;
    QString IconPath;
    QString Directory;
    TIHighlighter *DefaultHighlighter = nullptr;
    bool EditorMode = false;
    bool IsBinary = false;
    TVYRAExtensionGroupType GroupType = egtCustom;

    TVYRAFileExtension *GetItem(int i) const;
    // Replaces pattern i; the group takes ownership.
    void SetItem(int i, std::unique_ptr<TVYRAFileExtension> item);
    int GetCount() const { return int(m_items.size()); }
    // Takes ownership and sets the pattern's Group.
    TVYRAFileExtension *AddItem(std::unique_ptr<TVYRAFileExtension> item);
    // Only for custom groups and a valid index.
    bool RemoveItem(int i);
    int IndexOf(const TVYRAFileExtension *item) const;
    void Clear();

    // "*.php;*.php3"
    QString GetExtensions() const;
    // "PHP (*.php;*.php3)", or the bare name without patterns.
    QString GetName() const;
    // GetName() + "|" + GetExtensions() + "|"
    QString AsFilterString() const;
    void AssignTo(QStringList *strings) const;

private:
    std::vector<std::unique_ptr<TVYRAFileExtension>> m_items;
};
