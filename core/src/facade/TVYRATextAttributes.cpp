#include "facade/TVYRATextAttributes.h"

#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "editor/TSynHighlighterAttributes.h"
#include "facade/IEditorDocument.h"
#include "facade/TEditorControl.h"
#include "facade/TVYRAEditor.h"

#include <QTextEdit>

namespace {
// Alignment as the plug-in interface counts it: 0 left, 1 right, 2 centre.
int alignmentNumber(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return 1;
    if (alignment & Qt::AlignHCenter)
        return 2;
    return 0;
}

QFont richFont(const TRichTextAttributes &a)
{
    QFont font(a.fontName);
    if (a.size > 0)
        font.setPointSizeF(a.size);
    font.setBold(a.bold);
    font.setItalic(a.italic);
    font.setUnderline(a.underline);
    font.setStrikeOut(a.strikeOut);
    return font;
}

void applyStyle(QFont &font, unsigned style, bool on)
{
    if (style & fsBold)
        font.setBold(on);
    if (style & fsItalic)
        font.setItalic(on);
    if (style & fsUnderline)
        font.setUnderline(on);
    if (style & fsStrikeOut)
        font.setStrikeOut(on);
}
} // namespace

TVYRATextAttributes::TVYRATextAttributes(TVYRAEditor *editor) : m_editor(editor) {}

namespace {
TEditorControl controlOf(const TVYRAEditor *editor)
{
    return TEditorControl(editor ? editor->GetParent() : nullptr);
}
} // namespace

std::optional<QFont> TVYRATextAttributes::GetFont() const
{
    TEditorControl control = controlOf(m_editor);
    if (control.Code())
        return control.Code()->editorFont();
    if (control.Rich())
        return richFont(control.Rich()->selAttributes());
    return std::nullopt;
}

void TVYRATextAttributes::SetFont(const QFont &font)
{
    TEditorControl control = controlOf(m_editor);
    if (control.Code()) {
        control.Code()->setEditorFont(font);
    } else if (control.Rich()) {
        TRichTextAttributes a = control.Rich()->selAttributes();
        if (!font.family().isEmpty())
            a.fontName = font.family();
        if (font.pointSizeF() > 0)
            a.size = font.pointSizeF();
        a.bold = font.bold();
        a.italic = font.italic();
        a.underline = font.underline();
        a.strikeOut = font.strikeOut();
        control.Rich()->setSelAttributes(a);
    } else {
        return;
    }
    Changed();
}

void TVYRATextAttributes::ApplyToFont(int size)
{
    std::optional<QFont> font = GetFont();
    if (font && size > 0 && font->pointSize() != size) {
        font->setPointSize(size);
        SetFont(*font);
    }
}

void TVYRATextAttributes::ApplyToFont(const QString &name)
{
    std::optional<QFont> font = GetFont();
    if (font && !name.isEmpty() && font->family() != name) {
        font->setFamily(name);
        SetFont(*font);
    }
}

void TVYRATextAttributes::ApplyColorToFont(const QColor &color)
{
    TEditorControl control = controlOf(m_editor);
    if (!control.Rich())
        return;
    TRichTextAttributes a = control.Rich()->selAttributes();
    a.color = color;
    control.Rich()->setSelAttributes(a);
    Changed();
}

bool TVYRATextAttributes::IsStylePresent(unsigned style) const
{
    const std::optional<QFont> font = GetFont();
    if (!font)
        return false;
    QFont probe = *font;
    applyStyle(probe, style, true);
    return probe == *font;
}

void TVYRATextAttributes::SetStyle(unsigned style, bool on)
{
    std::optional<QFont> font = GetFont();
    if (!font)
        return;
    applyStyle(*font, style, on);
    SetFont(*font);
}

int TVYRATextAttributes::GetSelStart() const
{
    return controlOf(m_editor).SelStart();
}

void TVYRATextAttributes::SetSelStart(int start)
{
    TEditorControl control = controlOf(m_editor);
    control.SetSelection(start, 0);
    if (control.Rich())
        control.Rich()->textEdit()->ensureCursorVisible();
}

int TVYRATextAttributes::GetSelLength() const
{
    return controlOf(m_editor).SelLength();
}

void TVYRATextAttributes::SetSelLength(int length)
{
    TEditorControl control = controlOf(m_editor);
    if (control.IsValid())
        control.SetSelection(control.SelStart(), length);
}

QString TVYRATextAttributes::GetSelText() const
{
    return controlOf(m_editor).SelText();
}

void TVYRATextAttributes::SetSelText(const QString &text)
{
    controlOf(m_editor).ReplaceSelection(text);
}

int TVYRATextAttributes::GetAlignment() const
{
    TEditorControl control = controlOf(m_editor);
    if (!control.Rich())
        return control.IsValid() ? 0 : -1;
    return alignmentNumber(control.Rich()->paragraphAlignment());
}

void TVYRATextAttributes::SetAlignment(int alignment)
{
    TEditorControl control = controlOf(m_editor);
    if (!control.Rich())
        return;
    static const Qt::Alignment values[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    if (alignment >= 0 && alignment < 3)
        control.Rich()->setParagraphAlignment(values[alignment]);
}

void TVYRATextAttributes::Changed()
{
    TEditorControl control = controlOf(m_editor);
    if (!control.IsValid())
        return;
    if (control.Code())
        control.Code()->update();
    m_editor->GetParent()->Changed();
}
