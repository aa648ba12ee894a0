#pragma once

#include <QString>

class TVYRAPlugin;
class TVYRAPlugins;

// The rules of the plug-in list: what a row shows, activating a plug-in and
// adding a module file.
class TPluginListModel
{
public:
    enum TState { psLoadError, psActive, psInactive };
    struct TDetails {
        QString name;
        QString author;
        QString comment;
    };

    TPluginListModel(TVYRAPlugins &plugins, QString pluginFolder);

    QString Folder() const { return m_folder; }
    int Count() const;
    QString FileName(int row) const;
    TState State(int row) const;
    TDetails Details(int row) const;

    // "Zusatzmodul akivieren": loads an inactive plug-in again.
    void Activate(int row);
    // "Zusatzmodul hinzufügen": a file whose name is already loaded is
    // refused before anything is loaded; a module that cannot be loaded or
    // that reports an error is reported. True when the plug-in runs.
    bool Add(const QString &fileName);

private:
    TVYRAPlugin *plugin(int row) const;

    TVYRAPlugins &m_plugins;
    QString m_folder;
};
