#pragma once

#include "utils/TStreamExt.h"
#include "vyra_export.h"

#include <QFile>

// A file with the length-prefixed string operations.
class VYRA_EXPORT TFileStreamExt : public TStreamExt<QFile>
{
public:
    using TStreamExt<QFile>::TStreamExt;
};
