#pragma once

#include <cstdint>

// What a file search searches.
enum TFileSearchOption : uint8_t { fsoAllProjectFiles = 0, fsoAllOpenFiles = 1, fsoDirectories = 2 };
