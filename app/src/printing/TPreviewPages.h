#pragma once

#include <QHash>
#include <QPicture>
#include <QTimer>
#include <QVector>
#include <QWidget>
#include <memory>

class QsciPrinter;
class TPrintSource;

// The pages of a print source, one at a time, at a zoom. Pages are laid out
// at the screen's resolution and drawn only when shown, so the first page of
// a long document is there at once; the rest of the document is paginated in
// short slices while the event loop is idle, and pagesChanged() tells how
// far it got.
class TPreviewPages : public QWidget
{
    Q_OBJECT
public:
    // source must outlive the widget.
    explicit TPreviewPages(TPrintSource &source, QWidget *parent = nullptr);
    ~TPreviewPages() override;

    // Pages known so far; the final count once IsComplete().
    int PageCount() const { return int(m_starts.size()); }
    bool IsComplete() const { return m_complete; }
    // Paginates the rest now.
    void Complete();
    int CurrentPage() const { return m_current; }
    // 1-based; a page not paginated yet is paginated first.
    void SetCurrentPage(int page);
    int Zoom() const { return m_zoom; }
    void SetZoom(int percent);

    // Time one pagination slice may take; the first one, before the
    // preview shows, may take longer.
    static constexpr int SliceMilliseconds = 15;
    static constexpr int FirstSliceMilliseconds = 40;
    // Pages that are kept drawn.
    static constexpr int CachedPages = 8;

signals:
    void pagesChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool paginateFor(int milliseconds);
    bool paginateNext();
    const QPicture &pictureOf(int page);
    void updateSize();
    double scale() const;

    TPrintSource &m_source;
    std::unique_ptr<QsciPrinter> m_printer;
    QRect m_area;
    QVector<long> m_starts;
    bool m_complete = false;
    int m_current = 1;
    int m_zoom = 100;
    QTimer m_paginator;
    QHash<int, QPicture> m_pictures;
};
