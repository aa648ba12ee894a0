#pragma once

#include "completion/TVYRAHTMLTag.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The HTML tag catalogue "taglist.xml": tags with their attributes, plus
// "universalattributes" blocks whose attributes go to every tag not named
// in their "exclude" list (names separated by ";", any case). A missing file
// leaves the list empty; a damaged one raises EInvalidVYRAFormat.
class VYRA_EXPORT TVYRAHTMLTagList
{
public:
    TVYRAHTMLTagList() = default;
    // Loads the file at once.
    explicit TVYRAHTMLTagList(const QString &fileName);

    void LoadTagList();
    void LoadFromData(const QByteArray &data);
    const QString &FileName() const { return m_fileName; }

    const TVYRAHTMLTag &GetTags(int i) const { return m_tags.at(i); }
    int GetCount() const { return int(m_tags.size()); }
    // The first tag of that name (case-sensitive), or -1.
    int IndexOf(const QString &name) const;

private:
    void read(const pugi::xml_node &root);
    void addUniversal(const pugi::xml_node &block);

    QString m_fileName;
    QList<TVYRAHTMLTag> m_tags;
};
