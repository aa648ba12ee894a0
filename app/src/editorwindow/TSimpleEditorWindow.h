#pragma once

#include "completion/TEditorCompletion.h"
#include "facade/TVYRAEditorEnvironment.h"

#include <QMainWindow>
#include <QStringList>

class QTabWidget;
class TSimpleEditorPage;

// A plain window that opens files, one tab each, in the editor and with the
// highlighter the registries choose for the file.
class TSimpleEditorWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit TSimpleEditorWindow(TVYRAEditorEnvironment environment, TEditorCompletion completion = {},
                                 QWidget *parent = nullptr);
    ~TSimpleEditorWindow() override;

    void openFiles(const QStringList &files);
    QTabWidget *tabs() const { return m_tabs; }
    TSimpleEditorPage *page(int index) const;

private:
    void openFile(const QString &fileName);
    void showCaret(TSimpleEditorPage *page);

    void bindCompletion(TSimpleEditorPage *page);

    const TVYRAEditorEnvironment m_environment;
    const TEditorCompletion m_completion;
    QTabWidget *const m_tabs;
};
