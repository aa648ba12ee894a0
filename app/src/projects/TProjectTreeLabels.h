#pragma once

#include <QString>

class TVYRADocument;
class TVYRAProjectGroupItem;
class TVYRAProjectGroupItems;

// The texts of the project tree, the same as the project manager's: a file
// shows its name, " *" while its open document is modified, "(Datei nicht
// gefunden!)" when there is no file behind it, and " [Startseite]" when it
// is the project's start page.
class TProjectTreeLabels
{
public:
    // document: the open document that shows the node, or nullptr.
    static QString ItemLabel(const TVYRAProjectGroupItem &item, const TVYRADocument *document);
    static QString GroupLabel(const TVYRAProjectGroupItems &group);
    // Whether the node is the start page of its (studio) project.
    static bool IsStartPage(const TVYRAProjectGroupItem &item);
    // A file node with nothing on disk behind it.
    static bool IsMissing(const TVYRAProjectGroupItem &item, const TVYRADocument *document);
};
