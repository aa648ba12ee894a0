#include "settings/TVYRAPersistent.h"

TVYRAPersistent::~TVYRAPersistent() = default;

bool TVYRAPersistent::IsPropertyStored(const char *) const
{
    return true;
}
