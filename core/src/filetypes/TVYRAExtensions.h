#pragma once

#include "filetypes/TVYRAExtensionGroup.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace pugi {
class xml_document;
}
class TIHighlighter;
class TIHighlighters;

// The file-type registry: named groups of file-name patterns, loaded from
// "filetypes.xml" (official types) and "customfiletypes.xml" (the user's).
class VYRA_EXPORT TVYRAExtensions
{
public:
    // directory: the program folder that stands for ":appdir:" in icon paths.
    TVYRAExtensions(const QString &directory, TIHighlighters *highlighters);
    ~TVYRAExtensions();
    TVYRAExtensions(const TVYRAExtensions &) = delete;
    TVYRAExtensions &operator=(const TVYRAExtensions &) = delete;

    // A missing file or a root other than "filetypes" is left alone. A file
    // the XML parser refuses raises EInvalidVYRAFormat.
    void LoadFromFile(const QString &FileName, bool Clear);
    // The same from bytes already read.
    void LoadFromData(const QByteArray &data, bool Clear);
    // Writes every group, or with OnlyType only those of GroupType. A file
    // with a root other than "filetypes" is left alone (false).
    bool SaveToFile(const QString &FileName, bool OnlyType, TVYRAExtensionGroupType GroupType) const;

    TVYRAExtensionGroup *GetGroup(int i) const;
    void SetGroup(int i, std::unique_ptr<TVYRAExtensionGroup> group);
    int GetCount() const { return int(m_groups.size()); }
    TVYRAExtensionGroup *AddGroup(std::unique_ptr<TVYRAExtensionGroup> group);
    // Removes only custom groups.
    bool RemoveGroup(int i);
    int IndexOf(const TVYRAExtensionGroup *group) const;
    void ClearGroups() { m_groups.clear(); }

    // The first pattern equal to Identifier (case-insensitive), groups and
    // patterns in list order; nullptr when none.
    TVYRAFileExtension *FindExtension(const QString &Identifier) const;
    // The pattern that matches a file name ("*" + its extension).
    TVYRAFileExtension *FindExtensionForFile(const QString &fileName) const;

    QString GetExtensions(bool Names) const;
    QString GetFilterExtensions() const;
    QString GetFilterExtensionsEx(const QString &Format) const;
    void ApplyExtensions(QStringList &Strings, bool NoSummary, bool IncludeBinary) const;

    QString Directory() const { return m_directory; }
    TIHighlighters *Highlighters() const { return m_highlighters; }

private:
    void readGroups(const pugi::xml_document &doc, bool Clear);
    QString expandAppDir(const QString &path) const;
    QString collapseAppDir(const QString &path) const;
    void highlighterRemoved(TIHighlighter *removed, TIHighlighter *replacement);

    QString m_directory;
    QPointer<TIHighlighters> m_highlighters;
    QMetaObject::Connection m_removalConnection;
    std::vector<std::unique_ptr<TVYRAExtensionGroup>> m_groups;
};
