#pragma once

#include <QUrl>
#include <QWidget>

class QWebEngineView;

// The browser view of a child window's "Vorschau" page. The web engine is
// costly to start, so the view is made on the first showing, never before.
class TEmbeddedPreview : public QWidget
{
    Q_OBJECT
public:
    explicit TEmbeddedPreview(QWidget *parent = nullptr);

    // Shows html as if it were the page at baseUrl (relative links resolve
    // there). The page already shown is not loaded again.
    void ShowHtml(const QString &html, const QUrl &baseUrl);
    void ShowAddress(const QUrl &address);
    // None until something was shown.
    QWebEngineView *View() const { return m_view; }

    // Allows the engine to run as root, which it otherwise refuses (only then).
    static void PrepareEngine();

signals:
    // The page has been loaded (ok false when it failed).
    void loaded(bool ok);

private:
    QWebEngineView *view();

    QWebEngineView *m_view = nullptr;
    QString m_shownHtml;
    QUrl m_shownBase;
    bool m_htmlShown = false;
};
