#include "printing/TPrintPreview.h"

#include "printing/TPreviewPages.h"
#include "printing/TPreviewResult.h"
#include "printing/TPrintRules.h"
#include "printing/TPrintSource.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
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
    , m_source(std::make_unique<TPrintSource>(m_job, TPrintSource::TTabs::Expand))
{
    setWindowTitle(QStringLiteral("Talvex Studio - Druckvorschau"));
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    layout->addLayout(bar);
    auto *scroller = new QScrollArea(this);
    scroller->setAlignment(Qt::AlignCenter);
    scroller->setBackgroundRole(QPalette::Dark);
    m_pages = new TPreviewPages(*m_source, scroller);
    scroller->setWidget(m_pages);
    layout->addWidget(scroller, 1);

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
    connect(m_last, &QToolButton::clicked, this, [this] {
        m_pages->Complete();
        GoToPage(PageCount());
    });
    connect(m_zoom, &QComboBox::currentTextChanged, this, &TPrintPreview::zoomEdited);
    connect(m_pages, &TPreviewPages::pagesChanged, this, &TPrintPreview::pageChanged);
    pageChanged();
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

QString TPrintPreview::PreviewText() const
{
    return m_source->Text();
}

int TPrintPreview::CurrentPage() const
{
    return m_pages->CurrentPage();
}

int TPrintPreview::PageCount() const
{
    return m_pages->PageCount();
}

void TPrintPreview::GoToPage(int page)
{
    m_pages->SetCurrentPage(page);
    pageChanged();
}

void TPrintPreview::pageChanged()
{
    const int page = CurrentPage();
    const int count = PageCount();
    // Pages still being counted lie ahead.
    const TPrintRules::TNavigation navigation =
        TPrintRules::Navigation(page, m_pages->IsComplete() ? count : count + 1);
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
    m_pages->SetZoom(*zoom);
}
