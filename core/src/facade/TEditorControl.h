#pragma once

#include "vyra_export.h"

#include <QString>

class IEditorDocument;
class QWidget;
class TCodeEditor;
class TRichEditor;

// The control of a document's current mode behind one set of operations;
// every position is a character offset. Without a control every getter
// gives its empty value and every setter does nothing.
class VYRA_EXPORT TEditorControl
{
public:
    explicit TEditorControl(const IEditorDocument *document);

    bool IsCode() const { return m_code != nullptr; }
    bool IsValid() const { return m_code || m_rich; }
    TCodeEditor *Code() const { return m_code; }
    TRichEditor *Rich() const { return m_rich; }
    QWidget *Widget() const;

    QString Text() const;
    void SetText(const QString &text);
    int SelStart() const;
    int SelLength() const;
    QString SelText() const;
    void SetSelection(int start, int length);
    void ReplaceSelection(const QString &text);
    void BeginUpdate();
    void EndUpdate();

private:
    TCodeEditor *m_code = nullptr;
    TRichEditor *m_rich = nullptr;
};
