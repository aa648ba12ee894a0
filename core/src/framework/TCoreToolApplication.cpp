#include "framework/TCoreToolApplication.h"

#include "framework/TVYRACore.h"

TCoreToolApplication::TCoreToolApplication(TVYRACore *core)
    : m_core(core)
{
}

QString TCoreToolApplication::SettingsFileName() const
{
    return m_core ? m_core->GetSettingsXMLFile() : QString();
}

std::uintptr_t TCoreToolApplication::IconHandle() const
{
    return m_core ? m_core->GetIcon() : 0;
}

std::uintptr_t TCoreToolApplication::MainWindowHandle() const
{
    return m_core ? m_core->GetHandle() : 0;
}
