#pragma once

#include "settings/TVYRACollection.h"

#include <QString>

// A collection of items of the class TItem, with typed access and the look-up
// by a key field that the keyed settings collections share.
template <class TItem>
class TVYRAOwnedCollection : public TVYRACollection
{
public:
    using TVYRACollection::TVYRACollection;

    TItem *Items(int index) const { return static_cast<TItem *>(Item(index)); }
    TItem *Add() { return static_cast<TItem *>(AddItem()); }

    // Index of the first item whose field equals the key exactly, -1 if none.
    int IndexOfKey(QString TItem::*field, const QString &key) const
    {
        for (int i = 0; i < Count(); ++i) {
            if (Items(i)->*field == key)
                return i;
        }
        return -1;
    }
    TItem *FindByKey(QString TItem::*field, const QString &key) const
    {
        return Items(IndexOfKey(field, key));
    }
    // The item with that key; a new one carrying the key when none exists.
    TItem *FindOrAdd(QString TItem::*field, const QString &key)
    {
        if (TItem *item = FindByKey(field, key))
            return item;
        TItem *item = Add();
        item->*field = key;
        return item;
    }

protected:
    std::unique_ptr<TVYRACollectionItem> CreateItem() const override
    {
        return std::make_unique<TItem>();
    }
};
