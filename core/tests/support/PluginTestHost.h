#pragma once

#include "TestContainerHost.h"
#include "plugins/TVYRAPlugin.h"
#include "plugins/TVYRAPluginEvents.h"
#include "plugins/TVYRAPlugins.h"

#include <QAction>
#include <QFile>
#include <QLibrary>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <gtest/gtest.h>

// A core with documents (the newest is active), a main menu holding "mnuHost" with the action
// "HostAction" (whose own handler notes "host"), and a plug-in folder that
// tests fill with fixture modules.
struct PluginTestHost : TestContainerHost {
    QMenuBar menuBar{&window};
    QMenu *hostMenu = nullptr;
    QAction *hostAction = nullptr;
    QStringList hostLog;
    std::function<void()> hostHook; // runs inside the host's own handler
    QList<QAction *> created;

    PluginTestHost()
    {
        hostMenu = menuBar.addMenu(QStringLiteral("Datei"));
        hostMenu->setObjectName(QStringLiteral("mnuHost"));
        hostMenu->menuAction()->setObjectName(QStringLiteral("mnuHost"));
        hostAction = hostMenu->addAction(QStringLiteral("Host"));
        hostAction->setObjectName(QStringLiteral("HostAction"));
        QObject::connect(hostAction, &QAction::triggered, [this] {
            hostLog << QStringLiteral("host");
            if (hostHook)
                hostHook();
        });
        // The newest document is the active one.
        container->Events().OnGetActiveDocumentIndex = [this](int &index) {
            index = container->GetDocumentCount() - 1;
        };
        TVYRAPluginEvents &events = core->PluginEvents();
        events.OnRequestMenu = [this](TVYRAMenuKind kind) -> QWidget * {
            return kind == TVYRAMenuKind::mkMainMenu ? static_cast<QWidget *>(&menuBar) : nullptr;
        };
        events.OnPluginMenuItemCreated = [this](QAction *item) { created << item; };
        events.ShortCutToKeys = [](uint16_t code) {
            return QKeySequence((code & 0x4000 ? int(Qt::CTRL) : 0) | (code & 0xFF));
        };
    }

    static QString fixture(const QString &name)
    {
        return TestSupport::buildDir() + QStringLiteral("/tests/fixtures/plugins/") + name + QStringLiteral(".so");
    }

    // Copies a fixture module into the program's plug-in folder as fileName.
    QString install(const QString &name, const QString &fileName = QString())
    {
        const QString target = core->PluginDir() + (fileName.isEmpty() ? name + QStringLiteral(".so") : fileName);
        EXPECT_TRUE(QFile::copy(fixture(name), target)) << target.toStdString();
        return target;
    }

    void loadAll(const QSet<TVYRAPluginType> &types = TVYRAPlugins::AllTypes())
    {
        core->InitPluginSystem(0, 0, 0, 1, types);
    }

    TVYRAPlugin *plugin(const QString &fileName) const
    {
        TVYRAPlugins *plugins = core->Plugins();
        return plugins ? plugins->Items(plugins->FindLoadedPlugin(fileName)) : nullptr;
    }

    QAction *menuItem(const QString &name) const { return menuBar.findChild<QAction *>(name); }
};

// Reads what a fixture module noted, through a handle of the test's own.
class FixtureModule
{
public:
    explicit FixtureModule(const QString &path)
        : m_library(path)
    {
        EXPECT_TRUE(m_library.load()) << m_library.errorString().toStdString();
    }
    QString Log()
    {
        auto log = reinterpret_cast<const char *(*)()>(m_library.resolve("FixtureLog"));
        return log ? QString::fromUtf8(log()) : QString();
    }
    int LiveObjects()
    {
        auto live = reinterpret_cast<int32_t (*)()>(m_library.resolve("FixtureLiveObjects"));
        return live ? live() : -1;
    }
    void SetAnswer(bool answer)
    {
        auto set = reinterpret_cast<void (*)(int16_t)>(m_library.resolve("FixtureSetAnswer"));
        if (set)
            set(answer ? -1 : 0);
    }

private:
    QLibrary m_library;
};
