#pragma once

#include <functional>
#include <memory>

class TVYRAEditor;

// The editor facade of the active document, or nullptr without one; asked
// anew for every command, so a closed document is never used.
using TActiveEditor = std::function<std::unique_ptr<TVYRAEditor>()>;
