#pragma once

#include <QString>

class TVYRADocument;

// What the interpreter is to be given for a document: its file, when the
// file holds exactly the text in the editor, else the editor's text. An
// enciphered document's file holds cipher text and a rich text file holds
// markup, so both go by the editor text even when unmodified.
struct TPHPCheckSubject
{
    QString FileName;      // the file to run; empty: run Text
    QString Text;          // the editor text when FileName is empty
    QString WorkingFolder; // the document's folder, empty for a document never saved

    static bool FileHoldsEditorText(const QString &fileName, bool fileExists, bool modified, bool enciphered,
                                    bool plainText);
    static TPHPCheckSubject Of(const TVYRADocument &document, const QString &editorText);
};
