#pragma once

#include "vyra_export.h"

#include <QObject>

// Base of every object the XML serializer stores: its Q_PROPERTYs are the
// published properties. A property declared STORED false is never written nor
// read; one that is stored only under a condition says so here.
class VYRA_EXPORT TVYRAPersistent : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~TVYRAPersistent() override;

    // Whether the property of that name is to be written now. Reading does
    // not ask: a value present in the file is always taken.
    virtual bool IsPropertyStored(const char *propertyName) const;
};
