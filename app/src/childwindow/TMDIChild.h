#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QComboBox;
class QTabBar;
class QToolBar;
class TVYRADocument;
class TVYRADocumentContainer;

// The window of one document inside the main window's document area. It
// holds no text: the container places the document's editor controls into
// EditorHost(). Above them sit the document tool bar with the highlighter
// choice and the "Code" / "Vorschau" tabs (the browser preview is not built
// yet, so "Vorschau" stays disabled).
class TMDIChild : public QWidget
{
    Q_OBJECT
public:
    // Asked when the user closes the window; true when the document was
    // closed (the window then goes), false keeps it open.
    using TCloseRequest = std::function<bool(TVYRADocument *document)>;

    explicit TMDIChild(QWidget *parent = nullptr);
    ~TMDIChild() override;

    // Where the container puts the editor controls.
    QWidget *EditorHost() const { return m_editorHost; }
    TVYRADocument *Document() const { return m_document; }

    // Shows the document: tool-bar caption, highlighter list with the
    // document's highlighter selected, window icon; focuses the editor.
    void Bind(TVYRADocument *document, TVYRADocumentContainer *container);
    // The document was saved or renamed: caption, tool-bar caption and icon.
    void Refresh();
    // The container closed the document: the window no longer asks before it closes.
    void Release();
    // The registered highlighters with the document's own selected (again after loading).
    void UpdateHighlighterList();
    void SetCloseRequest(TCloseRequest request) { m_closeRequest = std::move(request); }

    QToolBar *DocumentToolBar() const { return m_toolBar; }
    QComboBox *HighlighterList() const { return m_highlighters; }
    QTabBar *NavigationTabs() const { return m_tabs; }

    static QString PreviewMissingHint();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    int documentIndex() const;
    void highlighterChosen(int index);

    QToolBar *const m_toolBar;
    QComboBox *const m_highlighters;
    QTabBar *const m_tabs;
    QWidget *const m_editorHost;
    TVYRADocument *m_document = nullptr;
    QPointer<TVYRADocumentContainer> m_container;
    TCloseRequest m_closeRequest;
    bool m_filling = false;
};
