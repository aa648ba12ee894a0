#pragma once

// The modal results of the print preview.
namespace TPreviewResult {
constexpr int prClose = 1;   // "S&chließen"
constexpr int prMissing = 3; // no document to show
constexpr int prPrint = 6;   // "Drucken...": the caller prints
} // namespace TPreviewResult
