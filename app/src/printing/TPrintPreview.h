#pragma once

#include "printing/TPrintJob.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QToolButton;
class TPreviewPages;
class TPrintSource;

// The page-wise print preview of one job (caption "Talvex Studio -
// Druckvorschau", then the file and page after every page change). The
// engine lays the pages out; this dialog navigates and zooms them. While a
// long document is still being paginated, the page count grows. Its
// modal results are those of TPreviewResult: "Drucken..." asks the caller
// to print, "S&chließen" just closes.
class TPrintPreview : public QDialog
{
    Q_OBJECT
public:
    // The job's tabs are expanded to its tab width for the preview.
    explicit TPrintPreview(const TPrintJob &job, QWidget *parent = nullptr);
    ~TPrintPreview() override;

    TPreviewPages *Pages() const { return m_pages; }
    int CurrentPage() const;
    int PageCount() const;
    void GoToPage(int page);
    // The scale in percent the preview shows at.
    int ZoomPercent() const { return m_zoomPercent; }
    QComboBox *ZoomBox() const { return m_zoom; }
    static const QStringList &ZoomEntries();
    // The text as the preview lays it out (tabs expanded).
    QString PreviewText() const;

private:
    void pageChanged();
    void zoomEdited(const QString &text);
    QToolButton *addNavigation(const QString &text, const QString &hint, const QString &name);

    const TPrintJob m_job;
    std::unique_ptr<TPrintSource> m_source;
    TPreviewPages *m_pages = nullptr;
    QComboBox *m_zoom = nullptr;
    QToolButton *m_first = nullptr;
    QToolButton *m_previous = nullptr;
    QToolButton *m_next = nullptr;
    QToolButton *m_last = nullptr;
    int m_zoomPercent = 100;
};
