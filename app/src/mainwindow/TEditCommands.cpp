#include "mainwindow/TEditCommands.h"

#include "commands/TActionRegistry.h"
#include "facade/TVYRAEditor.h"
#include "ui/TPrompter.h"

TEditCommands::TEditCommands(TActiveEditor activeEditor)
    : m_activeEditor(std::move(activeEditor))
{
}

void TEditCommands::onEditor(void (*command)(TVYRAEditor &))
{
    if (const std::unique_ptr<TVYRAEditor> editor = m_activeEditor())
        command(*editor);
}

void TEditCommands::Register(TActionRegistry &registry)
{
    registry.SetHandler(QStringLiteral("EditUndo"), [this] { onEditor([](TVYRAEditor &e) { e.Undo(); }); });
    registry.SetHandler(QStringLiteral("EditRedo"), [this] { onEditor([](TVYRAEditor &e) { e.Redo(); }); });
    registry.SetHandler(QStringLiteral("EditCut"), [this] { onEditor([](TVYRAEditor &e) { e.CutToClipboard(); }); });
    registry.SetHandler(QStringLiteral("EditCopy"),
                        [this] { onEditor([](TVYRAEditor &e) { e.CopyToClipboard(); }); });
    registry.SetHandler(QStringLiteral("EditPaste"),
                        [this] { onEditor([](TVYRAEditor &e) { e.PasteFromClipboard(); }); });
    registry.SetHandler(QStringLiteral("EditDelete"),
                        [this] { onEditor([](TVYRAEditor &e) { e.ClearSelection(); }); });
    registry.SetHandler(QStringLiteral("EditSelectAll"), [this] { onEditor([](TVYRAEditor &e) { e.SelectAll(); }); });
    registry.SetHandler(QStringLiteral("EditGoto"), [this] { GotoLine(); });
}

void TEditCommands::GotoLine()
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    if (!editor)
        return;
    const std::optional<QString> answer = TPrompter::instance().askText(
        QStringLiteral("Gehe zu..."), QStringLiteral("Bitte geben Sie die Zeilennummer ein:"));
    if (!answer)
        return;
    bool ok = false;
    const int line = answer->trimmed().toInt(&ok);
    if (ok && line > 0)
        editor->GotoLine(line);
}
