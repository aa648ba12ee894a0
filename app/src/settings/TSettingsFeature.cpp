#include "settings/TSettingsFeature.h"

#include "commands/TActionRegistry.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "settings/TSettingsForm.h"
#include "settings/TSettingsPageList.h"
#include "settings/TTalvexStudioSettings.h"

#include <QApplication>

TSettingsFeature::TSettingsFeature(TVYRACore &core, TMainForm &window)
    : m_core(core)
    , m_window(window)
{
    window.Registry().SetHandler(QStringLiteral("SettingsShow"),
                                 [this] { ShowSettings(TSettingsPageList::Editor); });
    window.Registry().SetHandler(QStringLiteral("SnippetEdit"),
                                 [this] { ShowSettings(TSettingsPageList::Snippets); });
}

TSettingsFeature::~TSettingsFeature()
{
    delete m_form.data();
}

TSettingsForm *TSettingsFeature::Form(int page)
{
    auto *settings = qobject_cast<TTalvexStudioSettings *>(m_core.Settings());
    if (!settings)
        return nullptr;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!m_form)
        m_form = new TSettingsForm(m_core, *settings, &m_window);
    m_form->Prepare(page);
    QApplication::restoreOverrideCursor();
    return m_form;
}

int TSettingsFeature::ShowSettings(int page)
{
    TSettingsForm *form = Form(page);
    if (!form)
        return QDialog::Rejected;
    const int result = form->exec();
    m_window.UpdateNow();
    return result;
}
