#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QString>

class TVYRACore;

// The numbered command function the call-back plug-ins drive the editor
// with. It works on one process-wide core, set when a slave loader is made
// and again before each call of a slave. The answer lives in a buffer the
// host owns, valid until the next call.
class VYRA_EXPORT TVYRALoomexCallBack
{
public:
    static void SetCore(TVYRACore *core);
    static TVYRACore *Core();

    // The answer text of one command: two-digit status, then data.
    static QString Execute(int command, const QString &parameter);
    // What the slave calls; never throws.
    static const char *CallBack(int32_t reserved, int32_t command, const char *parameter);
};
