#include "generators/TTableGeneratorDialog.h"
#include "generators/TInsertButtons.h"

#include "generators/TColorDialog.h"
#include "generators/THTMLColorConversions.h"
#include "ui/TPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char *const SideCaptions[4] = {"Oben", "Rechts", "Unten", "Links"};
const char *const SideNames[4] = {"pnlTop", "pnlRight", "pnlBottom", "pnlLeft"};

QLineEdit *lineEdit(const char *name, const QString &text = QString())
{
    auto *edit = new QLineEdit(text);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

} // namespace

TTableGeneratorDialog::TTableGeneratorDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Talvex Studio - Tabellengenerator"));
    setObjectName(QStringLiteral("TTableGeneratorDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_rows = lineEdit("edtRows", QStringLiteral("1"));
    m_columns = lineEdit("edtColumns", QStringLiteral("1"));
    form->addRow(QStringLiteral("Zeilenanzahl:"), m_rows);
    form->addRow(QStringLiteral("Spalten pro Zeile:"), m_columns);
    m_align = new QComboBox;
    m_align->setObjectName(QStringLiteral("cbAlign"));
    m_align->addItems({QStringLiteral("(Standard)"), QStringLiteral("links"), QStringLiteral("zentriert"),
                       QStringLiteral("rechts")});
    form->addRow(QStringLiteral("Ausrichtung:"), m_align);
    m_useBackground = new QCheckBox(QStringLiteral("Hintergrundfarbe verwenden"));
    m_useBackground->setObjectName(QStringLiteral("chkBackground"));
    m_background = lineEdit("edtBackground", QStringLiteral("#FFFFFF"));
    auto *backgroundRow = new QHBoxLayout;
    backgroundRow->addWidget(m_background);
    auto *backgroundButton = new QPushButton(QStringLiteral("..."));
    connect(backgroundButton, &QPushButton::clicked, this, [this] { pickColor(m_background); });
    backgroundRow->addWidget(backgroundButton);
    form->addRow(m_useBackground, backgroundRow);
    m_useSummary = new QCheckBox(QStringLiteral("Zusammenfassung verwenden"));
    m_useSummary->setObjectName(QStringLiteral("chkSummary"));
    m_summary = lineEdit("edtSummary");
    form->addRow(m_useSummary, m_summary);
    m_padding = lineEdit("edtCellPadding", QStringLiteral("0"));
    m_spacing = lineEdit("edtCellSpacing", QStringLiteral("0"));
    form->addRow(QStringLiteral("Zellenabstand innen (cellpadding):"), m_padding);
    form->addRow(QStringLiteral("Zellenabstand außen (cellspacing):"), m_spacing);
    layout->addLayout(form);

    m_useBorder = new QCheckBox(QStringLiteral("Tabellenrahmen verwenden"));
    m_useBorder->setObjectName(QStringLiteral("chkBorder"));
    layout->addWidget(m_useBorder);
    layout->addWidget(createBorderBox());
    connect(m_useBorder, &QCheckBox::toggled, this, [this](bool on) {
        m_borderBox->setEnabled(on);
        if (on)
            selectAllSides();
        refreshPreview();
    });
    m_borderBox->setEnabled(false);

    m_previewButton = new QPushButton(QStringLiteral("Vorschau anzeigen >>"));
    m_previewButton->setObjectName(QStringLiteral("btnPreview"));
    connect(m_previewButton, &QPushButton::clicked, this, &TTableGeneratorDialog::togglePreview);
    layout->addWidget(m_previewButton, 0, Qt::AlignLeft);
    m_preview = new QTextBrowser;
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setMinimumHeight(180);
    m_preview->hide();
    layout->addWidget(m_preview, 1);

    AddInsertButtons(*this, *layout);

    for (QLineEdit *edit : findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textChanged, this, &TTableGeneratorDialog::refreshPreview);
    for (QCheckBox *box : {m_useBackground, m_useSummary})
        connect(box, &QCheckBox::toggled, this, &TTableGeneratorDialog::refreshPreview);
    connect(m_align, &QComboBox::currentIndexChanged, this, &TTableGeneratorDialog::refreshPreview);
    showBorderSides();
}

QWidget *TTableGeneratorDialog::createBorderBox()
{
    m_borderBox = new QGroupBox(QStringLiteral("Rahmen"));
    auto *grid = new QGridLayout(m_borderBox);
    const QPoint cells[4] = {{1, 0}, {2, 1}, {1, 2}, {0, 1}};
    auto *sides = new QGridLayout;
    for (int side = 0; side < 4; ++side) {
        m_sides[side] = new QPushButton(QLatin1String(SideCaptions[side]));
        m_sides[side]->setObjectName(QLatin1String(SideNames[side]));
        m_sides[side]->setCheckable(true);
        connect(m_sides[side], &QPushButton::clicked, this, [this, side] { sideClicked(side); });
        sides->addWidget(m_sides[side], cells[side].y(), cells[side].x());
    }
    grid->addLayout(sides, 0, 0, 4, 1);
    auto *all = new QPushButton(QStringLiteral("Alle auswählen"));
    all->setObjectName(QStringLiteral("btnSelectAll"));
    connect(all, &QPushButton::clicked, this, &TTableGeneratorDialog::selectAllSides);
    m_sideLabel = new QLabel;
    m_sideLabel->setObjectName(QStringLiteral("lblSides"));
    m_style = new QComboBox;
    m_style->setObjectName(QStringLiteral("cbBorderStyle"));
    m_style->addItems(TTableBorderStyles::StyleCaptions());
    m_width = lineEdit("edtBorderWidth", QStringLiteral("1"));
    m_color = lineEdit("edtBorderColor", QStringLiteral("black"));
    auto *colorButton = new QPushButton(QStringLiteral("..."));
    connect(colorButton, &QPushButton::clicked, this, [this] { pickColor(m_color); });
    grid->addWidget(m_sideLabel, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Stil:")), 1, 1);
    grid->addWidget(m_style, 1, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Breite:")), 2, 1);
    grid->addWidget(m_width, 2, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Farbe:")), 3, 1);
    grid->addWidget(m_color, 3, 2);
    grid->addWidget(colorButton, 3, 3);
    grid->addWidget(all, 4, 0);
    connect(m_style, &QComboBox::currentIndexChanged, this, &TTableGeneratorDialog::borderEdited);
    connect(m_color, &QLineEdit::textEdited, this, &TTableGeneratorDialog::borderEdited);
    connect(m_width, &QLineEdit::editingFinished, this, [this] {
        m_width->setText(TTableBorderStyles::NormalizeWidth(m_width->text()));
        borderEdited();
    });
    return m_borderBox;
}

void TTableGeneratorDialog::sideClicked(int side)
{
    TTableBorderStyle &s = m_border.Side(TTableBorderStyles::TSide(side));
    s.Active = !s.Active;
    showBorderSides();
}

void TTableGeneratorDialog::selectAllSides()
{
    m_border.SelectAll();
    showBorderSides();
}

void TTableGeneratorDialog::borderEdited()
{
    if (m_loading)
        return;
    for (int side = 0; side < 4; ++side) {
        TTableBorderStyle &s = m_border.Side(TTableBorderStyles::TSide(side));
        if (!s.Active)
            continue;
        s.StyleIndex = m_style->currentIndex();
        s.BorderWidth = TTableBorderStyles::NormalizeWidth(m_width->text());
        s.BorderColor = m_color->text().trimmed();
    }
    showBorderSides();
}

void TTableGeneratorDialog::showBorderSides()
{
    m_loading = true;
    for (int side = 0; side < 4; ++side) {
        const TTableBorderStyle &s = m_border.Side(TTableBorderStyles::TSide(side));
        m_sides[side]->setChecked(s.Active);
        m_sides[side]->setStyleSheet(
            s.Active ? QStringLiteral("background-color: %1;")
                           .arg(THTMLColorConversions::HTMLToColor(s.BorderColor).name())
                     : QString());
    }
    m_sideLabel->setText(m_border.SelectionLabel());
    const int side = m_border.EditorSide();
    if (side >= 0) {
        const TTableBorderStyle &s = m_border.Side(TTableBorderStyles::TSide(side));
        m_style->setCurrentIndex(s.StyleIndex);
        m_width->setText(s.BorderWidth);
        m_color->setText(s.BorderColor);
    }
    m_loading = false;
    refreshPreview();
}

void TTableGeneratorDialog::pickColor(QLineEdit *edit)
{
    if (const std::optional<QColor> color = TColorDialog::Execute(this, edit->text())) {
        edit->setText(THTMLColorConversions::ColorToHTML(*color));
        if (edit == m_color)
            borderEdited();
    }
}

void TTableGeneratorDialog::togglePreview()
{
    const bool show = m_preview->isHidden();
    m_preview->setVisible(show);
    m_previewButton->setText(show ? QStringLiteral("<< Vorschau verstecken") : QStringLiteral("Vorschau anzeigen >>"));
    refreshPreview();
    adjustSize();
}

bool TTableGeneratorDialog::PreviewShown() const
{
    return !m_preview->isHidden();
}

QString TTableGeneratorDialog::PreviewText() const
{
    return m_preview->toPlainText();
}

void TTableGeneratorDialog::refreshPreview()
{
    if (m_preview && !m_preview->isHidden() && !m_loading)
        m_preview->setHtml(Options().PreviewHtml());
}

void TTableGeneratorDialog::SetOptions(const TTableOptions &o, bool editing)
{
    m_rows->setText(o.rows);
    m_columns->setText(o.columns);
    // Rows and cells of a table in the text keep what the user wrote in them.
    m_rows->setReadOnly(editing);
    m_columns->setReadOnly(editing);
    m_align->setCurrentIndex(o.alignment);
    m_useBackground->setChecked(o.useBackground);
    m_background->setText(o.background);
    m_useSummary->setChecked(o.useSummary);
    m_summary->setText(o.summary);
    m_padding->setText(o.cellPadding);
    m_spacing->setText(o.cellSpacing);
    m_border = o.border;
    m_useBorder->blockSignals(true);
    m_useBorder->setChecked(o.useBorder);
    m_useBorder->blockSignals(false);
    m_borderBox->setEnabled(o.useBorder);
    showBorderSides();
}

TTableOptions TTableGeneratorDialog::Options() const
{
    TTableOptions o;
    o.rows = m_rows->text();
    o.columns = m_columns->text();
    o.alignment = m_align->currentIndex();
    o.useBackground = m_useBackground->isChecked();
    o.background = m_background->text();
    o.useSummary = m_useSummary->isChecked();
    o.summary = m_summary->text();
    o.cellPadding = m_padding->text();
    o.cellSpacing = m_spacing->text();
    o.useBorder = m_useBorder->isChecked();
    o.border = m_border;
    return o;
}

void TTableGeneratorDialog::accept()
{
    const QString problem = Options().Check();
    if (!problem.isEmpty()) {
        TPrompter::instance().warning(problem);
        return;
    }
    QDialog::accept();
}

std::optional<TTableOptions> TTableGeneratorDialog::Execute(QWidget *parent, const TTableOptions &start, bool editing)
{
    TTableGeneratorDialog dialog(parent);
    dialog.SetOptions(start, editing);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Options();
}
