#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// The browser view as the program sees it. The web engine lives in a module
// of its own ("libTalvexWebView.so") that is loaded on the first preview, so
// that starting the program never pays for loading the engine's libraries.
class IWebPreviewView
{
public:
    virtual ~IWebPreviewView() = default;
    // The view's widget, owned by the parent given at creation.
    virtual QWidget *Widget() = 0;
    virtual void SetHtml(const QString &html, const QUrl &baseUrl) = 0;
    virtual void Load(const QUrl &address) = 0;
};

// Hears the end of every page load of a view.
class IWebPreviewListener
{
public:
    virtual ~IWebPreviewListener() = default;
    virtual void PageLoaded(bool ok) = 0;
};

// The one function the module exports: makes a view under parent that reports
// its loads to listener (which outlives the view).
using TCreateWebPreviewView = IWebPreviewView *(*)(QWidget *parent, IWebPreviewListener *listener);
#define TALVEX_CREATE_WEB_PREVIEW_VIEW "TalvexCreateWebPreviewView"
