#pragma once

#include "settings/VYRASettingsTypes.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <set>

class TPrompter;
class TVYRAAutoSave;
class TVYRADocument;
class TVYRADocumentContainer;

// Automatic saving after the "AutoSave" settings. Every Intervall minutes
// (an interval below one minute turns it off) the documents the types select
// are saved through the document commands' save:
//   asAll                every modified document,
//   asOnlyNewDocs        modified documents never saved (the save asks for
//                        a name through the save-as path; a document whose
//                        name request was cancelled is not asked for again
//                        in this session),
//   asOnlyExistingFiles  modified documents with a file.
// A document that is not modified has nothing to save and is never handed
// over. asoChangedOnly further restricts a run to documents whose text changed
// since the previous run (one that was declined or failed is not tried again
// until it changes). asoConfirmAutoSave asks once per run, listing the
// documents; asoShowSuccessMessage tells which were saved (and which not).
// Enciphered documents are saved like the others: their save enciphers.
class TAutoSaver : public QObject
{
    Q_OBJECT
public:
    // Saves document index of the container; true when it was written.
    using SaveFunction = std::function<bool(int index)>;

    TAutoSaver(TVYRADocumentContainer &container, TVYRAAutoSave &settings, TPrompter &prompter,
               SaveFunction save, QObject *parent = nullptr);

    // Reads the settings again (after the settings dialog) and starts or stops the timer.
    void ApplySettings();
    // One run now; returns the number of documents saved.
    int SaveNow();

    bool IsActive() const { return m_timer.isActive(); }
    // The timer's interval in milliseconds (0 when off).
    int IntervalMs() const { return m_timer.isActive() ? m_timer.interval() : 0; }

    static constexpr int MaxIntervalMinutes = 24 * 60;

private:
    QList<TVYRADocument *> selectDocuments();
    bool typeSelects(const TVYRADocument *document) const;
    size_t fingerprint(TVYRADocument *document) const;
    void report(const QStringList &saved, const QStringList &failed);

    TVYRADocumentContainer &m_container;
    TVYRAAutoSave &m_settings;
    TPrompter &m_prompter;
    SaveFunction m_save;
    QTimer m_timer;
    bool m_running = false;
    // Text fingerprints at the previous run (asoChangedOnly).
    QHash<const TVYRADocument *, size_t> m_lastSeen;
    // Never-saved documents whose name request was cancelled.
    std::set<const TVYRADocument *> m_declinedName;
};
