#pragma once

#include "utils/VYRAExceptions.h"

// A settings file that exists but cannot be read or is not well-formed XML.
class VYRA_EXPORT ESettingsLoadErr : public EVYRAException
{
public:
    using EVYRAException::EVYRAException;
};
