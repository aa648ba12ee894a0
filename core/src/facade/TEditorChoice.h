#pragma once

#include "facade/TVYRAEditorEnvironment.h"
#include "vyra_export.h"

#include <QString>
#include <optional>

class TIHighlighter;
class TIHighlighters;
class TVYRAExtensions;

// The editor a file opens in and its highlighter.
struct VYRA_EXPORT TEditorChoice {
    bool editorMode = true;                     // true: code editor
    const TIHighlighter *highlighter = nullptr; // never nullptr in a choice
    bool fromOpenStandards = false;             // "openstandards.xml" decided
};

// "openstandards.xml" of the user's data folder first, then the file-type
// registry by "*" + the extension; nullopt when neither knows the file.
VYRA_EXPORT std::optional<TEditorChoice> ChooseEditorForFile(const QString &fileName,
                                                             const TVYRAEditorEnvironment &env);

// The start-up order of the registries: the six single-language
// highlighters behind entry 0 (when only entry 0 is there),
// "multihighlighter.xml" of highlighterDir, then "filetypes.xml" of
// appDataDir and "customfiletypes.xml" of userDataDir behind it. A damaged
// file raises EInvalidVYRAFormat; the files before it are loaded.
VYRA_EXPORT void InitialiseRegistries(TIHighlighters &highlighters, TVYRAExtensions &extensions,
                                      const QString &highlighterDir, const QString &appDataDir,
                                      const QString &userDataDir);
