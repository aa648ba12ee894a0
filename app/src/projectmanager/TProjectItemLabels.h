#pragma once

#include <QDateTime>
#include <QString>

class QFileInfo;
class TVYRADocument;
class TVYRAProjectGroupItem;
class TVYRAProjectGroupItems;

// The texts of one row of the project manager's file tree, worked out from
// the project item, its open document (if any) and the disk. Plain values,
// so the rules are tested without a window.
class TProjectItemLabels
{
public:
    // Column 0. A file with an open document: its name, " *" while modified,
    // wrapped in "%s (Datei nicht gefunden!)" while it was never saved; a file
    // without document: wrapped when the file is missing. The start page gets
    // " [Startseite]". Folders show their name.
    static QString Name(const TVYRAProjectGroupItem &item, const TVYRADocument *document, bool isStartPage);
    // The same with the disk already asked whether the item's file exists.
    static QString Name(const TVYRAProjectGroupItem &item, const TVYRADocument *document, bool isStartPage,
                        bool fileExists);
    // Column 1: the folder (a file's folder) relative to the project's file
    // folder; "(kein)" when a file lies right in it.
    static QString Path(const TVYRAProjectGroupItem &item);
    // The same for the item's DiskPath, worked out already.
    static QString Path(const TVYRAProjectGroupItem &item, const QString &diskPath);
    // Column 2: the date in the German short date-and-time form; empty for an invalid date.
    static QString Changed(const QDateTime &changed);
    // Column 3: the size of an existing file; empty for folders and missing files.
    static QString Size(const TVYRAProjectGroupItem &item);
    // The size text of a file; empty for anything that is not an existing file.
    static QString FileSize(const QFileInfo &info);
    // Column 4: "Dateiordner" for folders, else the MIME database's name of the file's type (by extension).
    static QString TypeName(const TVYRAProjectGroupItem &item);
    // The MIME database's name of a file's type by its extension.
    static QString FileTypeName(const QString &path);

    // The file or folder on disk the item stands for (absolute; folders end with "/").
    static QString DiskPath(const TVYRAProjectGroupItem &item);
    // The file exists or its open document was saved: the item is no warning case.
    static bool IsPresent(const TVYRAProjectGroupItem &item, const TVYRADocument *document);

    // "Talvex Studio - Projektmanager (%s) - %d Datei(en)", or without a group the bare title.
    static QString WindowCaption(const TVYRAProjectGroupItems *group);
    // "%d Datei(en), %d Ordner - %d Element(e) insgesamt in Projektgruppe:".
    static QString TreeHeader(const TVYRAProjectGroupItems *group);
};
