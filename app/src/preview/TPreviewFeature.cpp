#include "preview/TPreviewFeature.h"

#include "childwindow/TMDIChild.h"
#include "commands/TActionRegistry.h"
#include "documents/TVYRADocument.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "phpcheck/TPHPCheckFeature.h"
#include "phpcheck/TPHPCheckSubject.h"
#include "phpcheck/TPHPMessageModel.h"
#include "preview/TEmbeddedPreview.h"
#include "preview/TPHPBuiltinServer.h"
#include "preview/TPreviewDecisions.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "settings/TTalvexStudioBrowserSettings.h"
#include "settings/TTalvexStudioPHPSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "ui/TPrompter.h"
#include "utils/TStudioUtils.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QProcess>
#include <QSaveFile>

namespace {

// QWebEngineView::setHtml takes no more than 2 MB; larger pages go by file.
constexpr qsizetype kLargestInlinePage = 1500 * 1024;
const QString kLocalHost = QStringLiteral("http://localhost/");

QString folderAddress(const TVYRADocument &document)
{
    if (!document.GetFileExists())
        return {};
    return QUrl::fromLocalFile(QFileInfo(document.GetFileName()).absolutePath() + u'/').toString();
}

bool holdsEditorText(const TVYRADocument &document)
{
    return TPHPCheckSubject::FileHoldsEditorText(document.GetFileName(), document.GetFileExists(),
                                                 document.GetModified(), document.IsEnCrypted(),
                                                 document.PlainText());
}

} // namespace

TPreviewFeature::TPreviewFeature(TVYRACore &core, TMainForm &window, TPHPCheckFeature &check)
    : QObject(&window)
    , m_core(core)
    , m_window(window)
    , m_check(check)
    , m_openAddress([](const QUrl &address) { return QDesktopServices::openUrl(address); })
    , m_startBrowser([](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    })
{
    window.Registry().SetHandler(QStringLiteral("Glimpane"), [this] {
        if (TMDIChild *child = m_window.ChildOf(m_window.ActiveDocument()))
            child->TogglePreview();
    });
    window.Registry().SetHandler(QStringLiteral("LocalHostPreview"), [this] { LocalHostPreview(); });
    connect(&window, &TMainForm::documentOpened, this, &TPreviewFeature::install);
    connect(&window, &TMainForm::documentActivated, this, &TPreviewFeature::install);
}

TPreviewFeature::~TPreviewFeature()
{
    m_server.reset();
    for (const QString &file : std::as_const(m_webRootFiles))
        QFile::remove(file);
}

TTalvexStudioPHPSettings *TPreviewFeature::phpSettings() const
{
    auto *settings = qobject_cast<TTalvexStudioSettings *>(m_core.Settings());
    return settings ? settings->PHP() : nullptr;
}

void TPreviewFeature::install(TVYRADocument *document)
{
    TMDIChild *child = m_window.ChildOf(document);
    if (!child || child->property("previewInstalled").toBool())
        return;
    child->setProperty("previewInstalled", true);
    child->SetPreviewRequest([this](TMDIChild &c) { return showEmbedded(c); });
    // The browser list may change in the settings: the menu is made anew each time it opens.
    QMenu *menu = child->PreviewMenu();
    connect(menu, &QMenu::aboutToShow, this, [this, child] { fillPreviewMenu(child); });
    fillPreviewMenu(child);
}

void TPreviewFeature::fillPreviewMenu(TMDIChild *child)
{
    QMenu *menu = child->PreviewMenu();
    menu->clear();
    if (QAction *local = m_window.Registry().Action(QStringLiteral("LocalHostPreview")))
        menu->addAction(local);
    auto *settings = qobject_cast<TTalvexStudioSettings *>(m_core.Settings());
    TTalvexStudioBrowserSettings *browsers = settings ? settings->Browsers() : nullptr;
    for (int i = 0; browsers && i < browsers->Count(); ++i) {
        const QString name = browsers->Items(i)->BrowserName;
        QAction *item = menu->addAction(QStringLiteral("Vorschau mit %1...").arg(name));
        item->setStatusTip(QStringLiteral("Zeigt eine Vorschau des Dokuments extern in \"%1\" an.").arg(name));
        connect(item, &QAction::triggered, this, [this, i] { ExternalPreview(i); });
    }
}

std::optional<QString> TPreviewFeature::Request(TVYRADocument *document, bool forLocalHost)
{
    if (!document)
        return std::nullopt;
    const QString text = m_check.EditorText(document);
    const TTalvexStudioPHPSettings *php = phpSettings();
    const QString fileName = document->GetFileName();
    if (!TPreviewDecisions::GoesThroughPHP(php && php->PreviewUnknownExt, fileName))
        return text;
    const std::optional<TPHPCheckResult> result = m_check.Check(document, !forLocalHost);
    // Without an interpreter a PHP file cannot be shown; any other file can.
    if (!result)
        return TPreviewDecisions::IsPHPFile(fileName) ? std::nullopt : std::optional<QString>(text);
    if (!m_check.Model().IsClean()) {
        m_check.PresentMessages();
        return std::nullopt;
    }
    return forLocalHost ? text : QString::fromUtf8(result->Output);
}

bool TPreviewFeature::showEmbedded(TMDIChild &child)
{
    TVYRADocument *document = child.Document();
    const std::optional<QString> page = Request(document, false);
    if (!page)
        return false;
    auto *preview = child.PreviewHost()->findChild<TEmbeddedPreview *>();
    if (!preview) {
        preview = new TEmbeddedPreview(child.PreviewHost());
        child.PreviewHost()->layout()->addWidget(preview);
    }
    const QString base = folderAddress(*document);
    if (page->size() <= kLargestInlinePage) {
        preview->ShowHtml(*page, QUrl(base));
        return true;
    }
    const QString html = base.isEmpty() ? *page : TStudioUtils::InsertBaseTag(*page, base);
    const QString copy = m_check.PrivateFiles().WriteNew(QStringLiteral("preview"), QStringLiteral(".htm"),
                                                         html.toUtf8());
    if (copy.isEmpty()) {
        TPrompter::instance().error(
            QStringLiteral("Die Vorschau von \"%1\" konnte nicht angelegt werden.").arg(document->GetFileName()));
        return false;
    }
    preview->ShowAddress(QUrl::fromLocalFile(copy));
    return true;
}

bool TPreviewFeature::askSave(TVYRADocument *document, const QString &where)
{
    if (!document->GetModified())
        return true;
    const bool save = TPrompter::instance().question(
        QStringLiteral("Das aktuelle Dokument enthätlt ungespeicherte Änderungen. Sie müssen die Änderungen "
                       "speichern, damit diese %1 angezeigt werden können.\r\nMöchten Sie jetzt speichern?")
            .arg(where),
        TPromptButton::Yes | TPromptButton::No, QStringLiteral("Bestätigung")) == TPromptButton::Yes;
    if (save)
        if (QAction *fileSave = m_window.Registry().Action(QStringLiteral("FileSave")))
            fileSave->trigger();
    return true;
}

QUrl TPreviewFeature::LocalHostPreview()
{
    TVYRADocument *document = m_window.ActiveDocument();
    if (!document)
        return {};
    const TTalvexStudioPHPSettings *php = phpSettings();
    const QString webRoot = php ? php->WebServerPath.trimmed() : QString();
    // A folder that is set but gone is a mistake to point out, not a reason to switch servers.
    if (!webRoot.isEmpty() && !QFileInfo(webRoot).isDir()) {
        TPrompter::instance().error(QStringLiteral(
            "Der Pfad zum Webserver konnte nicht gefunden werden. Bitte Überprüfen Sie den Pfad in den "
            "Einstellungen und versuchen Sie es erneut."));
        return {};
    }
    const std::optional<QString> text = Request(document, true);
    if (!text)
        return {};
    // The clear text of an enciphered document never goes into a shared web folder.
    const QUrl address = webRoot.isEmpty() || document->IsEnCrypted() ? builtinServerPreview(document, *text)
                                                                       : webServerPreview(document, *text, webRoot);
    if (address.isEmpty())
        return {};
    if (!m_openAddress(address)) {
        TPrompter::instance().error(
            QStringLiteral("Die Adresse \"%1\" konnte nicht im Browser geöffnet werden.").arg(address.toString()));
        return {};
    }
    return address;
}

QUrl TPreviewFeature::webServerPreview(TVYRADocument *document, const QString &text, const QString &webRoot)
{
    const QString below =
        document->GetFileExists() ? TPreviewDecisions::PathBelow(webRoot, document->GetFileName()) : QString();
    if (below.isEmpty()) {
        const QString base = folderAddress(*document);
        const QString copy = writeWebRootCopy(webRoot, base.isEmpty() ? text : TStudioUtils::InsertBaseTag(text, base));
        return copy.isEmpty() ? QUrl() : QUrl(TPreviewDecisions::AddressOf(kLocalHost, QFileInfo(copy).fileName()));
    }
    askSave(document, QStringLiteral("im Browser"));
    return QUrl(TPreviewDecisions::AddressOf(kLocalHost, below));
}

QString TPreviewFeature::writeWebRootCopy(const QString &webRoot, const QString &html)
{
    // The name is ours only if this run made it; a user's file of that name stays untouched.
    QString name;
    for (int n = 0; n < 1000 && name.isEmpty(); ++n) {
        const QString candidate = QDir(webRoot).filePath(
            QStringLiteral("talvexstudio_preview%1.php").arg(n == 0 ? QString() : QString::number(n)));
        if (m_webRootFiles.contains(candidate) || !QFileInfo::exists(candidate))
            name = candidate;
    }
    QSaveFile file(name);
    if (name.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(html.toUtf8()) < 0 || !file.commit()) {
        TPrompter::instance().error(
            QStringLiteral("Die Vorschaudatei \"%1\" konnte nicht im Ordner des Webservers angelegt werden.")
                .arg(name.isEmpty() ? webRoot : name));
        return {};
    }
    if (!m_webRootFiles.contains(name))
        m_webRootFiles.append(name);
    return name;
}

QUrl TPreviewFeature::builtinServerPreview(TVYRADocument *document, const QString &text)
{
    const QString fileName = document->GetFileExists() ? QFileInfo(document->GetFileName()).absoluteFilePath()
                                                       : QString();
    QString root = fileName.isEmpty() ? m_check.PrivateFiles().Path() : QFileInfo(fileName).absolutePath();
    // Inside a project group's folder the whole project is served, so that its links work.
    if (const TVYRAProjectGroupItems *group = m_window.SelectedProjectGroup();
        group && !fileName.isEmpty() && !TPreviewDecisions::PathBelow(group->FileFolder(), fileName).isEmpty())
        root = QDir::cleanPath(group->FileFolder());
    if (!m_server)
        m_server = std::make_unique<TPHPBuiltinServer>(m_check.Interpreter(), m_check.PrivateFiles());
    if (!m_server->Start(root)) {
        TPrompter::instance().error(m_server->ErrorText());
        return {};
    }
    QString path = fileName.isEmpty() ? QString() : TPreviewDecisions::PathBelow(root, fileName);
    if (path.isEmpty()) {
        const bool php = TPreviewDecisions::GoesThroughPHP(phpSettings() && phpSettings()->PreviewUnknownExt,
                                                           document->GetFileName());
        path = php ? QStringLiteral("talvexstudio_preview.php") : QStringLiteral("talvexstudio_preview.html");
    }
    const QString addressPath = u'/' + path;
    const bool served = holdsEditorText(*document) && !fileName.isEmpty()
        ? m_server->Unserve(addressPath)
        : m_server->Serve(addressPath, text, fileName.isEmpty() ? QString() : QFileInfo(fileName).absolutePath());
    if (!served) {
        TPrompter::instance().error(m_server->ErrorText());
        return {};
    }
    return QUrl(TPreviewDecisions::AddressOf(m_server->RootAddress(), path));
}

bool TPreviewFeature::ExternalPreview(int index)
{
    TVYRADocument *document = m_window.ActiveDocument();
    auto *settings = qobject_cast<TTalvexStudioSettings *>(m_core.Settings());
    TTalvexStudioBrowserSettings *browsers = settings ? settings->Browsers() : nullptr;
    if (!document || !browsers || index < 0 || index >= browsers->Count())
        return false;
    const TTalvexStudioBrowser &browser = *browsers->Items(index);
    if (!QFileInfo(browser.Path).isFile()) {
        TPrompter::instance().message(
            {TPrompt::Kind::Message,
             QStringLiteral("Die ausführbare Datei vom Browser \"%1\" wurde nicht in \"%2\" gefunden. \r\nBitte "
                            "überprüfen Sie unter \"Extras\" -> \"Einstellungen\" -> \"Browser\", ob Pfad- und "
                            "Dateiname korrekt sind und versuchen Sie es erneut.")
                 .arg(browser.BrowserName, browser.Path),
             browser.BrowserName + QStringLiteral(" nicht gefunden"), TPromptIcon::Error, TPromptButton::Ok,
             TPromptButton::Ok, {}});
        return false;
    }
    QString target;
    const QString suffix = QFileInfo(document->GetFileName()).suffix().toLower();
    if (document->GetFileExists() && document->PlainText() && !document->IsEnCrypted() && suffix != "qcd"
        && suffix != "qtf") {
        askSave(document, QStringLiteral("im externen Browser"));
        target = document->GetFileName();
    } else {
        const QString text = m_check.EditorText(document);
        const QString base = folderAddress(*document);
        target = m_check.PrivateFiles().WriteNew(QStringLiteral("preview"), QStringLiteral(".htm"),
                                                 (base.isEmpty() ? text : TStudioUtils::InsertBaseTag(text, base))
                                                     .toUtf8());
        if (target.isEmpty()) {
            TPrompter::instance().error(
                QStringLiteral("Die Vorschau von \"%1\" konnte nicht angelegt werden.").arg(document->GetFileName()));
            return false;
        }
    }
    const QStringList arguments =
        TPreviewDecisions::BrowserArguments(browser.ParamString, QUrl::fromLocalFile(target).toString());
    if (!m_startBrowser(browser.Path, arguments)) {
        TPrompter::instance().error(
            QStringLiteral("Der Browser \"%1\" (%2) konnte nicht gestartet werden.").arg(browser.BrowserName,
                                                                                         browser.Path));
        return false;
    }
    return true;
}
