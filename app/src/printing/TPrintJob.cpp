#include "printing/TPrintJob.h"

#include "editor/TCodeEditor.h"

#include <QRegularExpression>

TPrintJob TPrintJob::FromEditor(const TCodeEditor &editor, const QString &fileName)
{
    TPrintJob job;
    job.lines = editor.lines();
    job.title = fileName;
    job.font = editor.editorFont();
    job.tabWidth = editor.tabWidth();
    job.highlighter = editor.highlighter();
    return job;
}

TPrintJob TPrintJob::FromText(const QString &text, const QString &fileName)
{
    TPrintJob job;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    job.lines = text.split(lineBreak);
    job.title = fileName;
    job.font = QFont(QStringLiteral("Monospace"), 10);
    job.font.setStyleHint(QFont::Monospace);
    return job;
}
