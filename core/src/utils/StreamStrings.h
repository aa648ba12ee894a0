#pragma once

// Length-prefixed strings in streams: the free functions and the stream
// classes TFileStreamExt and TMemoryStreamExt that offer them as methods.
#include "utils/StreamStringFunctions.h"
#include "utils/TFileStreamExt.h"
#include "utils/TMemoryStreamExt.h"
