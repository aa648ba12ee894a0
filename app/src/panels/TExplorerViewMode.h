#pragma once

// How the file list of the explorer panel shows its files; the values are
// the tags of the five view commands.
enum class TExplorerViewMode { vmIcons = 0, vmSmallIcons = 1, vmList = 2, vmDetails = 3, vmThumbnails = 4 };
