#pragma once

#include "catalogues/TDocType.h"
#include "orvane_export.h"

#include <QByteArray>
#include <QString>
#include <vector>

class TVYRACore;

// The document types of "doctypes.xml" in the core's application data folder,
// in file order: every child of the root with a "name" attribute, its text
// being the declaration. A missing, damaged or unreadable file gives an empty
// list; the last two also give ErrorText.
class ORVANE_EXPORT TDocTypeList
{
public:
    static constexpr const char *CatalogueFileName = "doctypes.xml";

    // Reads the catalogue of core; without a core the list stays empty.
    explicit TDocTypeList(TVYRACore *core);

    // Reads the file again; false when it was damaged or unreadable.
    bool ReloadFromXml();
    // Reads the catalogue from bytes; fileName only names them in messages.
    bool LoadFromBytes(const QByteArray &data, const QString &fileName = QString::fromLatin1(CatalogueFileName));

    int GetCount() const { return int(m_items.size()); }
    // nullptr for an index outside the list.
    const TDocType *GetItems(int index) const;
    QString ErrorText() const { return m_errorText; }
    TVYRACore *Core() const { return m_core; }

private:
    TVYRACore *m_core = nullptr;
    std::vector<TDocType> m_items;
    QString m_errorText;
};
