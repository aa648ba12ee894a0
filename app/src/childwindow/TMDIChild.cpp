#include "childwindow/TMDIChild.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "facade/TVYRAEditor.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "mainwindow/TFileIcons.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int kCodeTab = 0;
constexpr int kPreviewTab = 1;
} // namespace

QString TMDIChild::PreviewMissingHint()
{
    return QStringLiteral("Die Browser-Vorschau ist noch nicht eingebaut.");
}

TMDIChild::TMDIChild(QWidget *parent)
    : QWidget(parent)
    , m_toolBar(new QToolBar(this))
    , m_highlighters(new QComboBox(m_toolBar))
    , m_tabs(new QTabBar(this))
    , m_editorHost(new QWidget(this))
    , m_previewHost(new QWidget(this))
    , m_pages(new QStackedWidget(this))
    , m_previewBar(new QToolBar(this))
    , m_previewMenu(new QMenu(QStringLiteral("Browser-Vorschau"), this))
{
    m_toolBar->setObjectName(QStringLiteral("tbtDocument"));
    m_highlighters->setObjectName(QStringLiteral("cbHighlighter"));
    m_highlighters->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_highlighters->setFocusPolicy(Qt::ClickFocus);
    m_toolBar->addWidget(m_highlighters);
    connect(m_highlighters, &QComboBox::currentIndexChanged, this, &TMDIChild::highlighterChosen);

    m_tabs->addTab(QStringLiteral("Code"));
    m_tabs->addTab(QStringLiteral("Vorschau"));
    m_tabs->setTabEnabled(kPreviewTab, false);
    m_tabs->setTabToolTip(kPreviewTab, PreviewMissingHint());
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setCurrentIndex(kCodeTab);
    connect(m_tabs, &QTabBar::currentChanged, this, &TMDIChild::tabChosen);

    m_previewBar->setObjectName(QStringLiteral("tbtPreview"));
    m_previewBar->setWindowTitle(QStringLiteral("Vorschauleiste"));
    m_previewMenu->setObjectName(QStringLiteral("mnuBrowserPreview"));
    m_previewBar->addAction(m_previewMenu->menuAction());

    m_editorHost->setObjectName(QStringLiteral("pnlCode"));
    m_previewHost->setObjectName(QStringLiteral("pnlPreview"));
    auto *previewLayout = new QVBoxLayout(m_previewHost);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    m_pages->addWidget(m_editorHost);
    m_pages->addWidget(m_previewHost);
    auto *bars = new QHBoxLayout;
    bars->setContentsMargins(0, 0, 0, 0);
    bars->setSpacing(0);
    bars->addWidget(m_toolBar);
    bars->addWidget(m_previewBar);
    bars->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bars);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_tabs);
    setWindowIcon(TFileIcons::Application());
}

TMDIChild::~TMDIChild() = default;

int TMDIChild::documentIndex() const
{
    return m_document && m_container ? m_container->Documents().IndexOf(m_document) : -1;
}

void TMDIChild::Bind(TVYRADocument *document, TVYRADocumentContainer *container)
{
    m_document = document;
    m_container = container;
    Refresh();
    UpdateHighlighterList();
    const int index = documentIndex();
    if (index >= 0) {
        const std::unique_ptr<TVYRAEditor> editor = m_container->GetEditor(index);
        if (editor->CanFocus())
            editor->SetFocus();
    }
}

void TMDIChild::Refresh()
{
    if (!m_document)
        return;
    const QString fileName = m_document->GetFileName();
    const QString shortName = QFileInfo(fileName).fileName();
    setWindowTitle(shortName);
    m_toolBar->setWindowTitle(QStringLiteral("Symbolleiste von Dokument \"%1\"").arg(shortName));
    setWindowIcon(m_document->GetFileExists() ? TFileIcons::ForFile(fileName) : TFileIcons::Application());
}

void TMDIChild::UpdateHighlighterList()
{
    const int index = documentIndex();
    if (index < 0)
        return;
    const std::unique_ptr<TVYRAEditor> editor = m_container->GetEditor(index);
    QStringList names;
    if (TIHighlighters *registry = editor->GetHighlighters())
        registry->ListHighlighters(names, false);
    const std::unique_ptr<TIHighlighter> active = editor->GetActiveHighlighter();
    m_filling = true;
    m_highlighters->clear();
    m_highlighters->addItems(names);
    m_highlighters->setCurrentIndex(active ? int(names.indexOf(active->LongName())) : -1);
    m_filling = false;
}

void TMDIChild::highlighterChosen(int index)
{
    const int document = documentIndex();
    if (m_filling || index < 0 || document < 0)
        return;
    const std::unique_ptr<TVYRAEditor> editor = m_container->GetEditor(document);
    editor->SetActiveHighlighter(m_highlighters->itemText(index));
    if (editor->CanFocus())
        editor->SetFocus();
}

void TMDIChild::SetPreviewRequest(TPreviewRequest request)
{
    m_previewRequest = std::move(request);
    m_tabs->setTabEnabled(kPreviewTab, bool(m_previewRequest));
    m_tabs->setTabToolTip(kPreviewTab, m_previewRequest ? QString() : PreviewMissingHint());
}

bool TMDIChild::IsPreviewShown() const
{
    return m_pages->currentWidget() == m_previewHost;
}

void TMDIChild::TogglePreview()
{
    if (IsPreviewShown())
        m_tabs->setCurrentIndex(kCodeTab);
    else
        m_tabs->setCurrentIndex(kPreviewTab);
}

void TMDIChild::tabChosen(int index)
{
    if (index != kPreviewTab) {
        showCode();
        return;
    }
    // A document not yet bound shows no preview.
    const bool shown = m_document && m_previewRequest && m_previewRequest(*this);
    if (!shown) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(kCodeTab);
        return;
    }
    m_pages->setCurrentWidget(m_previewHost);
}

void TMDIChild::showCode()
{
    m_pages->setCurrentWidget(m_editorHost);
    const int index = documentIndex();
    if (index < 0)
        return;
    const std::unique_ptr<TVYRAEditor> editor = m_container->GetEditor(index);
    if (editor->CanFocus())
        editor->SetFocus();
}

void TMDIChild::Release()
{
    m_document = nullptr;
}

void TMDIChild::closeEvent(QCloseEvent *event)
{
    if (m_document && !(m_closeRequest && m_closeRequest(m_document))) {
        event->ignore();
        return;
    }
    event->accept();
}
