#include "editor/TRichEditor.h"

#include "editor/TRtfReader.h"
#include "editor/TRtfWriter.h"
#include "editor/TTextDecoder.h"
#include "utils/TFileErrorText.h"
#include "utils/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

TRichEditor::TRichEditor(QWidget *parent) : QWidget(parent), m_edit(new QTextEdit(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);
    m_edit->setAcceptRichText(true);
    m_edit->viewport()->installEventFilter(this);
    connect(m_edit->document(), &QTextDocument::modificationChanged, this, &TRichEditor::modificationChanged);
    connect(m_edit, &QTextEdit::textChanged, this, &TRichEditor::textChanged);
    connect(m_edit, &QTextEdit::selectionChanged, this, &TRichEditor::selectionChanged);
}

void TRichEditor::setPlainFormat(const TTextFileFormat &format, TLineBreak lineBreak)
{
    m_plainFormat = format;
    m_plainLineBreak = lineBreak;
}

QString TRichEditor::text() const
{
    return m_edit->toPlainText();
}

void TRichEditor::setText(const QString &text)
{
    m_edit->setPlainText(text);
}

QStringList TRichEditor::lines() const
{
    QStringList result;
    for (QTextBlock block = m_edit->document()->begin(); block.isValid(); block = block.next())
        result.append(block.text());
    return result;
}

TEditorResult TRichEditor::loadFromData(const QByteArray &data)
{
    if (m_plainText || !TRtfReader::looksLikeRtf(data)) {
        const QString text = TextCodec::fromUtf8(TTextDecoder::decodeAll(data, m_plainFormat));
        m_plainLineBreak = TLineBreaks::First(text);
        m_edit->setPlainText(text);
    } else {
        TRtfReader::read(data, *m_edit->document());
    }
    m_edit->document()->clearUndoRedoStacks();
    setModified(false);
    return {};
}

QByteArray TRichEditor::saveToData() const
{
    if (!m_plainText)
        return TRtfWriter::write(*m_edit->document());
    QByteArray data;
    encodePlain(data);
    return data;
}

bool TRichEditor::encodePlain(QByteArray &data) const
{
    // The raw text keeps non-breaking spaces, which toPlainText() makes
    // ordinary ones; paragraph and line separators are the line breaks.
    QString text = m_edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    bool ok = false;
    data = TextCodec::encode(TLineBreaks::Convert(text, m_plainLineBreak), m_plainFormat, &ok);
    return ok;
}

TEditorResult TRichEditor::loadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly))
        return TEditorResult::failure(TFileErrorText::OpenFailed(fileName, file));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return TEditorResult::failure(TFileErrorText::ReadFailed(fileName, file));
    return loadFromData(data);
}

TEditorResult TRichEditor::saveToFile(const QString &fileName)
{
    QByteArray data;
    if (!m_plainText)
        data = saveToData();
    else if (!encodePlain(data))
        return TEditorResult::failure(
            TFileErrorText::SaveFailed(fileName, windows1252EncodeError(m_edit->toPlainText())));
    QSaveFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::WriteOnly) || file.write(data) != data.size()
        || !file.commit())
        return TEditorResult::failure(TFileErrorText::SaveFailed(fileName, file));
    setModified(false);
    return {};
}

int TRichEditor::selStart() const
{
    return m_edit->textCursor().selectionStart();
}

int TRichEditor::selLength() const
{
    const QTextCursor cursor = m_edit->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

QString TRichEditor::selectedText() const
{
    return m_edit->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

void TRichEditor::setSelection(int start, int length)
{
    QTextCursor cursor(m_edit->document());
    const int end = m_edit->document()->characterCount() - 1;
    cursor.setPosition(std::clamp(start, 0, end));
    cursor.setPosition(std::clamp(start + length, 0, end), QTextCursor::KeepAnchor);
    m_edit->setTextCursor(cursor);
}

TRichTextAttributes TRichEditor::selAttributes() const
{
    const QTextCharFormat format = m_edit->textCursor().charFormat();
    const QStringList families = format.fontFamilies().toStringList();
    return {families.isEmpty() ? m_edit->document()->defaultFont().family() : families.first(),
            format.fontPointSize(),
            format.fontWeight() >= QFont::DemiBold,
            format.fontItalic(),
            format.fontUnderline(),
            format.fontStrikeOut(),
            format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor()};
}

void TRichEditor::setSelAttributes(const TRichTextAttributes &attributes)
{
    QTextCharFormat format;
    if (!attributes.fontName.isEmpty())
        format.setFontFamilies({attributes.fontName});
    if (attributes.size > 0)
        format.setFontPointSize(attributes.size);
    format.setFontWeight(attributes.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(attributes.italic);
    format.setFontUnderline(attributes.underline);
    format.setFontStrikeOut(attributes.strikeOut);
    if (attributes.color.isValid())
        format.setForeground(attributes.color);
    m_edit->mergeCurrentCharFormat(format);
}

Qt::Alignment TRichEditor::paragraphAlignment() const
{
    return m_edit->alignment();
}

void TRichEditor::setParagraphAlignment(Qt::Alignment alignment)
{
    m_edit->setAlignment(alignment);
}

void TRichEditor::setSelectionLink(const QString &url)
{
    QTextCharFormat format;
    format.setAnchor(!url.isEmpty());
    format.setAnchorHref(url);
    if (!url.isEmpty()) {
        format.setForeground(QColor(Qt::blue));
        format.setFontUnderline(true);
    }
    m_edit->mergeCurrentCharFormat(format);
}

int TRichEditor::findText(const QString &text, unsigned options)
{
    QTextDocument::FindFlags flags;
    if (options & rfMatchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (options & rfWholeWord)
        flags |= QTextDocument::FindWholeWords;
    if (options & rfBackwards)
        flags |= QTextDocument::FindBackward;
    const QTextCursor found = m_edit->document()->find(text, m_edit->textCursor(), flags);
    if (found.isNull())
        return -1;
    m_edit->setTextCursor(found);
    return found.selectionStart();
}

bool TRichEditor::isModified() const
{
    return m_edit->document()->isModified();
}

void TRichEditor::setModified(bool modified)
{
    m_edit->document()->setModified(modified);
}

bool TRichEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QString href = m_edit->anchorAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && !href.isEmpty() && !m_edit->textCursor().hasSelection())
            emit linkClicked(href);
    }
    return QWidget::eventFilter(watched, event);
}
