#pragma once

#include "commands/TCommandController.h"

class IWindowArrangement;

// The "Fenster" commands and "Statusleiste".
class TWindowCommands : public TCommandController
{
public:
    explicit TWindowCommands(IWindowArrangement &window);
    void Register(TActionRegistry &registry) override;

private:
    IWindowArrangement &m_window;
};
