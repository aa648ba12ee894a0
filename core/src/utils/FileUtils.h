#pragma once

#include "vyra_export.h"

#include <QString>
#include <QStringList>

enum TFileNameReplaceMode {
    fnrmKeepDefault = 0,
    fnrmTranformFolderStructure = 1,
    fnrmRelativePath = 2,
    fnrmKeepFileName = 3,
};

// Appends the full path of every entry of folder (hidden ones too, "." and
// ".." never) whose name matches mask (several masks separated by ";",
// case-insensitive). With Recursive, subfolders are descended into instead of
// being listed; symbolic links to folders are listed, never followed. Order:
// the file system's.
VYRA_EXPORT void FileList(const QString &folder, const QString &mask, bool Recursive, QStringList &out);

// The path without trailing delimiter exists and is a folder.
VYRA_EXPORT bool IsDirectory(const QString &path);
// A folder, or the root of a mounted file system.
VYRA_EXPORT bool IsDirectoryOrDrive(const QString &path);
// True when path lies inside folder (or is the folder itself). Both are
// trimmed and made absolute (a relative path against the folder when it
// exists), "\" counts as delimiter; compared on path boundaries, case-sensitive.
VYRA_EXPORT bool IsSubDirOf(const QString &folder, const QString &path);
// Both name the same folder after trimming, making absolute and cleaning.
VYRA_EXPORT bool IsSameFolder(const QString &a, const QString &b);

// The characters no file name may hold, in this order: \ / < > | ? * " :
VYRA_EXPORT const QString &FileForbiddenChars();
VYRA_EXPORT bool IsValidFileName(const QString &name);
VYRA_EXPORT bool IsFileForbiddenChar(QChar c, bool AllowBackslash = false);
// Removes every forbidden character.
VYRA_EXPORT QString ReplaceInvalidFileNameIdents(const QString &name);

// False when the file does not exist, is a folder or cannot be opened for
// reading. Otherwise true, and locked tells whether another holder keeps it
// from being used exclusively: it cannot be opened for writing, or another
// open file holds an fcntl() record lock or an flock() lock on it.
VYRA_EXPORT bool CanOpenFile(const QString &fileName, bool &locked);

// Size in bytes; 0 for a folder or a missing file.
VYRA_EXPORT qint64 GetFileSize(const QString &fileName);
// "1023 Byte", "1,00 KB", "1,50 MB", "2,00 GB" (1024-based, German digits).
VYRA_EXPORT QString FormatDiskSpace(qint64 bytes);
VYRA_EXPORT QString FileSizeString(const QString &fileName);

// Rewrites a file name for uploads and archives (see TFileNameReplaceMode).
VYRA_EXPORT QString ProcessFileName(const QString &fileName, TFileNameReplaceMode mode,
                                    const QString &referenceFile);

// Splits at ";" and ",", trimming each piece; empty pieces are skipped.
VYRA_EXPORT void MakeList(const QString &text, QStringList &list);
VYRA_EXPORT QStringList MakeList(const QString &text);
// Joins with ";".
VYRA_EXPORT QString MakeString(const QStringList &list);
// The pieces between separators; with limit above 0 at most limit pieces, the
// last taking the rest. An empty separator gives the whole text.
VYRA_EXPORT QStringList Explode(const QString &separator, const QString &text, int limit = 0);
// The extensions of a filter text: "PHP-Dateien (*.php;*.php3)" gives
// ".php", ".php3"; a filter holding "*.*" keeps its stars.
VYRA_EXPORT QStringList GetFileTypes(const QString &filter);

// Path delimiters: we write "/"; a "\" from a stored path is accepted.
VYRA_EXPORT bool IsPathDelimiter(QChar c);
VYRA_EXPORT QString IncludeTrailingPathDelimiter(const QString &path);
// Removes one trailing delimiter; the root "/" stays.
VYRA_EXPORT QString ExcludeTrailingPathDelimiter(const QString &path);
// Every "\" turned into "/".
VYRA_EXPORT QString ToSlashes(const QString &path);
// Folder part with trailing delimiter, and name part, splitting at "/" or "\".
VYRA_EXPORT QString ExtractFilePath(const QString &path);
VYRA_EXPORT QString ExtractFileName(const QString &path);
