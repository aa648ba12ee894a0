#pragma once

#include "generators/TFontList.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

// "Schriftarten auswählen": the fonts of a CSS font-family list, taken from
// the installed fonts, typed in or loaded from a stored group.
class TFontDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TFontDialog(QWidget *parent = nullptr);

    void SetGroups(const QStringList &groups);
    const QStringList &Groups() const { return m_groups; }
    const TFontList &Chosen() const { return m_chosen; }
    void AddFont(const QString &font);
    // The chosen list as CSS text; empty when cancelled.
    QString Execute();

    void accept() override;

private:
    void showChosen(int current);
    void groupChosen(int index);
    void preview(const QString &font);

    TFontList m_chosen;
    QStringList m_groups;
    QListWidget *m_installed = nullptr;
    QListWidget *m_list = nullptr;
    QLineEdit *m_manual = nullptr;
    QComboBox *m_group = nullptr;
    QCheckBox *m_saveGroup = nullptr;
    QLabel *m_previewCaption = nullptr;
    QLabel *m_preview = nullptr;
};
