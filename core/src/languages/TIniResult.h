#pragma once

#include "utils/TOperationResult.h"

// Outcome of reading or writing an INI or language file, with the German
// text to show when it failed.
using TIniResult = TOperationResult;
