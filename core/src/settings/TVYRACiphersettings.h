#pragma once

#include "settings/TVYRAPersistent.h"

// The cipher new enciphered documents get.
class VYRA_EXPORT TVYRACiphersettings : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(QString DefaultCipher MEMBER DefaultCipher)

public:
    using TVYRAPersistent::TVYRAPersistent;

    QString DefaultCipher;
};
