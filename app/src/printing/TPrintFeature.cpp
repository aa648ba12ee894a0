#include "printing/TPrintFeature.h"

#include "commands/TActionRegistry.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "printing/TPrintCommands.h"
#include "startup/TStartupArguments.h"

TPrintFeature::TPrintFeature(TVYRACore &core, TMainForm &window)
    : m_window(window)
    , m_commands(std::make_unique<TPrintCommands>(
          *core.Container(), [&window] { return window.ActiveDocument(); }, &window))
{
    window.Registry().Install(*m_commands);
}

TPrintFeature::~TPrintFeature() = default;

void TPrintFeature::PrintAtStart(const TStartupArguments &arguments)
{
    if (arguments.printAtStart())
        m_commands->PrintFiles(arguments.filesToOpen());
}

void TPrintFeature::ReceiveHandOver(const QStringList &arguments)
{
    const THandOverRequest request = THandOverRequest::fromArguments(arguments);
    m_window.ReceiveHandOver(request.files);
    if (request.print)
        m_commands->PrintFiles(request.files);
}
