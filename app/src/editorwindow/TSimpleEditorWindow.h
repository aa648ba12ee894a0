#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

class QTabWidget;
class THighlighterSet;

// A plain window that opens files in code editors, one tab each, with the
// highlighter that fits the file's extension.
class TSimpleEditorWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit TSimpleEditorWindow(QWidget *parent = nullptr);
    ~TSimpleEditorWindow() override;

    void openFiles(const QStringList &files);
    QTabWidget *tabs() const { return m_tabs; }

private:
    void openFile(const QString &fileName);

    std::unique_ptr<THighlighterSet> m_highlighters;
    QTabWidget *const m_tabs;
};
