#pragma once

#include "VYRAForeignPlugins.h"
#include "plugins/TVYRAForeignModule.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QString>

// A question/answer plug-in ("pluginStart"): its entry in the "Plugins" menu
// runs the questions, hands the editor text to the module and puts the
// result back as the module asks.
class VYRA_EXPORT TVYRAEPSLoader : public TVYRAForeignModule
{
public:
    // plugin: the default IPlugin the loader fills from "pluginInfo" (not owned).
    TVYRAEPSLoader(TVYRACore &core, const QString &fileName, TVYRADefaultPlugin &plugin, int menuPosition);

    // Loads the module and makes its menu entry. False when it is no such
    // module; raises EVYRAInvalidPlugin for a version it does not support.
    bool Load();
    // What a click on the menu entry does. A module that throws is reported.
    void Execute();

    int InterfaceVersion() const { return m_version; }
    // The answer a question number gets: status 0 and a text, or -1 and "".
    QString Answer(int question, int &status) const;

private:
    void readInfo();
    void askQuestions();

    TVYRAEPSStart m_start = nullptr;
    TVYRAEPSInfo m_info = nullptr;
    TVYRAEPSInt m_returnKind = nullptr;
    TVYRAEPSInt m_question = nullptr;
    TVYRAEPSAnswer m_answer = nullptr;
    QFunctionPointer m_help = nullptr;
    QFunctionPointer m_configure = nullptr;
    QFunctionPointer m_uninstall = nullptr;
    int m_version = 1;
    QByteArray m_lastResult;
};
