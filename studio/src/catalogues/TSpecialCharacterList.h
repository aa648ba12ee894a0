#pragma once

#include "catalogues/TSpecialCharacter.h"
#include "orvane_export.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <pugixml.hpp>
#include <vector>

class TVYRACore;

// The character table of "chartab.xml" in the core's application data folder,
// in file order: every child of the root with an "entity" attribute and an
// "ascii" attribute holding a Unicode code point (decimal, or hex after "$" or "0x"). A code that comes
// again keeps its first entry. A missing, damaged or unreadable file gives an
// empty list; the last two also give ErrorText.
class ORVANE_EXPORT TSpecialCharacterList
{
public:
    static constexpr const char *CatalogueFileName = "chartab.xml";

    // Reads the catalogue of core; without a core the list stays empty.
    explicit TSpecialCharacterList(TVYRACore *core);

    // Reads the file again; false when it was damaged or unreadable.
    bool ReloadFromXml();
    // Reads the catalogue from bytes; fileName only names them in messages.
    bool LoadFromBytes(const QByteArray &data, const QString &fileName = QString::fromLatin1(CatalogueFileName));

    int GetCount() const { return int(m_items.size()); }
    // nullptr for an index outside the list.
    const TSpecialCharacter *GetItems(int index) const;
    // Index of the entry for code, -1 when there is none.
    int IndexOf(quint32 code) const;
    QString ErrorText() const { return m_errorText; }
    TVYRACore *Core() const { return m_core; }

private:
    void Read(const pugi::xml_node &root);

    TVYRACore *m_core = nullptr;
    std::vector<TSpecialCharacter> m_items;
    QHash<quint32, int> m_indexByCode;
    QString m_errorText;
};
