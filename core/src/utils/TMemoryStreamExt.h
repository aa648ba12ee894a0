#pragma once

#include "utils/TStreamExt.h"
#include "vyra_export.h"

#include <QBuffer>

// A memory buffer with the length-prefixed string operations.
class VYRA_EXPORT TMemoryStreamExt : public TStreamExt<QBuffer>
{
public:
    using TStreamExt<QBuffer>::TStreamExt;
};
