#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

// A file name field with a browse button and the choice how a browsed name
// is written for the web (kept, folder structure, relative to the active
// document, name only).
class TFileNameChooser : public QWidget
{
    Q_OBJECT
public:
    TFileNameChooser(const QString &browseTitle, const QString &filter, QWidget *parent = nullptr);

    // The file the relative forms are taken against (the active document).
    void SetReferenceFile(const QString &fileName) { m_reference = fileName; }
    QString FileName() const;
    void SetFileName(const QString &fileName);
    QLineEdit *Edit() const { return m_edit; }
    // Writes a chosen file's name into the field as the option says.
    void Choose(const QString &chosenFile);

signals:
    // A file was picked in the browse dialog (its full path).
    void browsed(const QString &fileName);

private:
    QString m_title;
    QString m_filter;
    QString m_reference;
    QLineEdit *m_edit = nullptr;
    QComboBox *m_mode = nullptr;
};
