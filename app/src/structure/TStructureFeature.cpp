#include "structure/TStructureFeature.h"

#include "commands/TActionRegistry.h"
#include "completion/TVYRAHTMLTagList.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "structure/TCodeBrowserController.h"
#include "structure/TCodeBrowserPanel.h"
#include "structure/TTagInspectorController.h"
#include "structure/TTagInspectorPanel.h"
#include "ui/TPrompter.h"

#include <QDir>
#include <QDockWidget>

namespace {

// The catalogue of the common data folder; a damaged one is reported and
// leaves the inspector without tags.
std::shared_ptr<const TVYRAHTMLTagList> loadTags(const QString &fileName)
{
    try {
        return std::make_shared<const TVYRAHTMLTagList>(fileName);
    } catch (const std::exception &error) {
        TPrompter::instance().warning(
            QStringLiteral("Der HTML-Tag-Katalog \"%1\" konnte nicht gelesen werden; der Tag-Inspektor zeigt "
                           "keine Tags.\n%2")
                .arg(QDir::toNativeSeparators(fileName), QString::fromLocal8Bit(error.what())));
    }
    return std::make_shared<const TVYRAHTMLTagList>();
}

} // namespace

TStructureFeature::TStructureFeature(TVYRACore &core, TMainForm &window)
    : m_core(core)
    , m_window(window)
    , m_browserPanel(new TCodeBrowserPanel)
    , m_tagPanel(new TTagInspectorPanel)
{
    m_browserDock = m_window.AddQuickbarPage(QStringLiteral("tbCodeBrowser"), QStringLiteral("Code-Browser"),
                                             m_browserPanel);
    m_tagDock = m_window.AddQuickbarPage(QStringLiteral("tbTagInspector"), QStringLiteral("Tag-Inspektor"),
                                         m_tagPanel);
    TVYRADocumentContainer &container = *m_core.Container();
    m_tagInspector = std::make_unique<TTagInspectorController>(container, *m_tagPanel, *m_tagDock,
                                                               loadTags(TagListFileName(core)));
    m_codeBrowser = std::make_unique<TCodeBrowserController>(
        container, *m_browserPanel, *m_browserDock, [this] { return m_window.ActiveDocument(); },
        [this](bool jumping) { m_tagInspector->SetUpdating(jumping); });
    m_window.Registry().Install(*m_codeBrowser);
    hearWindow();
}

TStructureFeature::~TStructureFeature() = default;

QString TStructureFeature::TagListFileName(const TVYRACore &core)
{
    return QDir(core.GetAppDataDir()).filePath(QStringLiteral("taglist.xml"));
}

void TStructureFeature::hearWindow()
{
    auto activated = [this](TVYRADocument *document) {
        m_codeBrowser->DocumentActivated(document);
        m_tagInspector->DocumentActivated(document);
    };
    connect(&m_window, &TMainForm::documentActivated, this, activated);
    // A document opened while the window is not active in front gets no activation.
    connect(&m_window, &TMainForm::documentOpened, this, [this, activated](TVYRADocument *document) {
        if (document == m_window.ActiveDocument())
            activated(document);
    });
    connect(&m_window, &TMainForm::documentChanged, this, [this](TVYRADocument *document) {
        m_codeBrowser->DocumentChanged(document);
        m_tagInspector->DocumentChanged(document);
    });
    connect(&m_window, &TMainForm::documentClosing, this, [this](TVYRADocument *document) {
        m_codeBrowser->DocumentClosing(document);
        m_tagInspector->DocumentClosing(document);
    });
}
