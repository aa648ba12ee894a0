#include "phpcheck/TPHPCheckSubject.h"

#include "documents/TVYRADocument.h"

#include <QFileInfo>

bool TPHPCheckSubject::FileHoldsEditorText(const QString &fileName, bool fileExists, bool modified,
                                           bool enciphered, bool plainText)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    // ".qcd" holds the enciphered document format, ".qtf" a template.
    const bool storedFormat = suffix == QLatin1String("qcd") || suffix == QLatin1String("qtf");
    return fileExists && !modified && !enciphered && plainText && !storedFormat && QFileInfo(fileName).isFile();
}

TPHPCheckSubject TPHPCheckSubject::Of(const TVYRADocument &document, const QString &editorText)
{
    TPHPCheckSubject subject;
    const QString fileName = document.GetFileName();
    if (document.GetFileExists())
        subject.WorkingFolder = QFileInfo(fileName).absolutePath();
    if (FileHoldsEditorText(fileName, document.GetFileExists(), document.GetModified(), document.IsEnCrypted(),
                            document.PlainText()))
        subject.FileName = fileName;
    else
        subject.Text = editorText;
    return subject;
}
