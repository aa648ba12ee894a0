#pragma once

#include <QString>

class TVYRADocument;

// The name the save dialog proposes for a document.
class TSaveNameRule
{
public:
    // The extension the dialog adds by default (without the dot).
    static const QString &DefaultExtension();
    // The extension a document's stored type demands, with the dot: ".qtf"
    // for a template being edited, ".qcd" for an enciphered document; empty
    // when the type leaves the extension free.
    static QString PrescribedExtension(const TVYRADocument &document);
    // fileName with the prescribed extension when there is one and the
    // current extension differs (case-insensitive); otherwise, for a
    // never-saved document or a save under a new name, a name without
    // extension gets the default extension; otherwise unchanged.
    static QString SuggestedName(const QString &fileName, const QString &prescribedExtension, bool neverSaved,
                                 bool newName);
    // The start folder: the project's folder if it exists, else the folder of the file if that exists.
    static QString StartFolder(const QString &projectFolder, const QString &fileName);
};
