#pragma once

#include "utils/TOperationResult.h"

// Outcome of a document operation that can fail, with the German text to show.
using TDocumentResult = TOperationResult;
