#include "search/TSearchDialogRules.h"

#include "filetypes/TVYRAExtensionGroup.h"
#include "filetypes/TVYRAExtensions.h"
#include "highlighters/TIHighlighters.h"
#include "regex/RegexCreate.h"
#include "regex/RegexExceptions.h"
#include "ui/TPrompter.h"

namespace {
const QString kSearchCaption = QStringLiteral("Suche");
constexpr int FilesTab = 2;
} // namespace

TVYRASearchOptions TSearchDialogRules::OptionsFromControls(const TSearchControls &c)
{
    TVYRASearchOptions options;
    const bool files = c.tab == FilesTab;
    if (files ? c.fileCase : c.textCase)
        options |= xsoCaseSensitive;
    if (files ? c.fileWholeWord : c.textWholeWord)
        options |= xsoWholeWord;
    if (files ? c.fileRegEx : c.textRegEx)
        options |= xsoUseRegEx;
    if (c.backward)
        options |= xsoBackwards;
    if (!c.selectionOnly)
        options |= xsoWholeText;
    if (c.fromCursor)
        options |= xsoFromCursor;
    if (c.prompt)
        options |= xsoReplacePrompt;
    return options;
}

bool TSearchDialogRules::CheckSelection(bool selectionOnly, bool hasSelection, TPrompter &prompter)
{
    if (!selectionOnly || hasSelection)
        return true;
    TPrompt prompt;
    prompt.text = QStringLiteral("Der markierte Block ist ungültig.");
    prompt.caption = kSearchCaption;
    prompt.icon = TPromptIcon::Warning;
    prompter.message(prompt);
    return false;
}

bool TSearchDialogRules::CheckRegularExpression(const QString &text, TVYRASearchOptions options, TPrompter &prompter)
{
    if (!options.testFlag(xsoUseRegEx))
        return true;
    try {
        RegexCreate(text);
        return true;
    } catch (const ERegexException &e) {
        TPrompt prompt;
        prompt.text = QStringLiteral("Der angegebene reguläre Ausdruck ist nicht gültig und kann nicht verarbeitet "
                                     "werden.\r\n\r\nDetails: \"%1\"\r\n\r\nÜberprüfen Sie, ob der reguläre Ausdruck "
                                     "mit der Syntax für reguläre Ausdrücke übereinstimmt und versuchen Sie es erneut.")
                          .arg(e.message());
        prompt.caption = QStringLiteral("Fehler in regulärem Ausdruck");
        prompt.icon = TPromptIcon::Error;
        prompter.message(prompt);
        return false;
    }
}

QStringList TSearchDialogRules::FileFilterEntries(const TVYRAExtensions *extensions)
{
    QStringList entries;
    if (extensions)
        extensions->ApplyExtensions(entries, false, true);
    else
        entries.append(QStringLiteral("Alle Dateien (*.*)"));
    return entries;
}

QString TSearchDialogRules::FileMask(const TVYRAExtensions *extensions, int index, const QString &typed)
{
    if (index < 0 || !extensions)
        return typed.trimmed().isEmpty() ? QStringLiteral("*.*") : typed;
    if (index == 0) {
        QStringList all;
        for (int i = 0; i < extensions->GetCount(); ++i) {
            if (extensions->GetGroup(i)->GetCount() > 0)
                all.append(extensions->GetGroup(i)->GetExtensions());
        }
        return all.join(u';');
    }
    if (index - 1 < extensions->GetCount())
        return extensions->GetGroup(index - 1)->GetExtensions();
    return QStringLiteral("*.*");
}

void TSearchDialogRules::TellNotFoundInDocument(const QString &text, TPrompter &prompter)
{
    prompter.information(QStringLiteral("Suchbegriff \"%1\" wurde nicht im aktuellen Dokument gefunden.").arg(text),
                         kSearchCaption);
}

void TSearchDialogRules::TellNotFoundInFiles(const QString &text, TPrompter &prompter)
{
    prompter.information(QStringLiteral("Suchbegriff \"%1\" wurde nicht in den angegebenen Dateien gefunden.").arg(text),
                         kSearchCaption);
}
