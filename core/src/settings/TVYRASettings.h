#pragma once

#include "settings/TVYRAAdvancedSettings.h"
#include "settings/TVYRAAutoSave.h"
#include "settings/TVYRABehaviorSettings.h"
#include "settings/TVYRACiphersettings.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "settings/TVYRAEditorSettings.h"
#include "settings/TVYRAUserText.h"
#include "utils/TEventList.h"

#include <QStringList>
#include <functional>
#include <memory>

class QSettings;
class TVYRASettings;
class TXmlSerializer;

// Creates the settings object of the core: file name and whether to load at once.
using TSettingsFactory = std::function<std::unique_ptr<TVYRASettings>(const QString &fileName, bool initNow)>;

// The framework's settings root. Its Q_PROPERTYs (and those a descendant adds)
// are stored in the XML settings file by TXmlSerializer; a descendant only
// declares properties, creates its groups in InitialiseClasses and sets their
// defaults in SetDefaultSettings.
class VYRA_EXPORT TVYRASettings : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(TVYRAAdvancedSettings *Advanced READ Advanced)
    Q_PROPERTY(TVYRAAutoSave *AutoSave READ AutoSave)
    Q_PROPERTY(TVYRABehaviorSettings *Behavior READ Behavior)
    Q_PROPERTY(TVYRACiphersettings *CipherSettings READ CipherSettings)
    Q_PROPERTY(QStringList DateTimeFormats MEMBER DateTimeFormats)
    Q_PROPERTY(TVYRADefaultEditorSettings *DefaultEditor READ DefaultEditor)
    Q_PROPERTY(TVYRAEditorSettings *Editor READ Editor)
    Q_PROPERTY(TVYRAUserText *UserDefinedText READ UserDefinedText)

public:
    // Creates the groups, applies the defaults and, with initNow, loads the
    // file through LoadOrRecover.
    TVYRASettings(const QString &fileName, bool initNow, QObject *parent = nullptr);
    ~TVYRASettings() override;

    static TSettingsFactory defaultFactory();

    virtual void InitialiseClasses();
    virtual void SetDefaultSettings();
    // Writes the file, then calls every settings-saved handler. False when
    // the file could not be written (LastSaveError says why); the old file is
    // then unchanged. When a damaged file had to be replaced, the user is told
    // once where its copy was kept.
    virtual bool Save();
    // Reads the file when it exists and belongs to these settings; gives the
    // same result however often it runs. Throws ESettingsLoadErr when the file
    // cannot be read or is not well-formed.
    virtual void Load();
    virtual void ResetDefaultSettings();

    // Load, and on a damaged file: defaults, a copy of the damaged file, the
    // defaults written, the user told. False when the file could not be read.
    bool LoadOrRecover();

    QString fileName() const { return m_fileName; }
    void SetFileName(const QString &fileName);
    QString RootName() const { return m_rootName; }
    QString LastSaveError() const { return m_lastSaveError; }
    TXmlSerializer &Serializer() const { return *m_serializer; }

    bool GetEditorMode() const;

    // Where registry-stored data of the main program lives (set by the core).
    quint32 RegistryRoot() const { return m_registryRoot; }
    void SetRegistryRoot(quint32 root) { m_registryRoot = root; }
    QString RegistryKey() const { return m_registryKey; }
    void SetRegistryKey(const QString &key) { m_registryKey = key; }
    std::unique_ptr<QSettings> OpenRegistry() const;

    // Handlers called with the settings object after every save, in the
    // order they were added (the document container reapplies the editor
    // settings to the open documents).
    void AddOnSettingsSavedHandler(const TEventHandler &handler) { m_savedHandlers.AddHandler(handler); }
    void RemoveOnSettingsSavedHandler(const TEventHandler &handler) { m_savedHandlers.DeleteHandler(handler); }
    template <class T, class M>
    void AddOnSettingsSavedHandler(T *object, M method) { m_savedHandlers.AddHandler(object, method); }
    template <class T, class M>
    void RemoveOnSettingsSavedHandler(T *object, M method) { m_savedHandlers.DeleteHandler(object, method); }

    TVYRAAdvancedSettings *Advanced() const { return m_advanced; }
    TVYRAAutoSave *AutoSave() const { return m_autoSave; }
    TVYRABehaviorSettings *Behavior() const { return m_behavior; }
    TVYRACiphersettings *CipherSettings() const { return m_cipherSettings; }
    TVYRADefaultEditorSettings *DefaultEditor() const { return m_defaultEditor; }
    TVYRAEditorSettings *Editor() const { return m_editor; }
    TVYRAUserText *UserDefinedText() const { return m_userDefinedText; }
    // Each setter replaces the group object (no copy); the settings take
    // ownership of the new one and free the old one.
    void SetAdvanced(TVYRAAdvancedSettings *group) { Replace(m_advanced, group); }
    void SetAutoSave(TVYRAAutoSave *group) { Replace(m_autoSave, group); }
    void SetBehavior(TVYRABehaviorSettings *group) { Replace(m_behavior, group); }
    void SetCipherSettings(TVYRACiphersettings *group) { Replace(m_cipherSettings, group); }
    void SetDefaultEditor(TVYRADefaultEditorSettings *group) { Replace(m_defaultEditor, group); }
    void SetEditor(TVYRAEditorSettings *group) { Replace(m_editor, group); }
    void SetUserDefinedText(TVYRAUserText *group) { Replace(m_userDefinedText, group); }

    QStringList DateTimeFormats;

protected:
    // For descendants: construct without initialising, then call Construct
    // from the descendant's constructor, where its overrides are in effect.
    struct TDeferInit {};
    TVYRASettings(const QString &fileName, TDeferInit, QObject *parent);
    void Construct(bool initNow);

    void SetRootName(const QString &rootName);
    // Called by Load once the file is known to hold these settings, just
    // before it is read; a descendant empties its collections here, so the
    // stored lists replace what is there.
    virtual void PrepareLoad();

    template <class TGroup>
    void Replace(TGroup *&field, TGroup *group)
    {
        if (field == group)
            return;
        delete field;
        field = group;
        if (group)
            group->setParent(this);
    }

private:
    void TellAboutDamagedCopy(const QString &copyFileName);

    QString m_fileName;
    QString m_rootName;
    QString m_lastSaveError;
    std::unique_ptr<TXmlSerializer> m_serializer;
    quint32 m_registryRoot = 0;
    QString m_registryKey;
    TEventList m_savedHandlers{this};

    TVYRAAdvancedSettings *m_advanced = nullptr;
    TVYRAAutoSave *m_autoSave = nullptr;
    TVYRABehaviorSettings *m_behavior = nullptr;
    TVYRACiphersettings *m_cipherSettings = nullptr;
    TVYRADefaultEditorSettings *m_defaultEditor = nullptr;
    TVYRAEditorSettings *m_editor = nullptr;
    TVYRAUserText *m_userDefinedText = nullptr;
};
