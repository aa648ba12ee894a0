#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class TCodeEditor;
class TSynCustomHighlighter;

// What is handed to the print engine for one document: its text, the
// editor's font and tab width, the file name as the job's title, the
// document's highlighter (not owned; it lives in the core's registry) and
// the options of the print settings.
struct TPrintJob {
    QStringList lines;
    QString title;
    QFont font;
    int tabWidth = 4;
    const TSynCustomHighlighter *highlighter = nullptr;
    bool useHighlighter = true;
    bool useColours = true;
    int copies = 1;

    // The editor's lines, font, tab width and highlighter with the file name as title.
    static TPrintJob FromEditor(const TCodeEditor &editor, const QString &fileName);
    // A text without a source editor (a rich-text document): plain, default font.
    static TPrintJob FromText(const QString &text, const QString &fileName);
};
