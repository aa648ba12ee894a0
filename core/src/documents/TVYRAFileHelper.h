#pragma once

#include "ciphers/TFileAction.h"
#include "documents/TDocumentResult.h"
#include "vyra_export.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class TCipherList;
class TCustomCipher;
class TVYRAFile;
class TVYRASettings;

// Turns any file into a data file (".qdf") and back, in the background.
// The caller sets the action and the cipher to apply, then starts it with
// PerformAction; the completion callback runs in the main thread with the
// outcome. Deciphering always uses the cipher named in the data file;
// enciphering a data file (with automatic file-type detection on) deciphers it
// with its own cipher first and enciphers the content again. Every file is
// written through QSaveFile, so the target may be the source itself.
class VYRA_EXPORT TVYRAFileHelper : public QObject
{
    Q_OBJECT
public:
    using OnDoneHandler = std::function<void(TVYRAFileHelper &sender, const TDocumentResult &result)>;

    // password: as typed; the key is its check value. switch1 and switch2 are
    // only kept for the caller.
    TVYRAFileHelper(const QString &sourceFile, const QString &targetFile, const QString &password,
                    TVYRASettings *settings, TCipherList *ciphers, bool switch1, bool switch2, OnDoneHandler onDone);
    ~TVYRAFileHelper() override;

    // False, keeping the former password, when a character of password has
    // no Windows-1252 code (its check value would be that of no password).
    bool SetPassword(const QString &password);

    TFileAction Action() const { return m_action; }
    void SetAction(TFileAction action) { m_action = action; }
    // The cipher for enciphering; null gives the pass-through.
    const std::shared_ptr<TCustomCipher> &Cipher() const { return m_cipher; }
    void SetCipher(std::shared_ptr<TCustomCipher> cipher);

    // Starts the action. False when nothing was started: another action still
    // runs, the action is faWipe, or a check before the start failed
    // (LastResult() tells which); the callback is not called then.
    bool PerformAction();
    bool IsRunning() const { return m_running; }
    const TDocumentResult &LastResult() const { return m_lastResult; }

    QString SourceFile() const { return m_sourceFile; }
    QString TargetFile() const { return m_targetFile; }
    bool Switch1() const { return m_switch1; }
    bool Switch2() const { return m_switch2; }
    // The data file of the source (header, cipher, key).
    TVYRAFile &File() const { return *m_file; }

private:
    std::unique_ptr<TVYRAFile> NewFile() const;
    bool AutoDetect() const;
    // Reads the source as a data file; false (with m_lastResult) when it is
    // one but cannot be used. isDataFile tells whether it is one.
    bool ReadSourceHeader(bool &isDataFile);
    bool StartDecipher(bool reEncipher);
    bool StartEncipherPlain();
    bool Start(TFileAction action, const std::function<void(const TDocumentResult &)> &next);
    // On the end of the action: the outcome to the callback.
    void Done(const TDocumentResult &result);
    bool Refuse(const QString &text);

    QString m_sourceFile;
    QString m_targetFile;
    TVYRASettings *m_settings;
    TCipherList *m_ciphers;
    bool m_switch1;
    bool m_switch2;
    OnDoneHandler m_onDone;
    TFileAction m_action = faEnCrypt;
    std::shared_ptr<TCustomCipher> m_cipher;
    QString m_key;
    bool m_keyValid = true;
    std::unique_ptr<TVYRAFile> m_file;
    bool m_running = false;
    TDocumentResult m_lastResult;
};
