#pragma once

#include <QMainWindow>

class QListWidget;
class TVYRACore;

// The window shown until the main window exists: it lists the data folders
// and every file handed to the program, from its own command line and from
// later starts.
class TStartWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit TStartWindow(const TVYRACore &core, QWidget *parent = nullptr);

    void openFiles(const QStringList &files);
    QStringList openedFiles() const;

signals:
    void shown();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QListWidget *const m_files;
};
