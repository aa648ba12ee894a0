#pragma once

#include "commands/TCommandController.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class TMainForm;
class TPrompter;
class TUpdateCheckProcess;
class TVYRACore;

// The editor's side of the online update: the check at start (when the
// setting asks for it), the question that follows when updates are
// available, and the command "Online nach Updates suchen...". The assistant
// lies beside the editor's program file.
class TUpdateFeature : public QObject, public TCommandController
{
    Q_OBJECT
public:
    using TStarter = std::function<bool(const QString &program, const QStringList &arguments)>;

    // assistant: the assistant's program file (default: beside the editor);
    // start: starts a detached program (default: QProcess::startDetached).
    TUpdateFeature(TVYRACore &core, TMainForm &window, QString assistant = {}, TStarter start = {});
    ~TUpdateFeature() override;

    void Register(class TActionRegistry &registry) override;

    // Starts the check when the setting is on; the window is never kept waiting.
    void StartCheckIfWanted();
    // Starts the assistant's wizard; tells the user when it cannot be started.
    bool StartAssistant(const QStringList &arguments);

    TUpdateCheckProcess *Check() const { return m_check; }
    static QString DefaultAssistant();
    static QString Question();

signals:
    // The check has ended and its answer (if any) has been dealt with.
    void checkDone(bool updatesAvailable);

private:
    void checkFinished(bool updatesAvailable);

    TVYRACore &m_core;
    TMainForm &m_window;
    QString m_assistant;
    TStarter m_start;
    TUpdateCheckProcess *m_check = nullptr;
};
