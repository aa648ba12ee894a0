#include "printing/TPreviewPages.h"

#include "printing/TPrintSource.h"

#include <Qsci/qsciprinter.h>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr int Margin = 12;
} // namespace

TPreviewPages::TPreviewPages(TPrintSource &source, QWidget *parent)
    : QWidget(parent)
    , m_source(source)
    , m_printer(std::make_unique<QsciPrinter>(QPrinter::ScreenResolution))
{
    m_area = QRect(0, 0, m_printer->width(), m_printer->height());
    m_starts.append(0);
    // A short document is paginated at once, a long one shows its first
    // pages and goes on in slices.
    paginateFor(FirstSliceMilliseconds);
    m_paginator.setInterval(0);
    connect(&m_paginator, &QTimer::timeout, this, [this] {
        if (!paginateFor(SliceMilliseconds))
            m_paginator.stop();
        emit pagesChanged();
    });
    if (!m_complete)
        m_paginator.start();
    updateSize();
}

TPreviewPages::~TPreviewPages() = default;

bool TPreviewPages::paginateNext()
{
    if (m_complete)
        return false;
    // The same layout as drawing, without drawing.
    QPicture scratch;
    QPainter painter(&scratch);
    const long next = m_source.FormatPage(painter, m_area, m_starts.last(), false);
    if (next >= m_source.Length() || next <= m_starts.last()) {
        m_complete = true;
        return false;
    }
    m_starts.append(next);
    return true;
}

bool TPreviewPages::paginateFor(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do {
        if (!paginateNext())
            return false;
    } while (timer.elapsed() < milliseconds);
    return true;
}

void TPreviewPages::Complete()
{
    while (paginateNext()) {
    }
    m_paginator.stop();
    emit pagesChanged();
}

void TPreviewPages::SetCurrentPage(int page)
{
    while (page > PageCount() && paginateNext()) {
    }
    page = qBound(1, page, PageCount());
    if (page == m_current)
        return;
    m_current = page;
    update();
    emit pagesChanged();
}

void TPreviewPages::SetZoom(int percent)
{
    m_zoom = percent;
    updateSize();
    update();
}

double TPreviewPages::scale() const
{
    return m_zoom / 100.0 * logicalDpiX() / m_printer->logicalDpiX();
}

void TPreviewPages::updateSize()
{
    const QSizeF paper = m_printer->paperRect(QPrinter::DevicePixel).size() * scale();
    setFixedSize(qCeil(paper.width()) + 2 * Margin, qCeil(paper.height()) + 2 * Margin);
}

const QPicture &TPreviewPages::pictureOf(int page)
{
    auto found = m_pictures.find(page);
    if (found != m_pictures.end())
        return *found;
    if (m_pictures.size() >= CachedPages)
        m_pictures.clear();
    QPicture picture;
    QPainter painter(&picture);
    m_source.FormatPage(painter, m_area, m_starts.value(page - 1), true);
    painter.end();
    return *m_pictures.insert(page, picture);
}

void TPreviewPages::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().dark());
    const double factor = scale();
    const QRectF paper = m_printer->paperRect(QPrinter::DevicePixel);
    const QRectF page = m_printer->pageRect(QPrinter::DevicePixel);
    painter.fillRect(QRectF(Margin, Margin, paper.width() * factor, paper.height() * factor), Qt::white);
    painter.translate(Margin + (page.left() - paper.left()) * factor, Margin + (page.top() - paper.top()) * factor);
    painter.scale(factor, factor);
    painter.setClipRect(m_area);
    painter.drawPicture(0, 0, pictureOf(m_current));
}
