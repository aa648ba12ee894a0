#include "dialogs/TPluginListModel.h"

#include "plugins/PluginStrings.h"
#include "plugins/TVYRAPlugin.h"
#include "plugins/TVYRAPlugins.h"
#include "ui/TPrompter.h"

#include <QFileInfo>

namespace {

// A text the module gives; a module that throws gives none.
QString ask(IPlugin *plugin, const char16_t *(IPlugin::*getter)())
{
    if (!plugin)
        return QString();
    try {
        return PluginStrings::FromZero((plugin->*getter)());
    } catch (...) {
        return QString();
    }
}

} // namespace

TPluginListModel::TPluginListModel(TVYRAPlugins &plugins, QString pluginFolder)
    : m_plugins(plugins), m_folder(std::move(pluginFolder))
{
}

int TPluginListModel::Count() const
{
    return m_plugins.Count();
}

TVYRAPlugin *TPluginListModel::plugin(int row) const
{
    return row >= 0 && row < Count() ? m_plugins.Items(row) : nullptr;
}

QString TPluginListModel::FileName(int row) const
{
    TVYRAPlugin *found = plugin(row);
    return found ? QFileInfo(found->FileName()).fileName() : QString();
}

TPluginListModel::TState TPluginListModel::State(int row) const
{
    TVYRAPlugin *found = plugin(row);
    if (!found || found->LoadState().testFlag(TVYRAPluginLoadStateFlag::plsLoadError))
        return psLoadError;
    return found->Active() ? psActive : psInactive;
}

TPluginListModel::TDetails TPluginListModel::Details(int row) const
{
    TVYRAPlugin *found = plugin(row);
    if (!found)
        return {};
    TDetails details;
    details.name = found->Name();
    details.author = ask(found->Plugin(), &IPlugin::GetAuthor);
    details.comment = found->ErrorText().isEmpty() ? ask(found->Plugin(), &IPlugin::GetComment) : found->ErrorText();
    return details;
}

void TPluginListModel::Activate(int row)
{
    TVYRAPlugin *found = plugin(row);
    if (found && !found->Active())
        m_plugins.LoadPlugin(found->FileName(), false);
}

bool TPluginListModel::Add(const QString &fileName)
{
    TPrompter &prompter = TPrompter::instance();
    const QString name = QFileInfo(fileName).fileName();
    if (m_plugins.IsPluginLoaded(name)) {
        prompter.error(QStringLiteral("Es ist bereits ein Zusatzmodul mit dem Dateinamen \"%1\" in Talvex Studio "
                                      "geladen. Sie können geladene Zusatzmodule aktivieren oder deaktivieren, indem "
                                      "Sie auf die entsprechenden Schaltflächen in diesem Dialog klicken.")
                           .arg(name));
        return false;
    }
    TVYRAPlugin *loaded = m_plugins.LoadPlugin(fileName, true);
    if (!loaded) {
        prompter.error(QStringLiteral("Es ist ein Fehler beim Laden des Zusatzmodules \"%1\" aufgetreten. Bitte "
                                      "überprüfen Sie, ob es sich bei der Datei um ein von Talvex Studio "
                                      "unterstütztes Zusatzmodul handelt.")
                           .arg(name));
        return false;
    }
    if (loaded->LoadState().testFlag(TVYRAPluginLoadStateFlag::plsLoadError) || !loaded->ErrorText().isEmpty()) {
        prompter.error(QStringLiteral("Es ist ein Fehler beim Laden des Zusatzmodules \"%1\" aufgetreten. Details: "
                                      "\r\n\r\n%2\r\n\r\nFalls das Problem weiterhin auftritt, wenden Sie sich an "
                                      "den Hersteller des Zusatzmodules.")
                           .arg(name, loaded->ErrorText()));
        return false;
    }
    return true;
}
