#pragma once

#include "generators/TTableOptions.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTextBrowser;

// "Talvex Studio - Tabellengenerator": rows, columns, alignment,
// background, summary, spacing and the four border sides, with a preview.
class TTableGeneratorDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TTableGeneratorDialog(QWidget *parent = nullptr);

    // editing: the values of a table in the text, whose rows and cells stay
    // as they are (only its opening tag is replaced).
    void SetOptions(const TTableOptions &options, bool editing);
    TTableOptions Options() const;
    bool PreviewShown() const;
    QString PreviewText() const;

    static std::optional<TTableOptions> Execute(QWidget *parent, const TTableOptions &start, bool editing);

    void accept() override;

private:
    QWidget *createBorderBox();
    void sideClicked(int side);
    void selectAllSides();
    void borderEdited();
    void showBorderSides();
    void togglePreview();
    void refreshPreview();
    void pickColor(QLineEdit *edit);

    TTableBorderStyles m_border;
    bool m_loading = false;
    QLineEdit *m_rows = nullptr;
    QLineEdit *m_columns = nullptr;
    QComboBox *m_align = nullptr;
    QCheckBox *m_useBackground = nullptr;
    QLineEdit *m_background = nullptr;
    QCheckBox *m_useSummary = nullptr;
    QLineEdit *m_summary = nullptr;
    QLineEdit *m_padding = nullptr;
    QLineEdit *m_spacing = nullptr;
    QCheckBox *m_useBorder = nullptr;
    QGroupBox *m_borderBox = nullptr;
    QPushButton *m_sides[4] = {};
    QLabel *m_sideLabel = nullptr;
    QComboBox *m_style = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_color = nullptr;
    QPushButton *m_previewButton = nullptr;
    QTextBrowser *m_preview = nullptr;
};
