#include "printing/TPrintCommands.h"

#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "printing/TPreviewResult.h"
#include "printing/TPrintPreview.h"
#include "printing/TPrintSource.h"
#include "printing/TPrinterSettings.h"
#include "ui/TPrompter.h"

#include <Qsci/qsciprinter.h>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

namespace {

constexpr int LoadWaitMilliseconds = 30000;

QString printFailed(const QString &fileName, const QString &target)
{
    return QStringLiteral("Das Dokument \"%1\" konnte nicht gedruckt werden: Der Druck auf \"%2\" ließ sich nicht "
                          "beginnen.")
        .arg(fileName, target);
}

} // namespace

TPrintCommands::TPrintCommands(TVYRADocumentContainer &container, TActiveDocument activeDocument,
                               QWidget *dialogParent)
    : m_container(container)
    , m_activeDocument(std::move(activeDocument))
    , m_parent(dialogParent)
    , m_run([](QDialog &dialog) { return dialog.exec(); })
{
}

void TPrintCommands::Register(TActionRegistry &registry)
{
    registry.SetHandler(QStringLiteral("FilePrint"), [this] { Print(m_activeDocument()); });
    registry.SetHandler(QStringLiteral("FilePrintPreview"), [this] { PreviewCommand(); });
}

std::optional<TPrintJob> TPrintCommands::JobOf(TVYRADocument *document) const
{
    const int index = m_container.Documents().IndexOf(document);
    if (index < 0)
        return std::nullopt;
    const QString name = document->GetFileName();
    if (const TCodeEditor *editor = m_container.GetSynEdit(index))
        return TPrintJob::FromEditor(*editor, name);
    if (const TRichEditor *rich = m_container.GetRichEdit(index))
        return TPrintJob::FromText(rich->text(), name);
    return std::nullopt;
}

bool TPrintCommands::Print(TVYRADocument *document)
{
    const std::optional<TPrintJob> job = JobOf(document);
    if (!job)
        return false;
    TPrinterSettings settings(*job, [this, document](const TPrintJob &withSettings) {
        return Preview(document, &withSettings);
    }, m_parent);
    if (m_run(settings) != QDialog::Accepted)
        return false;
    return PrintJob(settings.Job(), settings);
}

bool TPrintCommands::PrintJob(const TPrintJob &job, const TPrinterSettings &settings)
{
    QsciPrinter printer(QPrinter::HighResolution);
    settings.ConfigurePrinter(printer);
    TPrintSource source(job);
    if (source.Print(printer))
        return true;
    const QString target = settings.PrintsToPdf() ? QDir::toNativeSeparators(settings.PdfFileName())
                                                  : printer.printerName();
    TPrompter::instance().error(printFailed(job.title, target));
    return false;
}

int TPrintCommands::Preview(TVYRADocument *document, const TPrintJob *job)
{
    std::optional<TPrintJob> shown = JobOf(document);
    if (!shown)
        return TPreviewResult::prMissing;
    if (job) {
        shown->useHighlighter = job->useHighlighter;
        shown->useColours = job->useColours;
    }
    TPrintPreview preview(*shown, m_parent);
    return m_run(preview);
}

void TPrintCommands::PreviewCommand()
{
    TVYRADocument *document = m_activeDocument();
    if (Preview(document) == TPreviewResult::prPrint)
        Print(document);
}

TVYRADocument *TPrintCommands::documentNamed(const QString &fileName) const
{
    const QString wanted = QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
    const TVYRADocumentList &documents = m_container.Documents();
    for (int i = 0; i < documents.Count(); ++i) {
        TVYRADocument *document = documents.Items(i);
        if (QDir::cleanPath(QFileInfo(document->GetFileName()).absoluteFilePath()) == wanted)
            return document;
    }
    return nullptr;
}

void TPrintCommands::waitUntilLoaded(TVYRADocument *document) const
{
    const int index = m_container.Documents().IndexOf(document);
    TCodeEditor *editor = m_container.GetSynEdit(index);
    if (!editor || !editor->isLoading())
        return;
    // A large file reads on from the event loop; its whole text is printed.
    QEventLoop loop;
    QObject::connect(editor, &TCodeEditor::loadFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(LoadWaitMilliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TPrintCommands::PrintFiles(const QStringList &fileNames)
{
    for (const QString &fileName : fileNames) {
        // A file that did not open has been reported by the opening already.
        if (TVYRADocument *document = documentNamed(fileName)) {
            waitUntilLoaded(document);
            Print(document);
        }
    }
}
