#pragma once

#include "analysis/TTagInspection.h"
#include "analysis/TTagInspectorThread.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QDockWidget;
class TCodeEditor;
class TTagInspectorPanel;
class TVYRADocument;
class TVYRADocumentContainer;

// Keeps the tag inspector on the tag under the caret of the active
// document: each caret move starts an inspection in the background (from a
// copy of the text and caret), whose result is shown when it is still the
// newest. An edited attribute is written into that tag at once, after the
// tag was inspected again synchronously on the current text.
class TTagInspectorController : public QObject
{
    Q_OBJECT
public:
    TTagInspectorController(TVYRADocumentContainer &container, TTagInspectorPanel &panel, QDockWidget &dock,
                            TTagInspectorThread::TTags tags);
    ~TTagInspectorController() override;

    // Writes name=value into the tag at the caret; false when nothing was
    // written (no editable document, no tag, no such attribute change).
    bool WriteAttribute(const QString &name, const QString &value);
    // Moves of the caret made by the program start no inspection meanwhile.
    void SetUpdating(bool updating) { m_updating = updating; }
    const TTagInspection &Current() const { return m_current; }
    TTagInspectorThread &Thread() { return m_thread; }

    void DocumentActivated(TVYRADocument *document);
    void DocumentChanged(TVYRADocument *document);
    void DocumentClosing(TVYRADocument *document);

private:
    void caretMoved();
    void unwatch();
    void inspected(TVYRADocument *document, const TTagInspection &inspection);
    void show(const TTagInspection &inspection);
    TCodeEditor *editor() const;

    TVYRADocumentContainer &m_container;
    TTagInspectorPanel &m_panel;
    QDockWidget &m_dock;
    TTagInspectorThread m_thread;
    QPointer<TVYRADocument> m_document;
    QMetaObject::Connection m_caretConnection;
    QMetaObject::Connection m_textConnection;
    QMetaObject::Connection m_loadConnection;
    TTagInspection m_current;
    QString m_text; // the active document's text, taken again after a change
    bool m_textValid = false;
    bool m_updating = false;
};
