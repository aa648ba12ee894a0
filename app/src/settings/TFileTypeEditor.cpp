#include "settings/TFileTypeEditor.h"

#include "filetypes/TVYRAExtensionGroup.h"
#include "filetypes/TVYRAExtensions.h"
#include "filetypes/TVYRAFileExtension.h"
#include "highlighters/TIHighlighters.h"
#include "ui/TPrompter.h"

TFileTypeEditor::TFileTypeEditor(TVYRAExtensions &extensions, const QString &customFileName, TPrompter &prompter)
    : m_extensions(extensions)
    , m_fileName(customFileName)
    , m_prompter(prompter)
{
}

TVYRAExtensionGroup *TFileTypeEditor::NewGroup()
{
    TIHighlighter *plain = m_extensions.Highlighters() ? m_extensions.Highlighters()->DefaultHighlighter() : nullptr;
    return m_extensions.AddGroup(std::make_unique<TVYRAExtensionGroup>(
        QStringLiteral("Neue Dateierweiterungsgruppe"), QString(), plain, true, false, egtCustom));
}

bool TFileTypeEditor::RemoveGroup(TVYRAExtensionGroup *group)
{
    return group && m_extensions.RemoveGroup(m_extensions.IndexOf(group));
}

bool TFileTypeEditor::IsWellFormed(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

TVYRAFileExtension *TFileTypeEditor::AskNewExtension(TVYRAExtensionGroup &group)
{
    const std::optional<QString> text = m_prompter.askText(QStringLiteral("Erweiterung eingeben"),
                                                           QStringLiteral("Geben Sie die Dateiendung (ohne Punkt) ein:"));
    return text ? AddExtension(group, *text) : nullptr;
}

TVYRAFileExtension *TFileTypeEditor::AddExtension(TVYRAExtensionGroup &group, const QString &text,
                                                  const QString &description)
{
    if (!IsWellFormed(text)) {
        m_prompter.error(QStringLiteral("Die Eingabe entspricht nicht dem gefoderten Format. Geben Sie die "
                                        "Dateiendung ohne Punkt ein und sonstige Sonderzeichen ein."));
        return nullptr;
    }
    const QString identifier = QStringLiteral("*.") + text;
    if (m_extensions.FindExtension(identifier)) {
        m_prompter.error(QStringLiteral("Die angegebene Dateierweiterung ist bereits vorhanden. Wählen Sie eine "
                                        "andere Dateierweiterung."));
        return nullptr;
    }
    // The pattern opens as its group says (binary flag, highlighter) and may
    // be announced to the desktop for both verbs.
    return group.AddItem(
        std::make_unique<TVYRAFileExtension>(identifier, QString(), description, group.Directory, &group, etBoth));
}

bool TFileTypeEditor::RemoveExtension(TVYRAExtensionGroup &group, int index)
{
    return group.RemoveItem(index);
}

bool TFileTypeEditor::SaveGroup(TVYRAExtensionGroup *group, const QString &name, bool isBinary)
{
    if (!group) {
        m_prompter.error(QStringLiteral("Bitte wählen Sie die Gruppe aus, die gespeichert werden soll."),
                         QStringLiteral("Keine Gruppe ausgewählt."));
        return false;
    }
    group->Name = name;
    group->IsBinary = isBinary;
    return SaveCustomTypes();
}

bool TFileTypeEditor::SaveCustomTypes()
{
    if (m_extensions.SaveToFile(m_fileName, true, egtCustom))
        return true;
    m_prompter.error(QStringLiteral("Die benutzerdefinierten Dateitypen konnten nicht in der Datei \"%1\" "
                                    "gespeichert werden.")
                         .arg(m_fileName));
    return false;
}
