#include "structure/TProcedureListWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

const QString TProcedureListWindow::Caption = QStringLiteral("Talvex Studio - PHP Methodenliste");

namespace {

constexpr int OffsetRole = Qt::UserRole + 1;

} // namespace

TProcedureListWindow::TProcedureListWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_names(new QComboBox(this))
    , m_refresh(new QToolButton(this))
    , m_rows(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("ProcedureList"));
    setWindowTitle(Caption);
    resize(520, 360);
    auto *top = new QHBoxLayout;
    top->addWidget(m_names, 1);
    top->addWidget(m_refresh);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_rows, 1);

    m_names->setEditable(true);
    m_names->setInsertPolicy(QComboBox::NoInsert);
    m_names->installEventFilter(this);
    m_names->lineEdit()->installEventFilter(this);
    m_refresh->setText(QStringLiteral("Aktualisieren"));
    m_refresh->setToolTip(QStringLiteral("Aktualiert die Anzeige der Methoden"));
    m_rows->setColumnCount(3);
    m_rows->setHeaderLabels({QStringLiteral("Prozedur"), QStringLiteral("Klasse"), QStringLiteral("Zeile")});
    m_rows->setRootIsDecorated(false);
    m_rows->header()->setSectionsClickable(true);
    m_rows->header()->setSortIndicatorShown(true);

    connect(m_names, &QComboBox::activated, this, [this](int index) {
        if (!m_filling && index >= 0)
            choose(m_names->itemData(index).toInt());
    });
    connect(m_rows, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { choose(item->data(0, OffsetRole).toInt()); });
    connect(m_rows->header(), &QHeaderView::sectionClicked, this, &TProcedureListWindow::SortBy);
    connect(m_refresh, &QToolButton::clicked, this, [this] {
        if (!m_busy)
            emit refreshRequested();
    });
}

void TProcedureListWindow::SetModel(const TProcedureListModel &model)
{
    m_model = model;
    fill();
}

void TProcedureListWindow::Open()
{
    show();
    raise();
    activateWindow();
    m_names->setFocus();
}

void TProcedureListWindow::SetBusy(bool busy)
{
    m_busy = busy;
    m_refresh->setEnabled(!busy);
}

void TProcedureListWindow::SortBy(int column)
{
    m_model.ClickColumn(column);
    m_rows->header()->setSortIndicator(column, m_model.Direction(column) < 0 ? Qt::DescendingOrder
                                                                             : Qt::AscendingOrder);
    fill();
}

void TProcedureListWindow::fill()
{
    m_filling = true;
    m_rows->clear();
    m_names->clear();
    for (const TProcedureListEntry &entry : m_model.SortedRows()) {
        auto *row = new QTreeWidgetItem(m_rows, {entry.Name, entry.ClassCaption(), entry.PositionCaption()});
        row->setData(0, OffsetRole, entry.Offset);
        m_names->addItem(entry.Name, entry.Offset);
    }
    m_names->setCurrentIndex(-1);
    m_filling = false;
}

void TProcedureListWindow::choose(int offset)
{
    close();
    emit entityChosen(offset);
}

bool TProcedureListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter takes the entry whose name was typed, or the current one.
            int index = m_names->findText(m_names->currentText(), Qt::MatchFixedString);
            if (index < 0)
                index = m_names->currentIndex();
            if (index >= 0)
                choose(m_names->itemData(index).toInt());
            return true; // swallowed
        }
        if (key == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TProcedureListWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
