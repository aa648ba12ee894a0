#pragma once

#include "vyra_export.h"

// Counts the reference-counted objects the host has handed out and not yet
// freed, so that a test can see every reference come back at shutdown.
class VYRA_EXPORT TVYRAInterfaceCounter
{
public:
    static int Live();

protected:
    TVYRAInterfaceCounter();
    ~TVYRAInterfaceCounter();
    TVYRAInterfaceCounter(const TVYRAInterfaceCounter &) = delete;
    TVYRAInterfaceCounter &operator=(const TVYRAInterfaceCounter &) = delete;
};
