#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One assistant at a time per user, and whether the editor runs: both are
// the lock files in the user's private runtime folder that the editor uses
// for its own single instance.
class TUpdaterInstance
{
public:
    explicit TUpdaterInstance(QString folder);
    ~TUpdaterInstance();

    // The editor's instance folder.
    static QString DefaultFolder();

    // Takes the assistant's lock; false when another assistant holds it.
    bool Acquire();
    // True while an editor holds its lock.
    bool EditorRunning() const;

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
};
