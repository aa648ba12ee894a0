#include "update/TUpdateFeature.h"

#include "commands/TActionRegistry.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "settings/TTalvexStudioSettings.h"
#include "ui/TPrompter.h"
#include "update/TUpdateCheckProcess.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

TUpdateFeature::TUpdateFeature(TVYRACore &core, TMainForm &window, QString assistant, TStarter start)
    : m_core(core)
    , m_window(window)
    , m_assistant(assistant.isEmpty() ? DefaultAssistant() : std::move(assistant))
    , m_start(start ? std::move(start) : TStarter([](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    }))
{
    m_window.Registry().Install(*this);
    // Started once the event loop runs, that is after the window has been shown.
    QTimer::singleShot(0, this, &TUpdateFeature::StartCheckIfWanted);
}

TUpdateFeature::~TUpdateFeature() = default;

QString TUpdateFeature::DefaultAssistant()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/TalvexStudioUpdater");
}

QString TUpdateFeature::Question()
{
    return QStringLiteral("Es stehen neue Updates von Talvex Studio und / oder seiner Komponenten zur Verfügung.\r\n"
                          "Möchten Sie jetzt den Update-Assistenten starten?\r\n\r\n"
                          "Hinweis: Sie können die Überprüfung von Updates beim Programmstart in den Einstellungen "
                          "unter \"Erweitert\" konfigurieren.");
}

void TUpdateFeature::Register(TActionRegistry &registry)
{
    registry.SetHandler(QStringLiteral("HelpSearchForUpdates"), [this] { StartAssistant({}); });
}

void TUpdateFeature::StartCheckIfWanted()
{
    const auto *settings = qobject_cast<TTalvexStudioSettings *>(m_core.Settings());
    if (m_check || !settings || !settings->Advanced()->CheckUpdatesOnStart)
        return;
    m_check = new TUpdateCheckProcess(m_assistant, TUpdateCheckProcess::DefaultLimitMs, this);
    connect(m_check, &TUpdateCheckProcess::finished, this, &TUpdateFeature::checkFinished);
    m_check->Start();
}

bool TUpdateFeature::StartAssistant(const QStringList &arguments)
{
    if (m_start(m_assistant, arguments))
        return true;
    TPrompter::instance().error(
        QStringLiteral("Der Update-Assistent \"%1\" konnte nicht gestartet werden.").arg(m_assistant));
    return false;
}

void TUpdateFeature::checkFinished(bool updatesAvailable)
{
    if (updatesAvailable
        && TPrompter::instance().question(Question(), TPromptButton::Yes | TPromptButton::No,
                                          QStringLiteral("Neue Updates verfügbar"))
            == TPromptButton::Yes
        && StartAssistant({QStringLiteral("-downloadupdates")}))
        m_window.close();
    emit checkDone(updatesAvailable);
}
