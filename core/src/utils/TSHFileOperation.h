#pragma once

#include "vyra_export.h"

#include <QFlags>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <functional>

enum TSHFileOperationType { fotCopy = 0, fotMove = 1, fotDelete = 2, fotRename = 3 };

// Bit n has the value 2^n, as the Windows shell numbered these flags.
enum TSHFileOperationFlag : unsigned {
    fofMultiDestFiles = 0x0001,
    fofConfirmMouse = 0x0002,
    fofSilent = 0x0004,
    fofRenameOnCollision = 0x0008,
    fofNoConfirmation = 0x0010,
    fofWantMappingHandle = 0x0020,
    fofAllowUndo = 0x0040,
    fofFilesOnly = 0x0080,
    fofSimpleProgress = 0x0100,
    fofNoConfirmMakeDir = 0x0200,
    fofNoErrorUI = 0x0400,
    fofNoCopySecurityAttributes = 0x0800,
    fofNoRecursion = 0x1000,
    fofNoConnectedElements = 0x2000,
    fofWantNukeWarning = 0x4000,
    fofNoRecurseReparse = 0x8000,
};
Q_DECLARE_FLAGS(TSHFileOperationFlags, TSHFileOperationFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TSHFileOperationFlags)

struct VYRA_EXPORT TSHFileOperationProgress {
    QString Title;       // the progress title, with fofSimpleProgress only
    QString CurrentFile; // the file being worked on
    int FilesDone = 0;
    int FilesTotal = 0;
    qint64 BytesDone = 0;
    qint64 BytesTotal = 0;
};

// Copies, moves, deletes and renames files and folder trees, without any
// window: progress goes to a handler, the caller shows it.
//
// Sources may end in a mask ("/w/img/*.png"). Targets:
// - one target: with several sources (or a mask) a folder that receives them
//   all, created when missing; with one source the new name, or, when it is an
//   existing folder or ends in "/", the folder that receives the source;
// - as many targets as sources (fofMultiDestFiles, set whenever targets are
//   given): each source goes to its own target by the same rule.
// An existing file is replaced only with fofNoConfirmation or when the confirm
// handler agrees; fofRenameOnCollision gives the copy a free name instead
// ("a - Kopie.txt"). Existing folders are merged. fofAllowUndo sends deleted
// entries to the trash; without it they are deleted for good. fofFilesOnly
// and fofNoRecursion make masks match files only. fofSilent reports no
// progress. The other flags concern dialogs and change nothing here.
// The operation stops at the first failure; a failed or aborted move never
// loses its source (across file systems the source is deleted only after its
// copy is complete).
class VYRA_EXPORT TSHFileOperation
{
public:
    // Returning false aborts the operation.
    using TProgressHandler = std::function<bool(const TSHFileOperationProgress &)>;
    // Asked whether an existing file may be replaced (without fofNoConfirmation).
    using TConfirmHandler = std::function<bool(const QString &target)>;

    explicit TSHFileOperation(QObject *owner = nullptr);

    QStringList &SourceFiles() { return m_sources; }
    QStringList &TargetFiles() { return m_targets; }
    void SetOperation(TSHFileOperationType operation) { m_operation = operation; }
    TSHFileOperationType Operation() const { return m_operation; }
    void SetFlags(TSHFileOperationFlags flags) { m_flags = flags; }
    TSHFileOperationFlags Flags() const { return m_flags; }
    void SetProgressTitle(const QString &title) { m_progressTitle = title; }
    const QString &ProgressTitle() const { return m_progressTitle; }
    void SetOnProgress(TProgressHandler handler) { m_onProgress = std::move(handler); }
    void SetOnConfirmOverwrite(TConfirmHandler handler) { m_onConfirm = std::move(handler); }
    QObject *Owner() const { return m_owner; }

    // Runs the operation; true on success.
    bool ExecuteOperation();
    // Stops a running operation (from the progress handler or another thread).
    void Abort() { m_abortRequested = true; }
    // 0 on success, else the error number (ECANCELED when aborted).
    int GetResult() const { return m_result; }
    bool GetAborted() const { return m_aborted; }
    // German description of the failure.
    const QString &GetErrorText() const { return m_errorText; }
    // Empties both lists.
    void Reset();

private:
    struct TItem {
        QString source;
        QString target;
    };

    bool expandSources(QStringList &sources, bool &masked);
    bool planTargets(const QStringList &sources, bool masked, QList<TItem> &items);
    bool checkItem(TItem &item);
    bool runItems(const QList<TItem> &items);
    bool deleteSources(const QStringList &sources);
    bool renameSources(const QStringList &sources);
    bool progress(const QString &file, qint64 bytes);
    void measure(const QStringList &paths);
    bool fail(int code, const QString &text);

    QObject *m_owner;
    QStringList m_sources;
    QStringList m_targets;
    TSHFileOperationType m_operation = fotCopy;
    TSHFileOperationFlags m_flags;
    QString m_progressTitle;
    TProgressHandler m_onProgress;
    TConfirmHandler m_onConfirm;
    std::atomic<bool> m_abortRequested = false;
    int m_result = 0;
    bool m_aborted = false;
    QString m_errorText;
    TSHFileOperationProgress m_progress;
};
