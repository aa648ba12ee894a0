#pragma once

class TActionRegistry;

// A GUI-free owner of commands. A window feature adds its commands by
// registering handlers for the action names it implements; nothing else in
// the window has to change.
class TCommandController
{
public:
    virtual ~TCommandController() = default;
    virtual void Register(TActionRegistry &registry) = 0;
};
