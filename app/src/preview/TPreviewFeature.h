#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class TMainForm;
class TMDIChild;
class TPHPBuiltinServer;
class TPHPCheckFeature;
class TVYRACore;
class TVYRADocument;
class TTalvexStudioPHPSettings;

// The browser previews of a document: the "Vorschau" page of its window
// ("Browser-Vorschau", Shift+F12), the preview through the local web server
// ("LocalHostPreview"; PHP's own server on 127.0.0.1 when no web-server
// folder is set), and the external browsers of the settings. PHP files are
// checked first; one with errors brings up "PHP Meldungen" instead.
class TPreviewFeature : public QObject
{
    Q_OBJECT
public:
    using TOpenAddress = std::function<bool(const QUrl &address)>;
    using TStartBrowser = std::function<bool(const QString &program, const QStringList &arguments)>;

    TPreviewFeature(TVYRACore &core, TMainForm &window, TPHPCheckFeature &check);
    ~TPreviewFeature() override;

    // Whether document may be shown, and the text to show: the editor text,
    // or for a PHP file the page the interpreter printed (not for the local
    // web server, which runs it itself). nullopt: refused.
    std::optional<QString> Request(TVYRADocument *document, bool forLocalHost);

    // The local web-server preview of the active document; the address
    // opened (empty when refused or failed, the user was told why).
    QUrl LocalHostPreview();
    // The external preview of the active document with browser index.
    bool ExternalPreview(int index);

    // Replace how addresses and browsers are opened (tests).
    void SetOpenAddress(TOpenAddress open) { m_openAddress = std::move(open); }
    void SetStartBrowser(TStartBrowser start) { m_startBrowser = std::move(start); }
    TPHPBuiltinServer *BuiltinServer() const { return m_server.get(); }

private:
    void install(TVYRADocument *document);
    bool showEmbedded(TMDIChild &child);
    void fillPreviewMenu(TMDIChild *child);
    QUrl webServerPreview(TVYRADocument *document, const QString &text, const QString &webRoot);
    QUrl builtinServerPreview(TVYRADocument *document, const QString &text);
    QString writeWebRootCopy(const QString &webRoot, const QString &html);
    bool askSave(TVYRADocument *document, const QString &where);
    TTalvexStudioPHPSettings *phpSettings() const;

    TVYRACore &m_core;
    TMainForm &m_window;
    TPHPCheckFeature &m_check;
    std::unique_ptr<TPHPBuiltinServer> m_server;
    // Files this run put into the web-server folder; removed when it ends.
    QStringList m_webRootFiles;
    TOpenAddress m_openAddress;
    TStartBrowser m_startBrowser;
};
