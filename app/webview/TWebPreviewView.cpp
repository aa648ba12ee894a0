// The web engine half of the browser preview, built as a module that the
// program loads on the first preview only.
#include "preview/IWebPreviewView.h"

#include <QWebEngineView>

namespace {

class TWebPreviewView final : public IWebPreviewView
{
public:
    TWebPreviewView(QWidget *parent, IWebPreviewListener *listener)
        : m_view(new QWebEngineView(parent))
    {
        QObject::connect(m_view, &QWebEngineView::loadFinished, m_view,
                         [listener](bool ok) { listener->PageLoaded(ok); });
    }

    QWidget *Widget() override { return m_view; }
    void SetHtml(const QString &html, const QUrl &baseUrl) override { m_view->setHtml(html, baseUrl); }
    void Load(const QUrl &address) override { m_view->load(address); }

private:
    QWebEngineView *m_view;
};

} // namespace

extern "C" Q_DECL_EXPORT IWebPreviewView *TalvexCreateWebPreviewView(QWidget *parent, IWebPreviewListener *listener)
{
    return new TWebPreviewView(parent, listener);
}
