#pragma once

#include <QDialog>
#include <optional>

class TFileNameChooser;

// "Talvex Studio - Externes CSS einfügen": the style sheet a link tag names.
class TStyleSheetDialog : public QDialog
{
    Q_OBJECT
public:
    TStyleSheetDialog(const QString &referenceFile, QWidget *parent = nullptr);
    QString FileName() const;
    TFileNameChooser *Chooser() const { return m_file; }

    static QString Html(const QString &href);
    // The link tag, none when cancelled.
    static std::optional<QString> Execute(QWidget *parent, const QString &referenceFile);

private:
    TFileNameChooser *m_file = nullptr;
};
