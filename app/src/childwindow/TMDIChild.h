#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QComboBox;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolBar;
class TVYRADocument;
class TVYRADocumentContainer;

// The window of one document inside the main window's document area. It
// holds no text: the container places the document's editor controls into
// EditorHost(). Above them sit the document tool bar with the highlighter
// choice, the preview bar with its "Browser-Vorschau" menu, and the "Code" /
// "Vorschau" tabs. What the preview shows is decided by the preview request
// the main window's preview feature sets; without one "Vorschau" stays disabled.
class TMDIChild : public QWidget
{
    Q_OBJECT
public:
    // Asked when the user closes the window; true when the document was
    // closed (the window then goes), false keeps it open.
    using TCloseRequest = std::function<bool(TVYRADocument *document)>;
    // Asked before "Vorschau" comes to the front; fills PreviewHost() and
    // answers true, or vetoes with false (the code stays in front).
    using TPreviewRequest = std::function<bool(TMDIChild &child)>;

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
    void SetPreviewRequest(TPreviewRequest request);
    // "Browser-Vorschau": back to the code when the preview is in front,
    // else the preview when the request allows it.
    void TogglePreview();
    bool IsPreviewShown() const;
    // Where the preview feature puts its browser view.
    QWidget *PreviewHost() const { return m_previewHost; }
    // The submenu "Browser-Vorschau" of the preview bar, filled by the preview feature.
    QMenu *PreviewMenu() const { return m_previewMenu; }

    QToolBar *DocumentToolBar() const { return m_toolBar; }
    QComboBox *HighlighterList() const { return m_highlighters; }
    QTabBar *NavigationTabs() const { return m_tabs; }

    static QString PreviewMissingHint();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    int documentIndex() const;
    void highlighterChosen(int index);
    void tabChosen(int index);
    void showCode();

    QToolBar *const m_toolBar;
    QComboBox *const m_highlighters;
    QTabBar *const m_tabs;
    QWidget *const m_editorHost;
    QWidget *const m_previewHost;
    QStackedWidget *const m_pages;
    QToolBar *const m_previewBar;
    QMenu *const m_previewMenu;
    TPreviewRequest m_previewRequest;
    TVYRADocument *m_document = nullptr;
    QPointer<TVYRADocumentContainer> m_container;
    TCloseRequest m_closeRequest;
    bool m_filling = false;
};
