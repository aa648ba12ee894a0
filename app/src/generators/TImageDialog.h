#pragma once

#include "generators/TImageOptions.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class TFileNameChooser;

// "Bild einfügen": picture file, alternative text, border, spacing,
// alignment and an optional size; browsing fills in the picture's real size.
class TImageDialog : public QDialog
{
    Q_OBJECT
public:
    TImageDialog(const QString &referenceFile, QWidget *parent = nullptr);

    void SetOptions(const TImageOptions &options);
    TImageOptions Options() const;
    // Reads the picture and shows its size.
    void PictureChosen(const QString &fileName);

    static std::optional<TImageOptions> Execute(QWidget *parent, const QString &referenceFile,
                                                const TImageOptions &start);

private:
    TFileNameChooser *m_file = nullptr;
    QLineEdit *m_alt = nullptr;
    QLineEdit *m_border = nullptr;
    QSpinBox *m_vspace = nullptr;
    QSpinBox *m_hspace = nullptr;
    QComboBox *m_align = nullptr;
    QCheckBox *m_manualSize = nullptr;
    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
};
