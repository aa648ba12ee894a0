#include "structure/TTagInspectorPanel.h"

#include "analysis/TTagInspection.h"
#include "completion/TVYRAHTMLTag.h"
#include "propertygrid/TPropertyGrid.h"
#include "structure/TTagInspectorItems.h"

#include <QLabel>
#include <QTabBar>
#include <QVBoxLayout>

TTagInspectorPanel::TTagInspectorPanel(QWidget *parent)
    : QWidget(parent)
    , m_header(new QLabel(this))
    , m_help(new QLabel(this))
    , m_pages(new QTabBar(this))
    , m_grid(new TPropertyGrid(this))
    , m_status(new QLabel(this))
    , m_inspection(std::make_unique<TTagInspection>())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_header);
    layout->addWidget(m_pages);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_status);
    layout->addWidget(m_help);
    m_header->setObjectName(QStringLiteral("lblTagInspectorHeader"));
    m_header->setTextFormat(Qt::PlainText);
    m_status->setTextFormat(Qt::PlainText);
    m_help->setObjectName(QStringLiteral("lblTagHelp"));
    m_help->setWordWrap(true);
    m_help->setTextFormat(Qt::RichText);
    m_help->setOpenExternalLinks(true);
    m_status->setObjectName(QStringLiteral("lblTagInspectorStatus"));
    m_pages->addTab(QStringLiteral("Attribute"));
    m_pages->addTab(QStringLiteral("Ereignisse"));
    connect(m_pages, &QTabBar::currentChanged, this, &TTagInspectorPanel::fillGrid);
    connect(m_grid, &TPropertyGrid::editingStarted, this, [this](const QString &name) {
        m_status->setText(m_tag ? TTagInspectorItems::EditingText(m_tagName, name) : TTagInspectorItems::NoTagStatus);
    });
    // Queued: the answer rebuilds the grid, which must not happen inside its own edit.
    connect(m_grid, &TPropertyGrid::valueCommitted, this, &TTagInspectorPanel::attributeEdited,
            Qt::QueuedConnection);
    ShowNoTag();
}

void TTagInspectorPanel::ShowTag(const TVYRAHTMLTag &tag, const TTagInspection &inspection)
{
    m_tag = &tag;
    m_tagName = tag.Name;
    *m_inspection = inspection;
    m_header->setText(TTagInspectorItems::HeaderText(tag.Name));
    m_help->setText(QStringLiteral("<b>%1</b><br>%2<br><a href=\"%3\">Referenz zu &lt;%1&gt;</a>")
                        .arg(tag.Name.toHtmlEscaped(), tag.HelpText.toHtmlEscaped(),
                             TTagInspectorItems::ReferenceUrl(tag.Name).toHtmlEscaped()));
    fillGrid();
}

void TTagInspectorPanel::ShowNoTag()
{
    m_tag = nullptr;
    m_tagName.clear();
    *m_inspection = TTagInspection();
    m_header->setText(TTagInspectorItems::NoTagHeader);
    m_help->setText(TTagInspectorItems::NoTagHelp);
    m_status->clear();
    m_grid->SetItems({});
}

void TTagInspectorPanel::fillGrid()
{
    if (!m_tag)
        return;
    m_grid->SetItems(TTagInspectorItems::Build(*m_tag, *m_inspection, m_pages->currentIndex()));
}
