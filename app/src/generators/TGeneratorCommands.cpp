#include "generators/TGeneratorCommands.h"

#include "commands/TActionRegistry.h"
#include "editing/TBlockText.h"
#include "editing/TSnippetLookup.h"
#include "editing/TTextInsertion.h"
#include "editor/TCodeEditor.h"
#include "facade/IEditorDocument.h"
#include "facade/TEditorControl.h"
#include "facade/TVYRAEditor.h"
#include "generators/TColorDialog.h"
#include "generators/TFontDialog.h"
#include "generators/TGeneratorElements.h"
#include "generators/THTMLColorConversions.h"
#include "generators/TImageDialog.h"
#include "generators/TLinkDialog.h"
#include "generators/TMetaTagDialog.h"
#include "generators/TStyleSheetDialog.h"
#include "generators/TTableGeneratorDialog.h"

namespace {

struct TCaretText {
    QString text;
    int offset = 0;
};

TCaretText caretText(const TVYRAEditor &editor)
{
    const TEditorControl control(editor.GetParent());
    return {control.Text(), control.SelStart()};
}

// The column (1-based) of a text offset.
int columnOf(const QString &text, int offset)
{
    const int lineStart = int(std::max(text.lastIndexOf(QLatin1Char('\n'), offset - 1),
                                       text.lastIndexOf(QLatin1Char('\r'), offset - 1)))
        + 1;
    return offset - lineStart + 1;
}

} // namespace

TGeneratorCommands::TGeneratorCommands(TActiveEditor activeEditor, TContext context)
    : m_activeEditor(std::move(activeEditor))
    , m_context(std::move(context))
{
}

TGeneratorCommands::~TGeneratorCommands()
{
    delete m_fontDialog.data();
}

void TGeneratorCommands::Register(TActionRegistry &registry)
{
    registry.SetHandler(QStringLiteral("InsertTable"), [this] { InsertTable(); });
    registry.SetHandler(QStringLiteral("FormatInsertMetaTags"), [this] { InsertMetaTags(); });
    registry.SetHandler(QStringLiteral("FormatInsertLink"), [this] { InsertLink(); });
    registry.SetHandler(QStringLiteral("FormatInsertImage"), [this] { InsertImage(); });
    registry.SetHandler(QStringLiteral("FormatFont"), [this] { InsertFont(); });
    registry.SetHandler(QStringLiteral("FormatInsertExternalCss"), [this] { InsertStyleSheet(); });
    registry.SetHandler(QStringLiteral("FormatSelectColor"), [this] { SelectColor(); });
}

QString TGeneratorCommands::Charset(const TVYRAEditor &editor)
{
    const IEditorDocument *document = editor.GetParent();
    const TCodeEditor *code = document ? document->CodeEditor() : nullptr;
    switch (code ? code->fileFormat().encoding : TTextEncoding::teUtf8) {
    case TTextEncoding::teWindows1252:
        return QStringLiteral("windows-1252");
    case TTextEncoding::teUtf16LE:
    case TTextEncoding::teUtf16BE:
        return QStringLiteral("utf-16");
    default:
        return QStringLiteral("utf-8");
    }
}

QString TGeneratorCommands::activeFileName(const TVYRAEditor &editor) const
{
    Q_UNUSED(editor);
    return m_context.activeFileName ? m_context.activeFileName() : QString();
}

void TGeneratorCommands::InsertTable()
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    if (!editor)
        return;
    const TCaretText at = caretText(*editor);
    const auto table = THtmlElementFinder::Enclosing(at.text, at.offset, QStringLiteral("table"));
    const auto options = TTableGeneratorDialog::Execute(
        m_context.dialogParent, table ? TGeneratorElements::Table(*table) : TTableOptions(), bool(table));
    if (!options)
        return;
    if (table)
        TTextInsertion(*editor).Replace(table->start, table->openingLength,
                                        QStringLiteral("<table ") + options->Attributes() + QLatin1Char('>'));
    else
        TTextInsertion(*editor).Plain(options->Html());
    editor->SetFocus();
}

void TGeneratorCommands::InsertMetaTags()
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    if (!editor)
        return;
    const TCaretText at = caretText(*editor);
    const auto block = THtmlElementFinder::MetaBlock(at.text, at.offset);
    TMetaTagOptions start = block ? TGeneratorElements::Meta(*block) : TMetaTagOptions();
    start.charset = Charset(*editor);
    start.generator = m_context.generator;
    const auto options = TMetaTagDialog::Execute(m_context.dialogParent, start);
    if (!options)
        return;
    if (block)
        TTextInsertion(*editor).Replace(block->start, block->length,
                                        TBlockText::Indent(options->Html(), columnOf(at.text, block->start)));
    else
        TTextInsertion(*editor).Block(options->Html());
    editor->SetFocus();
}

void TGeneratorCommands::InsertLink()
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    if (!editor)
        return;
    const TCaretText at = caretText(*editor);
    const auto link = THtmlElementFinder::Enclosing(at.text, at.offset, QStringLiteral("a"));
    const auto options = TLinkDialog::Execute(m_context.dialogParent,
                                              m_context.projectFiles ? m_context.projectFiles() : QStringList(),
                                              activeFileName(*editor),
                                              link ? TGeneratorElements::Link(*link) : TLinkOptions());
    if (!options)
        return;
    // A link in the text keeps its content: only its opening tag changes.
    if (link)
        TTextInsertion(*editor).Replace(link->start, link->openingLength, options->OpeningTag());
    else
        TTextInsertion(*editor).Wrap(options->OpeningTag(), QStringLiteral("</a>"));
    editor->SetFocus();
}

void TGeneratorCommands::InsertImage()
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    if (!editor)
        return;
    const TCaretText at = caretText(*editor);
    const auto image = THtmlElementFinder::Enclosing(at.text, at.offset, QStringLiteral("img"), true);
    const auto options = TImageDialog::Execute(m_context.dialogParent, activeFileName(*editor),
                                               image ? TGeneratorElements::Image(*image) : TImageOptions());
    if (!options)
        return;
    if (image)
        TTextInsertion(*editor).Replace(image->start, image->length, options->Html());
    else
        TTextInsertion(*editor).Wrap(options->Html(), QString());
    editor->SetFocus();
}

void TGeneratorCommands::InsertFont()
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    if (!editor)
        return;
    // Made once, so the chosen fonts stay for the next time.
    if (!m_fontDialog)
        m_fontDialog = new TFontDialog(m_context.dialogParent);
    m_fontDialog->SetGroups(m_context.fontGroups ? m_context.fontGroups() : QStringList());
    const QString fonts = m_fontDialog->Execute();
    if (m_context.storeFontGroups)
        m_context.storeFontGroups(m_fontDialog->Groups());
    if (fonts.isEmpty())
        return;
    TTextInsertion(*editor).Wrap(QStringLiteral("<span style=\"font-family: %1;\">").arg(fonts), QStringLiteral("</span>"));
    editor->SetFocus();
}

void TGeneratorCommands::InsertStyleSheet()
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    if (!editor)
        return;
    if (const auto html = TStyleSheetDialog::Execute(m_context.dialogParent, activeFileName(*editor))) {
        TTextInsertion(*editor).Plain(*html);
        editor->SetFocus();
    }
}

void TGeneratorCommands::SelectColor()
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    if (!editor)
        return;
    const TCaretText at = caretText(*editor);
    int start = 0;
    const QString word = TSnippetLookup::WordAt(at.text, at.offset, start);
    const auto color = TColorDialog::Execute(m_context.dialogParent, word);
    if (!color)
        return;
    int length = int(word.size());
    if (start > 0 && at.text.at(start - 1) == QLatin1Char('#')) {
        --start;
        ++length;
    }
    TTextInsertion(*editor).Replace(start, length, THTMLColorConversions::ColorToHTML(*color));
    editor->SetFocus();
}
