#include "printing/TPrinterSettings.h"

#include "printing/TPrintRules.h"
#include "printing/TPreviewResult.h"

#include <Qsci/qsciprinter.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// A PDF beside the document, or in the home folder for an unsaved one.
QString defaultPdfName(const QString &documentName)
{
    const QFileInfo info(documentName);
    const QString folder = info.isAbsolute() ? info.absolutePath() : QDir::homePath();
    const QString base = info.completeBaseName().isEmpty() ? QStringLiteral("Dokument") : info.completeBaseName();
    return QDir(folder).filePath(base + QStringLiteral(".pdf"));
}

} // namespace

TPrinterSettings::TPrinterSettings(const TPrintJob &job, TPreview preview, QWidget *parent)
    : QDialog(parent)
    , m_job(job)
    , m_preview(std::move(preview))
    , m_printer(new QComboBox(this))
    , m_pdfFile(new QLineEdit(defaultPdfName(job.title), this))
    , m_copies(new QLineEdit(QStringLiteral("1"), this))
    , m_highlighter(new QCheckBox(QStringLiteral("Syntaxhervorhebung verwenden"), this))
    , m_colours(new QCheckBox(QStringLiteral("Farben verwenden"), this))
{
    setWindowTitle(QStringLiteral("Dokument drucken..."));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Dokument: %1").arg(job.title), this));

    auto *form = new QFormLayout;
    m_printer->setObjectName(QStringLiteral("cbPrinter"));
    const QString defaultPrinter = QPrinterInfo::defaultPrinterName();
    for (const QString &name : QPrinterInfo::availablePrinterNames())
        m_printer->addItem(name);
    m_printer->addItem(PdfEntry());
    m_printer->setCurrentIndex(qMax(m_printer->findText(defaultPrinter), 0));
    form->addRow(QStringLiteral("Drucker:"), m_printer);
    m_pdfFile->setObjectName(QStringLiteral("edPdfFile"));
    form->addRow(QStringLiteral("PDF-Datei:"), m_pdfFile);
    m_copies->setObjectName(QStringLiteral("edCopies"));
    m_copies->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), m_copies));
    form->addRow(QStringLiteral("Anzahl:"), m_copies);
    layout->addLayout(form);

    m_highlighter->setObjectName(QStringLiteral("cbHighlighter"));
    m_highlighter->setChecked(job.useHighlighter);
    m_colours->setObjectName(QStringLiteral("cbColours"));
    m_colours->setChecked(job.useColours);
    layout->addWidget(m_highlighter);
    layout->addWidget(m_colours);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *previewButton = buttons->addButton(QStringLiteral("Vorschau"), QDialogButtonBox::ActionRole);
    previewButton->setObjectName(QStringLiteral("btnPreview"));
    QPushButton *print = buttons->addButton(QStringLiteral("&Drucken"), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("btnPrint"));
    print->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(previewButton, &QPushButton::clicked, this, &TPrinterSettings::showPreview);
    connect(m_printer, &QComboBox::currentIndexChanged, this, &TPrinterSettings::printerChosen);
    printerChosen();
}

TPrintJob TPrinterSettings::Job() const
{
    TPrintJob job = m_job;
    job.copies = TPrintRules::ParseCopies(m_copies->text());
    job.useHighlighter = m_highlighter->isChecked();
    job.useColours = m_colours->isChecked();
    return job;
}

bool TPrinterSettings::PrintsToPdf() const
{
    return m_printer->currentText() == PdfEntry() && m_printer->currentIndex() == m_printer->count() - 1;
}

QString TPrinterSettings::PdfFileName() const
{
    return m_pdfFile->text().trimmed();
}

void TPrinterSettings::ConfigurePrinter(QsciPrinter &printer) const
{
    printer.setDocName(QFileInfo(m_job.title).fileName());
    if (PrintsToPdf()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PdfFileName());
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(m_printer->currentText());
    }
}

void TPrinterSettings::printerChosen()
{
    m_pdfFile->setEnabled(PrintsToPdf());
}

void TPrinterSettings::showPreview()
{
    if (m_preview && m_preview(Job()) == TPreviewResult::prPrint)
        accept();
}
