#pragma once

#include "tools/TVYRATool.h"
#include "utils/TOperationResult.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

// Key of TVYRAToolList::SearchTool.
enum TToolSearchOptions { tsoFileName = 0, tsoParameter = 1, tsoName = 2 };

// The external tools of the Tools menu, kept in "tools.xml": below the root
// "tools" one element per tool with the child elements "file", "params" and
// "name".
class VYRA_EXPORT TVYRAToolList
{
public:
    // Loads the file at once: a missing file or one whose root is not "tools"
    // gives an empty list; a file the XML parser refuses raises EInvalidVYRAFormat.
    explicit TVYRAToolList(const QString &fileName);
    ~TVYRAToolList();
    TVYRAToolList(const TVYRAToolList &) = delete;
    TVYRAToolList &operator=(const TVYRAToolList &) = delete;

    QString FileName() const { return m_fileName; }

    TVYRATool *GetTool(int i) const;
    // Replaces tool i (the old one is freed); out of range changes nothing.
    void SetTool(int i, std::unique_ptr<TVYRATool> tool);
    int GetCount() const { return int(m_tools.size()); }
    int AddTool(std::unique_ptr<TVYRATool> tool);
    void DeleteTool(int i);

    // Rewrites the file so that it holds exactly this list: tool i goes into
    // the root's i-th element (other child elements of it are kept), new
    // "tool" elements are appended, surplus ones removed. A missing file is
    // created; a file whose root is not "tools" or that cannot be parsed is
    // left as it is, and the result says so.
    TOperationResult Save() const;
    // The first tool whose file name, parameters or name (by key) equals
    // value exactly; -1 when none does.
    int SearchTool(const QString &value, TToolSearchOptions key) const;

    // Replaces the list with the one in data (the rules of the constructor).
    void LoadFromData(const QByteArray &data);

private:
    void load();

    QString m_fileName;
    std::vector<std::unique_ptr<TVYRATool>> m_tools;
};
