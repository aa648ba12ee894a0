#include "plugins/TVYRALoomexCallBack.h"

#include "framework/TVYRACore.h"
#include "plugins/TVYRAForeignHost.h"
#include "utils/VersionInfo.h"
#include "utils/Windows1252.h"

#include <QPointer>

namespace {

QPointer<TVYRACore> processCore;
QByteArray answerBuffer;

const QString NotSupported = QStringLiteral("03104");
const QString NeedsDocument = QStringLiteral("03103");
const QString Failed = QStringLiteral("03102");
const QString Done = QStringLiteral("00");

QString number(int value)
{
    return Done + QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

bool needsDocument(int command)
{
    return command == 3 || command == 4 || (command >= 6 && command <= 11);
}

} // namespace

void TVYRALoomexCallBack::SetCore(TVYRACore *core)
{
    processCore = core;
}

TVYRACore *TVYRALoomexCallBack::Core()
{
    return processCore;
}

QString TVYRALoomexCallBack::Execute(int command, const QString &parameter)
{
    if (!processCore)
        return Failed;
    TVYRAForeignHost host(*processCore);
    if (needsDocument(command) && !host.HasDocument())
        return NeedsDocument;
    switch (command) {
    case 1: host.OpenFile(parameter); return Done;
    case 2: host.NewFile(); return Done;
    case 3: {
        bool ok = false;
        const int line = parameter.trimmed().toInt(&ok);
        host.GotoLine(ok ? line : 1);
        return Done;
    }
    case 4: return Done + host.FileName();
    case 5: return number(host.DocumentCount());
    case 6: return number(host.SelStart());
    case 7: return number(host.SelLength());
    case 8: return Done + host.SelText();
    case 9: host.SetSelText(parameter); return Done;
    case 10: return Done + host.Text();
    case 11: host.SetText(parameter); return Done;
    case 12: return Done + processCore->ProductCaption();
    case 13: return Done + GetVersion();
    case 14: return QStringLiteral("00DE");
    case 17: return Done + processCore->PluginDir();
    case 18: {
        bool hasGroup = false;
        const QString folder = host.ActiveGroupFolder(hasGroup);
        return hasGroup ? Done + folder : NeedsDocument;
    }
    default: return NotSupported;
    }
}

const char *TVYRALoomexCallBack::CallBack(int32_t, int32_t command, const char *parameter)
{
    try {
        const QString answer = Execute(command, parameter ? fromWindows1252(QByteArray(parameter)) : QString());
        bool encodable = true;
        QByteArray bytes = toWindows1252(answer, &encodable);
        // A text the slave's code page cannot hold would reach it changed.
        answerBuffer = encodable ? bytes : Failed.toLatin1();
    } catch (...) {
        answerBuffer = Failed.toLatin1();
    }
    return answerBuffer.constData();
}
