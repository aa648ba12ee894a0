#pragma once

#include "facade/TVYRAEditorEnvironment.h"

#include <QString>

class TVYRACore;

// What the program's editors take from the core: the highlighter and
// file-type registries filled from the data folders, and the environment of
// the editor facade with the program's regular expressions.
namespace TProgramEditorServices {

// Loads "multihighlighter.xml", "filetypes.xml" and "customfiletypes.xml"
// into the core's registries. Returns the message of a damaged file (the
// files read before it stay loaded), else an empty text.
QString LoadRegistries(TVYRACore &core);

TVYRAEditorEnvironment Environment(const TVYRACore &core);

} // namespace TProgramEditorServices
