#include "preview/TEmbeddedPreview.h"

#include <QVBoxLayout>
#include <QWebEngineView>

#include <unistd.h>

TEmbeddedPreview::TEmbeddedPreview(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Glimpane"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void TEmbeddedPreview::PrepareEngine()
{
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

QWebEngineView *TEmbeddedPreview::view()
{
    if (!m_view) {
        PrepareEngine();
        m_view = new QWebEngineView(this);
        layout()->addWidget(m_view);
        connect(m_view, &QWebEngineView::loadFinished, this, &TEmbeddedPreview::loaded);
    }
    return m_view;
}

void TEmbeddedPreview::ShowHtml(const QString &html, const QUrl &baseUrl)
{
    if (m_htmlShown && html == m_shownHtml && baseUrl == m_shownBase) {
        emit loaded(true);
        return;
    }
    m_shownHtml = html;
    m_shownBase = baseUrl;
    m_htmlShown = true;
    view()->setHtml(html, baseUrl);
}

void TEmbeddedPreview::ShowAddress(const QUrl &address)
{
    m_htmlShown = false;
    view()->load(address);
}
