#include "printing/TPrintPreview.h"

#include "printing/TPreviewResult.h"
#include "printing/TPrintRules.h"
#include "printing/TPrintSource.h"

#include <Qsci/qsciprinter.h>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The preview shows one job once: several copies would only repeat its pages.
TPrintJob singleCopy(TPrintJob job)
{
    job.copies = 1;
    return job;
}

} // namespace

const QStringList &TPrintPreview::ZoomEntries()
{
    static const QStringList entries{QStringLiteral("10 %"),  QStringLiteral("25 %"),  QStringLiteral("33 %"),
                                     QStringLiteral("50 %"),  QStringLiteral("75 %"),  QStringLiteral("100 %"),
                                     QStringLiteral("200 %"), QStringLiteral("400 %"), QStringLiteral("800 %"),
                                     QStringLiteral("1600 %")};
    return entries;
}

TPrintPreview::TPrintPreview(const TPrintJob &job, QWidget *parent)
    : QDialog(parent)
    , m_job(singleCopy(job))
    , m_printer(std::make_unique<QsciPrinter>(QPrinter::HighResolution))
    , m_source(std::make_unique<TPrintSource>(m_job, TPrintSource::TTabs::Expand))
{
    setWindowTitle(QStringLiteral("Talvex Studio - Druckvorschau"));
    m_printer->setDocName(m_job.title);
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    layout->addLayout(bar);
    m_pages = new QPrintPreviewWidget(m_printer.get(), this);
    layout->addWidget(m_pages, 1);

    QPushButton *print = new QPushButton(QStringLiteral("Drucken..."), this);
    print->setObjectName(QStringLiteral("btnPrint"));
    bar->addWidget(print);
    m_first = addNavigation(QStringLiteral("|<"), QStringLiteral("Erste Seite"), QStringLiteral("btnFirst"));
    m_previous = addNavigation(QStringLiteral("<<"), QStringLiteral("Vorherige Seite"), QStringLiteral("btnPrevious"));
    m_next = addNavigation(QStringLiteral(">>"), QStringLiteral("Nächste Seite"), QStringLiteral("btnNext"));
    m_last = addNavigation(QStringLiteral(">|"), QStringLiteral("Letzte Seite"), QStringLiteral("btnLast"));
    for (QToolButton *button : {m_first, m_previous, m_next, m_last})
        bar->addWidget(button);
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("cbZoom"));
    m_zoom->setEditable(true);
    m_zoom->addItems(ZoomEntries());
    m_zoom->setCurrentText(QStringLiteral("100 %"));
    bar->addWidget(new QLabel(QStringLiteral("Zoom:"), this));
    bar->addWidget(m_zoom);
    bar->addStretch();
    QPushButton *close = new QPushButton(QStringLiteral("S&chließen"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    bar->addWidget(close);

    connect(print, &QPushButton::clicked, this, [this] { done(TPreviewResult::prPrint); });
    connect(close, &QPushButton::clicked, this, [this] { done(TPreviewResult::prClose); });
    connect(m_first, &QToolButton::clicked, this, [this] { GoToPage(1); });
    connect(m_previous, &QToolButton::clicked, this, [this] { GoToPage(CurrentPage() - 1); });
    connect(m_next, &QToolButton::clicked, this, [this] { GoToPage(CurrentPage() + 1); });
    connect(m_last, &QToolButton::clicked, this, [this] { GoToPage(PageCount()); });
    connect(m_zoom, &QComboBox::currentTextChanged, this, &TPrintPreview::zoomEdited);
    connect(m_pages, &QPrintPreviewWidget::paintRequested, this, &TPrintPreview::paintPages);
    connect(m_pages, &QPrintPreviewWidget::previewChanged, this, &TPrintPreview::pageChanged);

    m_pages->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_pages->setZoomFactor(1.0);
    // Laid out now, so that the first page is there when the dialog shows.
    m_pages->updatePreview();
    GoToPage(1);
    resize(900, 700);
}

TPrintPreview::~TPrintPreview() = default;

QToolButton *TPrintPreview::addNavigation(const QString &text, const QString &hint, const QString &name)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setToolTip(hint);
    button->setObjectName(name);
    return button;
}

void TPrintPreview::paintPages(QPrinter *printer)
{
    // The preview hands back the printer it was built with.
    m_source->Print(*static_cast<QsciPrinter *>(printer));
}

QString TPrintPreview::PreviewText() const
{
    return m_source->Text();
}

int TPrintPreview::CurrentPage() const
{
    return m_pages->currentPage();
}

int TPrintPreview::PageCount() const
{
    return m_pages->pageCount();
}

void TPrintPreview::GoToPage(int page)
{
    m_pages->setCurrentPage(qBound(1, page, qMax(PageCount(), 1)));
    pageChanged();
}

void TPrintPreview::pageChanged()
{
    const int page = CurrentPage();
    const int count = PageCount();
    const TPrintRules::TNavigation navigation = TPrintRules::Navigation(page, count);
    m_first->setEnabled(navigation.first);
    m_previous->setEnabled(navigation.previous);
    m_next->setEnabled(navigation.next);
    m_last->setEnabled(navigation.last);
    setWindowTitle(TPrintRules::PreviewCaption(m_job.title, page, count));
}

void TPrintPreview::zoomEdited(const QString &text)
{
    const std::optional<int> zoom = TPrintRules::ParseZoom(text);
    if (!zoom)
        return;
    m_zoomPercent = *zoom;
    m_pages->setZoomFactor(*zoom / 100.0);
}
