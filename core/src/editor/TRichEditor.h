#pragma once

#include "editor/TEditorResult.h"
#include "editor/TLineBreaks.h"
#include "editor/TTextEncoding.h"
#include "vyra_export.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

class QTextEdit;

// Character attributes of the selection (or of the caret position).
struct VYRA_EXPORT TRichTextAttributes
{
    QString fontName;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color;
};

enum TRichFindOption : unsigned { rfMatchCase = 1, rfWholeWord = 2, rfBackwards = 4 };

// The rich-text editor control on QTextEdit. Its stream format is plain text
// or RTF (our own reader and writer); positions are character offsets.
class VYRA_EXPORT TRichEditor : public QWidget
{
    Q_OBJECT
public:
    explicit TRichEditor(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QStringList lines() const;

    bool plainText() const { return m_plainText; }
    void setPlainText(bool on) { m_plainText = on; }
    // Reads and writes in the stream format. Plain text is read as the code
    // editor reads it (TTextDecoder) and written back in its encoding with
    // its first line break, since the control keeps paragraphs, not breaks;
    // new plain text is UTF-8 with LF.
    TEditorResult loadFromData(const QByteArray &data);
    QByteArray saveToData() const;
    // Encoding, BOM and line break plain text is written with.
    const TTextFileFormat &plainFormat() const { return m_plainFormat; }
    TLineBreak plainLineBreak() const { return m_plainLineBreak; }
    void setPlainFormat(const TTextFileFormat &format, TLineBreak lineBreak);
    TEditorResult loadFromFile(const QString &fileName);
    TEditorResult saveToFile(const QString &fileName);

    int selStart() const;
    int selLength() const;
    QString selectedText() const;
    void setSelection(int start, int length);
    TRichTextAttributes selAttributes() const;
    void setSelAttributes(const TRichTextAttributes &attributes);
    Qt::Alignment paragraphAlignment() const;
    void setParagraphAlignment(Qt::Alignment alignment);
    // Makes the selection a link to url.
    void setSelectionLink(const QString &url);

    // Finds text from the caret on and selects it; returns its offset or -1.
    int findText(const QString &text, unsigned options = 0);

    bool isModified() const;
    void setModified(bool modified);
    QTextEdit *textEdit() const { return m_edit; }

signals:
    void linkClicked(const QString &url);
    void modificationChanged(bool modified);
    void textChanged();
    void selectionChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The plain text in the stream format; false when a character does not fit its encoding.
    bool encodePlain(QByteArray &data) const;

    QTextEdit *const m_edit;
    bool m_plainText = false;
    TTextFileFormat m_plainFormat;
    TLineBreak m_plainLineBreak = TLineBreak::lbLF;
};
