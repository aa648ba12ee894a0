#pragma once

#include "generators/TLinkOptions.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;
class QRadioButton;
class TFileNameChooser;

// "Hyperlink einfügen": a file of the project, an anchor of this file or an
// external address, and the target frame.
class TLinkDialog : public QDialog
{
    Q_OBJECT
public:
    // projectFiles: offered in the file list; referenceFile: the active document.
    TLinkDialog(const QStringList &projectFiles, const QString &referenceFile, QWidget *parent = nullptr);

    void SetOptions(const TLinkOptions &options);
    TLinkOptions Options() const;

    static std::optional<TLinkOptions> Execute(QWidget *parent, const QStringList &projectFiles,
                                               const QString &referenceFile, const TLinkOptions &start);

private:
    void kindChanged();

    QRadioButton *m_internal = nullptr;
    QRadioButton *m_external = nullptr;
    QRadioButton *m_toFile = nullptr;
    QRadioButton *m_toAnchor = nullptr;
    QComboBox *m_projectFiles = nullptr;
    TFileNameChooser *m_file = nullptr;
    QLineEdit *m_anchor = nullptr;
    QComboBox *m_protocol = nullptr;
    QLineEdit *m_address = nullptr;
    QComboBox *m_target = nullptr;
};
