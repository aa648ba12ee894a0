#include "recovery/TExternalChangeCheck.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "recovery/TJournalCapture.h"
#include "ui/TPrompter.h"

#include <QDir>
#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("Datei geändert");

QString shown(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

} // namespace

TExternalChangeCheck::TExternalChangeCheck(TVYRADocumentContainer &container, TPrompter &prompter, QObject *parent)
    : QObject(parent), m_container(container), m_prompter(prompter)
{
}

void TExternalChangeCheck::Remember(TVYRADocument *document)
{
    if (!document)
        return;
    if (!document->GetFileExists() || !TJournalCapture::IsJournaled(document)) {
        Forget(document);
        return;
    }
    if (!m_watches.count(document))
        connect(document, &QObject::destroyed, this, [this, document] { m_watches.erase(document); });
    TWatch &watch = m_watches[document];
    watch = TWatch{document->GetFileName(), TFileStamp::Of(document->GetFileName()), {}, false, false};
}

void TExternalChangeCheck::Forget(TVYRADocument *document)
{
    if (m_watches.erase(document) > 0)
        disconnect(document, &QObject::destroyed, this, nullptr);
}

bool TExternalChangeCheck::IsWatched(const TVYRADocument *document) const
{
    return m_watches.count(document) > 0;
}

TExternalChangeCheck::TWatch *TExternalChangeCheck::watchOf(const TVYRADocument *document)
{
    const auto found = m_watches.find(document);
    if (found == m_watches.end() || found->second.fileName != document->GetFileName())
        return nullptr;
    return &found->second;
}

TExternalChangeCheck::TResult TExternalChangeCheck::CheckOnActivate(TVYRADocument *document)
{
    TWatch *watch = document ? watchOf(document) : nullptr;
    if (!watch)
        return TResult::NotWatched;
    const int index = m_container.Documents().IndexOf(document);
    if (TCodeEditor *code = index >= 0 ? m_container.GetSynEdit(index) : nullptr; code && code->isLoading())
        return TResult::Unchanged;
    const TFileStamp now = TFileStamp::Of(watch->fileName);
    if (now.SameAs(watch->known)) {
        watch->hasAsked = false;
        watch->keep = false;
        return TResult::Unchanged;
    }
    if (watch->hasAsked && now.SameAs(watch->asked))
        return TResult::Unchanged;
    if (!now.exists) {
        m_prompter.warning(QStringLiteral("Die Datei \"%1\" wurde außerhalb von Talvex Studio gelöscht oder "
                                          "umbenannt. Der Text bleibt im Editor erhalten; beim Speichern wird die "
                                          "Datei neu angelegt.")
                               .arg(shown(watch->fileName)),
                           kCaption);
        keepText(document, *watch, now);
        return TResult::Deleted;
    }
    const bool modified = document->GetModified();
    const QString text =
        QStringLiteral("Die Datei \"%1\" wurde außerhalb von Talvex Studio geändert.\n\n%2\n\n"
                       "Ja: die Datei neu laden\nNein: den Text im Editor behalten")
            .arg(shown(watch->fileName),
                 modified ? QStringLiteral("Soll sie neu geladen werden? Ihre ungespeicherten Änderungen im Editor "
                                           "gehen dabei verloren.")
                          : QStringLiteral("Soll sie neu geladen werden?"));
    const TPromptButton answer = m_prompter.question(text, TPromptButton::Yes | TPromptButton::No, kCaption,
                                                     modified ? TPromptButton::No : TPromptButton::Yes);
    if (answer != TPromptButton::Yes) {
        keepText(document, *watch, now);
        return TResult::Kept;
    }
    if (!reload(document)) {
        keepText(document, *watch, now);
        return TResult::ReloadFailed;
    }
    Remember(document);
    return TResult::Reloaded;
}

bool TExternalChangeCheck::ConfirmSave(TVYRADocument *document)
{
    TWatch *watch = document ? watchOf(document) : nullptr;
    if (!watch)
        return true;
    const TFileStamp now = TFileStamp::Of(watch->fileName);
    // A deleted file is simply written anew.
    if (!now.exists || now.SameAs(watch->known))
        return true;
    if (watch->hasAsked && watch->keep && now.SameAs(watch->asked))
        return true;
    const bool overwrite = m_prompter.confirm(
        QStringLiteral("Die Datei \"%1\" wurde seit dem Laden außerhalb von Talvex Studio geändert.\n\n"
                       "Soll sie mit dem Text des Editors überschrieben werden? Die Änderungen der anderen "
                       "Anwendung gehen dabei verloren.")
            .arg(shown(watch->fileName)),
        kCaption, TPromptButton::No);
    watch->asked = now;
    watch->hasAsked = true;
    watch->keep = overwrite;
    return overwrite;
}

void TExternalChangeCheck::keepText(TVYRADocument *document, TWatch &watch, const TFileStamp &now)
{
    watch.asked = now;
    watch.hasAsked = true;
    watch.keep = true;
    // The editor's text differs from the file now: closing asks, saving writes.
    document->SetModified(true);
}

bool TExternalChangeCheck::reload(TVYRADocument *document)
{
    const int index = m_container.Documents().IndexOf(document);
    TVYRADocumentList::TEntry *entry = m_container.Documents().Entry(index);
    if (!entry)
        return false;
    const QString fileName = document->GetFileName();
    TEditorResult loaded;
    // Reading the file is not the user's edit.
    ++entry->quiet;
    if (document->EditorMode() && entry->code) {
        TCodeEditor *code = entry->code;
        const int line = code->caretLine();
        const QString before = code->text();
        const TTextFileFormat format = code->fileFormat();
        loaded = code->loadFromFile(fileName);
        if (loaded) {
            code->setModified(false);
            code->setCaret(std::min(line, code->lineCount()), 1);
        } else {
            // The user's text stays whatever went wrong with the file.
            code->setText(before);
            code->setFileFormat(format);
        }
    } else if (entry->rich) {
        TRichEditor *rich = entry->rich;
        const QByteArray before = rich->saveToData();
        loaded = rich->loadFromFile(fileName);
        if (loaded)
            rich->setModified(false);
        else
            rich->loadFromData(before);
    }
    entry = m_container.Documents().EntryOf(document);
    if (entry)
        --entry->quiet;
    if (!loaded) {
        m_prompter.error(QStringLiteral("Die Datei \"%1\" konnte nicht neu geladen werden. Der Text im Editor "
                                        "bleibt unverändert.\n\n%2")
                             .arg(shown(fileName), loaded.errorText),
                         kCaption);
        return false;
    }
    document->SetModified(false);
    document->UpdateFileDate();
    return true;
}
