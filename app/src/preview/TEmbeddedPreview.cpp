#include "preview/TEmbeddedPreview.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLibrary>
#include <QVBoxLayout>

#include <unistd.h>

namespace {

// The module lies in the library folder beside the program's folder, both in
// the build tree (bin/, tests/, benchmarks/) and in an installation.
QString moduleFile()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../lib/libTalvexWebView.so"));
}

// Loaded once per process and never unloaded: the engine keeps threads and
// static state that must outlive every view.
TCreateWebPreviewView loadModule(QString &error)
{
    static QLibrary library(moduleFile());
    static TCreateWebPreviewView create = nullptr;
    static QString loadError;
    static bool tried = false;
    if (!tried) {
        tried = true;
        library.setLoadHints(QLibrary::ExportExternalSymbolsHint);
        create = reinterpret_cast<TCreateWebPreviewView>(library.resolve(TALVEX_CREATE_WEB_PREVIEW_VIEW));
        if (!create)
            loadError = library.errorString();
    }
    error = loadError;
    return create;
}

} // namespace

TEmbeddedPreview::TEmbeddedPreview(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Glimpane"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

TEmbeddedPreview::~TEmbeddedPreview()
{
    // The view's widget goes first, while this object can still hear it.
    if (m_view)
        delete m_view->Widget();
    m_view.reset();
}

void TEmbeddedPreview::PrepareEngine()
{
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

bool TEmbeddedPreview::Available()
{
    return view() != nullptr;
}

IWebPreviewView *TEmbeddedPreview::view()
{
    if (!m_view && !m_loadTried) {
        m_loadTried = true;
        PrepareEngine();
        if (TCreateWebPreviewView create = loadModule(m_moduleError)) {
            m_view.reset(create(this, this));
            layout()->addWidget(m_view->Widget());
        } else {
            showModuleError();
        }
    }
    return m_view.get();
}

void TEmbeddedPreview::showModuleError()
{
    m_errorLabel = new QLabel(QStringLiteral("Die Browser-Vorschau ist nicht verfügbar: Das Modul \"%1\" konnte nicht "
                                             "geladen werden.\n\nDetails: %2")
                                  .arg(QDir::toNativeSeparators(moduleFile()), m_moduleError),
                              this);
    m_errorLabel->setWordWrap(true);
    m_errorLabel->setAlignment(Qt::AlignCenter);
    layout()->addWidget(m_errorLabel);
}

void TEmbeddedPreview::ShowHtml(const QString &html, const QUrl &baseUrl)
{
    if (m_htmlShown && html == m_shownHtml && baseUrl == m_shownBase) {
        emit loaded(true);
        return;
    }
    IWebPreviewView *shown = view();
    if (!shown) {
        emit loaded(false);
        return;
    }
    m_shownHtml = html;
    m_shownBase = baseUrl;
    m_htmlShown = true;
    shown->SetHtml(html, baseUrl);
}

void TEmbeddedPreview::ShowAddress(const QUrl &address)
{
    m_htmlShown = false;
    if (IWebPreviewView *shown = view())
        shown->Load(address);
    else
        emit loaded(false);
}
