#include "plugins/TVYRAEPSLoader.h"

#include "framework/TVYRACore.h"
#include "plugins/TVYRADefaultPlugin.h"
#include "plugins/TVYRAForeignHost.h"
#include "ui/TPrompter.h"
#include "utils/VYRAExceptions.h"
#include "utils/VersionInfo.h"
#include "utils/Windows1252.h"

#include <QFileInfo>

namespace {

constexpr int MaxQuestions = 256;

QString ansi(const char *text)
{
    return text ? fromWindows1252(QByteArray(text)) : QString();
}

} // namespace

TVYRAEPSLoader::TVYRAEPSLoader(TVYRACore &core, const QString &fileName, TVYRADefaultPlugin &plugin,
                               int menuPosition)
    : TVYRAForeignModule(core, fileName, plugin, menuPosition)
{
}

bool TVYRAEPSLoader::Load()
{
    if (!m_library.load())
        return false;
    m_start = reinterpret_cast<TVYRAEPSStart>(m_library.resolve("pluginStart"));
    if (!m_start) {
        unload();
        return false;
    }
    const QString caption = QFileInfo(m_fileName).completeBaseName();
    addMenuEntry(caption, QStringLiteral("EPS Plugin"), QStringLiteral("mmEPSPlugin_"), [this] { Execute(); });
    try {
        readInfo();
    } catch (...) {
        unload();
        return false;
    }
    if (m_version != 1 && m_version != 2) {
        const int version = m_version;
        unload();
        throw EVYRAInvalidPlugin(QStringLiteral("EPS Plugin loader: Error loading file '%1'. Plugin Interface Version "
                                                "is invalid. Expected Version: '%2' or '%3' - Plugin file: '%4'.")
                                     .arg(m_fileName)
                                     .arg(1)
                                     .arg(2)
                                     .arg(version));
    }
    return true;
}

void TVYRAEPSLoader::readInfo()
{
    m_info = reinterpret_cast<TVYRAEPSInfo>(m_library.resolve("pluginInfo"));
    m_returnKind = reinterpret_cast<TVYRAEPSInt>(m_library.resolve("pluginRueckgabetyp"));
    m_question = reinterpret_cast<TVYRAEPSInt>(m_library.resolve("pluginFrage"));
    m_answer = reinterpret_cast<TVYRAEPSAnswer>(m_library.resolve("pluginAntwort"));
    m_help = m_library.resolve("pluginHilfe");
    m_configure = m_library.resolve("pluginKonfig");
    m_uninstall = m_library.resolve("pluginUninstall");
    m_plugin.SetName(QFileInfo(m_fileName).fileName());
    m_plugin.SetComment(QStringLiteral("EPS Zusatzmodul"));
    m_plugin.SetAuthor(QStringLiteral("Unbekannt"));
    m_plugin.SetInterfaceVersion(2.0);
    if (m_info) {
        m_plugin.SetName(ansi(m_info(1)));
        m_plugin.SetAuthor(ansi(m_info(3)) + QStringLiteral(", ") + ansi(m_info(4)));
        m_plugin.SetComment(ansi(m_info(2)) + QStringLiteral("\r\n") + ansi(m_info(5)) + QStringLiteral("\r\n")
                            + ansi(m_info(6)));
    }
    // Optional: a module without it speaks the first version.
    auto version = reinterpret_cast<TVYRAEPSInt>(m_library.resolve("pluginInterfaceVersion"));
    m_version = version ? version() : 1;
}

QString TVYRAEPSLoader::Answer(int question, int &status) const
{
    status = 0;
    TVYRAForeignHost host(m_core);
    switch (question) {
    case 1: return m_core.ProductCaption();
    case 2: return GetVersion();
    case 3: return QString();
    case 4: return m_core.PluginDir();
    case 5:
        if (host.HasDocument())
            return host.DocumentGroupMainFolder();
        break;
    case 7:
        if (host.HasDocument())
            return host.FileName();
        break;
    case 15: return QStringLiteral("2");
    default: break;
    }
    status = -1;
    return QString();
}

void TVYRAEPSLoader::askQuestions()
{
    if (!m_question || !m_answer)
        return;
    int question = m_question();
    for (int asked = 0; question != 0 && asked < MaxQuestions; ++asked) {
        int status = 0;
        const QByteArray answer = toWindows1252(Answer(question, status));
        m_answer(answer.constData(), 2, status);
        question = m_question();
    }
}

void TVYRAEPSLoader::Execute()
{
    if (!m_start)
        return;
    TVYRAForeignHost host(m_core);
    const bool document = host.HasDocument();
    const QString text = document ? host.Text() : QString();
    bool encodable = true;
    const QByteArray bytes = toWindows1252(text, &encodable);
    if (!encodable) {
        // The module would get, and might hand back, a changed text.
        TPrompter::instance().error(QStringLiteral("Das Zusatzmodul \"%1\" wurde nicht ausgeführt: %2")
                                        .arg(QFileInfo(m_fileName).fileName(), windows1252EncodeError(text)));
        return;
    }
    try {
        askQuestions();
        const char *result = document ? m_start(bytes.constData(), host.SelStart(), host.SelLength())
                                      : m_start("", 0, 0);
        m_lastResult = result ? QByteArray(result) : QByteArray();
        const int kind = m_returnKind ? m_returnKind() : 0;
        if (kind == 1 && document)
            host.SetSelText(fromWindows1252(m_lastResult));
        else if (kind == 2 && document)
            host.SetText(fromWindows1252(m_lastResult));
    } catch (...) {
        TPrompter::instance().error(QStringLiteral("Das Zusatzmodul \"%1\" ist bei der Ausführung gescheitert.")
                                        .arg(QFileInfo(m_fileName).fileName()));
    }
}
