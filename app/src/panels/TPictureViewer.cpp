#include "panels/TPictureViewer.h"

#include "ui/TPrompter.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QImageReader>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

QPointer<TPictureViewer> TPictureViewer::s_instance;

namespace {

QImage readPicture(const QString &fileName)
{
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace

TPictureViewer *TPictureViewer::Acquire()
{
    if (!s_instance)
        s_instance = new TPictureViewer;
    return s_instance;
}

bool TPictureViewer::Exists()
{
    return !s_instance.isNull();
}

TPictureViewer::TPictureViewer()
    : QWidget(nullptr, Qt::Window)
    , m_area(new QScrollArea(this))
    , m_label(new QLabel)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("PictureViewer"));
    setWindowTitle(QStringLiteral("Bildbetrachter"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setBackgroundRole(QPalette::Dark);
    m_area->setWidget(m_label);
    m_area->setAlignment(Qt::AlignCenter);
    m_area->setBackgroundRole(QPalette::Dark);

    auto *tools = new QToolBar(this);
    m_fit = tools->addAction(QStringLiteral("An Fenster anpassen"));
    m_fit->setCheckable(true);
    m_fit->setChecked(true);
    connect(m_fit, &QAction::toggled, this, [this](bool) { showScaled(); });
    tools->addAction(QStringLiteral("Vergrößern"), this, [this] { ZoomBy(1.25); })
        ->setShortcut(QKeySequence::ZoomIn);
    tools->addAction(QStringLiteral("Verkleinern"), this, [this] { ZoomBy(0.8); })
        ->setShortcut(QKeySequence::ZoomOut);
    tools->addAction(QStringLiteral("Originalgröße"), this, [this] {
        m_zoom = 1.0;
        SetFitToWindow(false);
        showScaled();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_area);
    resize(800, 600);
}

void TPictureViewer::OpenPicture(const QString &fileName)
{
    const int ticket = ++m_ticket;
    ++m_loading;
    setWindowTitle(QStringLiteral("%1 - Bildbetrachter").arg(QFileInfo(fileName).fileName()));
    show();
    raise();
    activateWindow();
    auto *watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, fileName, ticket] {
        --m_loading;
        loaded(fileName, watcher->result(), ticket);
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(readPicture, fileName));
}

void TPictureViewer::loaded(const QString &fileName, const QImage &image, int ticket)
{
    // A picture asked for later wins over one that arrives late.
    if (ticket != m_ticket)
        return;
    if (image.isNull()) {
        setWindowTitle(m_fileName.isEmpty() ? QStringLiteral("Bildbetrachter")
                                            : QStringLiteral("%1 - Bildbetrachter").arg(QFileInfo(m_fileName).fileName()));
        TPrompter::instance().error(
            QStringLiteral("Das Bild \"%1\" konnte nicht geöffnet werden. Die Datei existiert nicht, ist nicht lesbar "
                           "oder hat kein unterstütztes Bildformat.")
                .arg(QDir::toNativeSeparators(fileName)));
        emit pictureLoaded(false);
        return;
    }
    m_fileName = fileName;
    m_picture = image;
    m_zoom = 1.0;
    showScaled();
    emit pictureLoaded(true);
}

bool TPictureViewer::FitToWindow() const
{
    return m_fit->isChecked();
}

void TPictureViewer::SetFitToWindow(bool fit)
{
    m_fit->setChecked(fit);
}

void TPictureViewer::ZoomBy(double factor)
{
    if (FitToWindow()) {
        // Zooming starts from the size the picture is shown in.
        if (!m_picture.isNull() && m_picture.width() > 0)
            m_zoom = double(m_label->pixmap().width()) / m_picture.width();
        SetFitToWindow(false);
    }
    m_zoom = qBound(0.05, m_zoom * factor, 20.0);
    showScaled();
}

void TPictureViewer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (FitToWindow())
        showScaled();
}

void TPictureViewer::showScaled()
{
    if (m_picture.isNull()) {
        m_label->clear();
        return;
    }
    QSize size;
    if (FitToWindow()) {
        const QSize room = m_area->viewport()->size();
        // Small pictures are not blown up.
        size = m_picture.size();
        if (m_picture.width() > room.width() || m_picture.height() > room.height())
            size = m_picture.size().scaled(room, Qt::KeepAspectRatio);
        m_area->setWidgetResizable(true);
    } else {
        size = m_picture.size() * m_zoom;
        m_area->setWidgetResizable(false);
    }
    if (size.isEmpty())
        size = QSize(1, 1);
    m_label->setPixmap(QPixmap::fromImage(
        size == m_picture.size() ? m_picture : m_picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    if (!FitToWindow())
        m_label->adjustSize();
}
