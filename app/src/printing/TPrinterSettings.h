#pragma once

#include "printing/TPrintJob.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QsciPrinter;

// The print settings of one document (caption "Dokument drucken..."): the
// printer or a PDF file, the number of copies and whether the highlighter
// and its colours are used. "&Drucken" accepts; "Vorschau" shows the job in
// the preview, and printing from there accepts as well.
class TPrinterSettings : public QDialog
{
    Q_OBJECT
public:
    // Shows the job in the preview and returns its modal result.
    using TPreview = std::function<int(const TPrintJob &job)>;

    TPrinterSettings(const TPrintJob &job, TPreview preview, QWidget *parent = nullptr);

    // The job with the dialog's settings applied.
    TPrintJob Job() const;
    // Points printer at the chosen printer or PDF file.
    void ConfigurePrinter(QsciPrinter &printer) const;
    // The entry of the printer box that prints into a PDF file.
    static QString PdfEntry() { return QStringLiteral("PDF-Datei"); }
    bool PrintsToPdf() const;
    QString PdfFileName() const;

private:
    void showPreview();
    void printerChosen();

    const TPrintJob m_job;
    const TPreview m_preview;
    QComboBox *const m_printer;
    QLineEdit *const m_pdfFile;
    QLineEdit *const m_copies;
    QCheckBox *const m_highlighter;
    QCheckBox *const m_colours;
};
