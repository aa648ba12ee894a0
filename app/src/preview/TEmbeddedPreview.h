#pragma once

#include "preview/IWebPreviewView.h"

#include <QUrl>
#include <QWidget>
#include <memory>

class QLabel;

// The browser view of a child window's "Vorschau" page. The web engine is
// costly to load and start, so its module is loaded and the view made on the
// first showing, never before.
class TEmbeddedPreview : public QWidget, private IWebPreviewListener
{
    Q_OBJECT
public:
    explicit TEmbeddedPreview(QWidget *parent = nullptr);
    ~TEmbeddedPreview() override;

    // Shows html as if it were the page at baseUrl (relative links resolve
    // there). The page already shown is not loaded again.
    void ShowHtml(const QString &html, const QUrl &baseUrl);
    void ShowAddress(const QUrl &address);
    // False when the web engine module could not be loaded; the page then
    // shows why (see ModuleError).
    bool Available();
    QString ModuleError() const { return m_moduleError; }

    // Allows the engine to run as root, which it otherwise refuses (only then).
    static void PrepareEngine();

signals:
    // The page has been loaded (ok false when it failed).
    void loaded(bool ok);

private:
    void PageLoaded(bool ok) override { emit loaded(ok); }
    IWebPreviewView *view();
    void showModuleError();

    std::unique_ptr<IWebPreviewView> m_view;
    QLabel *m_errorLabel = nullptr;
    QString m_moduleError;
    QString m_shownHtml;
    QUrl m_shownBase;
    bool m_htmlShown = false;
    bool m_loadTried = false;
};
