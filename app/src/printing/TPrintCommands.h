#pragma once

#include "commands/TCommandController.h"
#include "printing/TPrintJob.h"

#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
class QsciPrinter;
class TPrinterSettings;
class TVYRADocument;
class TVYRADocumentContainer;

// The print and preview commands ("FilePrint", "FilePrintPreview") and the
// printing of the files named with "/p". Dialogs are modal; every failure is
// told through the prompter, naming the file.
class TPrintCommands : public TCommandController
{
public:
    using TActiveDocument = std::function<TVYRADocument *()>;
    // Runs a modal dialog; the default calls exec(). Tests answer it.
    using TDialogRunner = std::function<int(QDialog &dialog)>;

    TPrintCommands(TVYRADocumentContainer &container, TActiveDocument activeDocument, QWidget *dialogParent);

    void Register(TActionRegistry &registry) override;

    // The print settings for the document; "&Drucken" (or printing from their
    // preview) prints it. True when the document was printed.
    bool Print(TVYRADocument *document);
    // The preview of the document, with the options of job when given (both
    // on without one); returns the preview's modal result (TPreviewResult).
    int Preview(TVYRADocument *document, const TPrintJob *job = nullptr);
    // The preview command: the print settings follow when the preview asks to print.
    void PreviewCommand();
    // Prints the open documents with these file names in order (the "/p" switch).
    void PrintFiles(const QStringList &fileNames);

    // What is printed of the document; nullopt without a document.
    std::optional<TPrintJob> JobOf(TVYRADocument *document) const;
    // Prints the job with the printer the settings chose.
    bool PrintJob(const TPrintJob &job, const TPrinterSettings &settings);

    void SetDialogRunner(TDialogRunner runner) { m_run = std::move(runner); }

private:
    TVYRADocument *documentNamed(const QString &fileName) const;
    void waitUntilLoaded(TVYRADocument *document) const;

    TVYRADocumentContainer &m_container;
    const TActiveDocument m_activeDocument;
    QWidget *const m_parent;
    TDialogRunner m_run;
};
