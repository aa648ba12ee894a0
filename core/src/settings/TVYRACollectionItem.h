#pragma once

#include "settings/TVYRAPersistent.h"

class TVYRACollection;

// One item of a TVYRACollection; its Q_PROPERTYs are stored like those of
// any other persistent object.
class VYRA_EXPORT TVYRACollectionItem : public TVYRAPersistent
{
    Q_OBJECT

public:
    using TVYRAPersistent::TVYRAPersistent;
    ~TVYRACollectionItem() override;

    // The name the item's element gets; by default the class name, which the
    // serializer writes as "item".
    virtual QString DisplayName() const;

    TVYRACollection *Collection() const { return m_collection; }
    int Index() const;

private:
    friend class TVYRACollection;
    TVYRACollection *m_collection = nullptr;
};
