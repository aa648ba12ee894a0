#pragma once

#include <functional>

class TVYRACodeCompletionService;

// The completion catalogues the window's editors offer, and whether the
// settings switch completion on; without a service nothing is offered.
struct TEditorCompletion {
    TVYRACodeCompletionService *service = nullptr;
    std::function<bool()> enabled;
};
