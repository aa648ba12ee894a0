#include "TUpdateListPage.h"

#include "utils/FileUtils.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kDetailsLink = QStringLiteral("Details anzeigen »");
const QString kDetailsAndOptionalLink = QStringLiteral("Details und optionale Updates anzeigen»");

QLabel *link(const QString &text)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}

} // namespace

TUpdateListPage::TUpdateListPage(QWidget *parent)
    : QWidget(parent)
    , m_views(new QStackedWidget(this))
    , m_shortTotal(new QLabel)
    , m_detailsLink(link(kDetailsLink))
    , m_list(new QTreeWidget)
    , m_showOptional(new QCheckBox(QStringLiteral("Optionale Updates anzeigen")))
    , m_selectedCount(new QLabel)
    , m_totalSize(new QLabel)
{
    auto *shortView = new QWidget;
    auto *shortLayout = new QVBoxLayout(shortView);
    auto *summary = new QLabel(QStringLiteral("Es stehen ein oder mehrere Updates für Talvex Studio und / oder seiner "
                                              "Komponenten zur Verfügung und können nun heruntergeladen werden."));
    summary->setWordWrap(true);
    QFont bold = summary->font();
    bold.setBold(true);
    summary->setFont(bold);
    shortLayout->addWidget(summary);
    shortLayout->addWidget(m_shortTotal);
    shortLayout->addStretch();
    shortLayout->addWidget(m_detailsLink);

    auto *detailView = new QWidget;
    auto *detailLayout = new QVBoxLayout(detailView);
    m_list->setHeaderLabels({QStringLiteral("Dateiname"), QStringLiteral("Lokale Version"),
                             QStringLiteral("Neue Version"), QStringLiteral("Dateigröße")});
    m_list->setRootIsDecorated(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    detailLayout->addWidget(m_list);
    detailLayout->addWidget(m_showOptional);
    detailLayout->addWidget(m_selectedCount);
    detailLayout->addWidget(m_totalSize);
    QLabel *hideLink = link(QStringLiteral("« Details ausblenden"));
    detailLayout->addWidget(hideLink);

    m_views->addWidget(shortView);
    m_views->addWidget(detailView);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_views);

    connect(m_detailsLink, &QLabel::linkActivated, this, [this] { ShowDetails(true); });
    connect(hideLink, &QLabel::linkActivated, this, [this] { ShowDetails(false); });
    connect(m_showOptional, &QCheckBox::toggled, this, &TUpdateListPage::refresh);
    connect(m_list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item) {
        if (m_filling)
            return;
        const int index = item->data(0, Qt::UserRole).toInt();
        m_files[size_t(index)].Checked = item->checkState(0) == Qt::Checked;
        refresh();
    });
}

void TUpdateListPage::SetFiles(const std::vector<TUpdateFile> &files)
{
    m_files = files;
    m_filling = true;
    m_list->clear();
    bool anyMandatory = false;
    for (size_t i = 0; i < m_files.size(); ++i) {
        TUpdateFile &file = m_files[i];
        file.Checked = true;
        anyMandatory = anyMandatory || !file.Optional;
        auto *item = new QTreeWidgetItem(m_list, {file.FileName,
                                                  file.Installed ? file.LocalVersion : QStringLiteral("(nicht vorhanden)"),
                                                  file.FileVersion, FormatDiskSpace(file.Size)});
        item->setData(0, Qt::UserRole, int(i));
        if (file.Optional)
            item->setCheckState(0, Qt::Checked);
    }
    m_filling = false;
    // With only optional entries the list would otherwise be empty.
    m_showOptional->setChecked(!anyMandatory);
    ShowDetails(false);
    refresh();
}

void TUpdateListPage::refresh()
{
    bool anyOptional = false;
    int count = 0;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = m_list->topLevelItem(row);
        const TUpdateFile &file = m_files[size_t(item->data(0, Qt::UserRole).toInt())];
        anyOptional = anyOptional || file.Optional;
        item->setHidden(file.Optional && !m_showOptional->isChecked());
        if (!file.Optional || file.Checked)
            ++count;
    }
    m_showOptional->setVisible(anyOptional);
    const QString size = FormatDiskSpace(SelectedSize());
    m_selectedCount->setText(QStringLiteral("Ausgewählte Updates: %1").arg(count));
    m_totalSize->setText(QStringLiteral("Gesamtgröße des Update-Paketes: %1").arg(size));
    m_shortTotal->setText(QStringLiteral("Gesamtgröße des Update-Paketes: %1").arg(size));
    const QString linkText = anyOptional ? kDetailsAndOptionalLink : kDetailsLink;
    m_detailsLink->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(linkText.toHtmlEscaped()));
}

std::vector<TUpdateFile> TUpdateListPage::Selected() const
{
    std::vector<TUpdateFile> selected;
    for (const TUpdateFile &file : m_files)
        if (!file.Optional || file.Checked)
            selected.push_back(file);
    return selected;
}

qint64 TUpdateListPage::SelectedSize() const
{
    qint64 total = 0;
    for (const TUpdateFile &file : Selected())
        total += file.Size;
    return total;
}

QString TUpdateListPage::Description() const
{
    const bool onlyOptional = !m_files.empty()
        && std::all_of(m_files.begin(), m_files.end(), [](const TUpdateFile &file) { return file.Optional; });
    return onlyOptional ? QStringLiteral("Es wurden keine wichtigen Updates auf dem Server gefunden, es stehen jedoch "
                                         "einige optinale Komponenten zur Verfügung.")
                        : QStringLiteral("Es wurden ein oder mehrere Updates auf dem Internetserver gefunden und "
                                         "können nun heruntergeladen werden. Optionale Komponenten können abgewählt "
                                         "werden und werden nicht heruntergeladen.");
}

bool TUpdateListPage::DetailsShown() const
{
    return m_views->currentIndex() == 1;
}

void TUpdateListPage::ShowDetails(bool details)
{
    m_views->setCurrentIndex(details ? 1 : 0);
}
