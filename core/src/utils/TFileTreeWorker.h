#pragma once

#include "vyra_export.h"

#include <QSet>
#include <QString>
#include <atomic>
#include <functional>

// Copies, moves and deletes files and folder trees one entry at a time, with
// progress and abort. Symbolic links are copied as links and never followed.
// A file is copied to a temporary file beside its target and renamed into
// place, so an existing target stays whole when the copy fails.
class VYRA_EXPORT TFileTreeWorker
{
public:
    // What to do when a file to be written already exists.
    enum class TCollision { Fail, Overwrite, Ask };
    // Called before each file and after each chunk: the file (source) and the
    // bytes just done. Returning false aborts.
    using TProgress = std::function<bool(const QString &file, qint64 bytesDone)>;
    // Asked for an existing target when the collision rule is Ask: true overwrites, false skips.
    using TConfirm = std::function<bool(const QString &target)>;

    void SetCollision(TCollision collision) { m_collision = collision; }
    void SetProgress(TProgress progress) { m_progress = std::move(progress); }
    void SetConfirm(TConfirm confirm) { m_confirm = std::move(confirm); }
    // Safe to call from another thread or from the progress handler.
    void Abort() { m_abort = true; }
    bool Aborted() const { return m_aborted; }

    // Copies a file, link or folder tree to target; an existing target folder is merged.
    bool CopyTree(const QString &source, const QString &target);
    // Renames when possible (merging into an existing folder entry by entry).
    // Across file systems the whole tree is copied first and the source
    // deleted only when the copy succeeded; skipped files stay in place.
    bool MoveTree(const QString &source, const QString &target);
    // Deletes a file, link or folder tree for good.
    bool DeleteTree(const QString &path);
    // Renames without replacing an existing entry.
    bool RenameNoReplace(const QString &source, const QString &target);

    // Error number (0 when none) and German description of the last failure.
    int ErrorCode() const { return m_errorCode; }
    const QString &ErrorText() const { return m_errorText; }
    void ClearError();

    // Number of files (links count as files) and their bytes below path.
    static void Measure(const QString &path, int &files, qint64 &bytes);

private:
    bool copyFile(const QString &source, const QString &target);
    bool copyLink(const QString &source, const QString &target);
    bool copyFolder(const QString &source, const QString &target);
    bool moveFolderInto(const QString &source, const QString &target);
    bool copyThenDelete(const QString &source, const QString &target);
    bool deleteCopied(const QString &path);
    bool mayWrite(const QString &target, bool &skip);
    // Reports the entry and checks its target; skip when the user kept the old one.
    bool beginWrite(const QString &source, const QString &target, bool &skip);
    bool report(const QString &file, qint64 bytes);
    bool fail(int code, const QString &text);
    bool failErrno(int code, const QString &what, const QString &path);

    TCollision m_collision = TCollision::Fail;
    TProgress m_progress;
    TConfirm m_confirm;
    std::atomic<bool> m_abort = false;
    bool m_aborted = false;
    int m_errorCode = 0;
    QString m_errorText;
    QSet<QString> m_skipped; // sources left in place on request during a copy
};
