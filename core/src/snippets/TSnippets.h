#pragma once

#include "snippets/TSnippetGroup.h"
#include "utils/TOperationResult.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QSettings;
namespace pugi {
class xml_node;
class xml_document;
}

// The snippet store "snippets.xml": a tree of groups below the root group
// "maingroup". Codes are stored in CDATA sections, so they keep every
// character, "]]>" included.
class VYRA_EXPORT TSnippets
{
public:
    // Deepest nesting of groups a file may hold; a deeper file is refused as
    // damaged rather than read by ever deeper recursion.
    static constexpr int MaxGroupDepth = 64;

    // Loads the file at once (see ReloadFromXML).
    explicit TSnippets(const QString &fileName);
    // Reads the older registry form below root\key; the file name stays empty.
    TSnippets(quint32 registryRoot, const QString &registryKey);
    ~TSnippets();
    TSnippets(const TSnippets &) = delete;
    TSnippets &operator=(const TSnippets &) = delete;

    QString FileName() const { return m_fileName; }
    // Only names the file; neither loads nor saves.
    void SetFileName(const QString &fileName) { m_fileName = fileName; }
    TSnippetGroup *RootGroup() const { return m_root.get(); }

    // Replaces the tree with the file's: a missing file or one whose root is
    // not "snippets" gives an empty tree; a file the XML parser refuses, or
    // one nested deeper than MaxGroupDepth, raises EInvalidVYRAFormat (the
    // tree is then empty).
    void ReloadFromXML();
    // The same from bytes already read.
    void LoadFromData(const QByteArray &data);
    // Writes the tree into the file, creating it when missing. A file whose
    // root is not "snippets" or that cannot be parsed is left as it is, and
    // the result says so, naming the file.
    TOperationResult SaveToXML() const;

    // Appends the snippets and groups below an XML element to group.
    static void FetchItems(const pugi::xml_node &node, TSnippetGroup &group);
    // Appends the older registry form below root\key to group: each string
    // value is a snippet (value name and data), each subkey a child group.
    static void FetchItems(quint32 registryRoot, const QString &registryKey, TSnippetGroup &group);

private:
    void resetRoot();
    void fetchRoot(const pugi::xml_document &doc);
    static void fetchItems(const pugi::xml_node &node, TSnippetGroup &group, int depth, const QString &source);
    static void fetchRegistryItems(QSettings &settings, TSnippetGroup &group, int depth);

    QString m_fileName;
    std::unique_ptr<TSnippetGroup> m_root;
};
