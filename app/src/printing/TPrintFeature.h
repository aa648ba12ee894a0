#pragma once

#include <QStringList>
#include <memory>

class TMainForm;
class TStartupArguments;
class TPrintCommands;
class TVYRACore;

// Puts printing into the main window: the print and preview commands on the
// active document, and the printing of files named with "/p" at start or by a
// later start that hands its arguments over.
class TPrintFeature
{
public:
    TPrintFeature(TVYRACore &core, TMainForm &window);
    ~TPrintFeature();

    TPrintCommands &Commands() const { return *m_commands; }
    // After the files of the command line were opened: "/p" as the last
    // argument prints them.
    void PrintAtStart(const TStartupArguments &arguments);
    // The arguments of a later start: its files open as one batch and the
    // window comes to the front; "/p" anywhere among them prints them.
    void ReceiveHandOver(const QStringList &arguments);

private:
    TMainForm &m_window;
    std::unique_ptr<TPrintCommands> m_commands;
};
