#pragma once

#include <QString>

class TShellAssociationStore;
class TVYRAFileExtension;

// The "Systemintegration" page's registration of one extension with the
// desktop: "Öffnen mit Doppelklick" or the context-menu entry "Mit Talvex
// Studio bearbeiten", in the user's own association files only.
class TSystemIntegration
{
public:
    enum TMode { OpenMode = 1, EditMode = 2 };

    static constexpr const char *ProgramId = "TalvexStudio";
    static constexpr const char *EditVerb = "EditTVS";

    // Empty on success, else the message naming the extension. iconPath, when
    // given, is used for this registration only.
    static QString Register(const TVYRAFileExtension &pattern, TMode mode, const QString &iconPath,
                            TShellAssociationStore &store);
};
