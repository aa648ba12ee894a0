#include "container/TVYRADocumentSaver.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "documents/TVYRATemplate.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "facade/TVYRAEditor.h"
#include "framework/TVYRACore.h"
#include "highlighters/TIHighlighter.h"
#include "utils/VersionInfo.h"

#include <QFileInfo>

namespace {

QString lowerSuffix(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower();
}

} // namespace

TVYRADocumentSaver::TVYRADocumentSaver(TVYRADocumentContainer &container)
    : m_c(container)
{
}

bool TVYRADocumentSaver::Save(int index, const QString &fileName)
{
    TVYRADocumentList::TEntry *entry = m_c.m_documents.Entry(index);
    if (!entry || fileName.trimmed().isEmpty())
        return false;
    TVYRADocument *document = entry->document.get();
    if (!document->GetModified() && document->GetFileExists() && document->GetFileName() == fileName)
        return false;
    if (QFileInfo(fileName).isRelative()) {
        m_c.RaiseEvent(document, evFileAccessError, fileName,
                       QStringLiteral("Der Dateiname ist kein vollständiger Pfad."));
        return false;
    }
    if (entry->loading || entry->deciphering || document->IsActionRunning()) {
        m_c.RaiseEvent(document, evGenericError, fileName,
                   QStringLiteral("Das Dokument wird noch geladen oder entschlüsselt."));
        return false;
    }
    // Everything a refusal or failure must put back.
    const QString oldName = document->GetFileName();
    const bool oldExists = document->GetFileExists();
    const bool oldModified = document->GetModified();
    m_c.renameDocument(document, fileName);
    bool saved = false;
    // Replacing another file is asked about; the document's own file is simply written again.
    const bool ownFile = oldExists && oldName == fileName;
    if (ownFile || !QFileInfo::exists(fileName) || m_c.RaiseEvent(document, evFileAlreadyExists, fileName)) {
        const TVYRABusyState before = m_c.m_busy;
        m_c.m_busy |= bsSaving;
        const QString suffix = lowerSuffix(fileName);
        try {
            if (suffix == QLatin1String("qcd") || document->IsEnCrypted())
                saved = saveStored(index, oldName);
            else if (suffix == QLatin1String("qtf"))
                saved = saveTemplate(index, fileName);
            else
                saved = savePlain(index, fileName);
        } catch (...) {
            saved = false;
            m_c.RaiseEvent(document, evGenericError, fileName,
                           QStringLiteral("Beim Schreiben ist ein unerwarteter Fehler aufgetreten."));
        }
        m_c.m_busy = before;
    }
    entry = m_c.m_documents.EntryOf(document);
    if (!saved) {
        m_c.renameDocument(document, oldName);
        document->SetFileExists(oldExists);
        document->SetModified(oldModified);
        document->UpdateFileDate();
        return false;
    }
    markSaved(*entry);
    m_c.RaiseEvent(document, evFileSaved, fileName);
    if (m_c.m_core)
        m_c.m_core->RunEvent(peDocumentSaved);
    return true;
}

QString TVYRADocumentSaver::editorText(const TVYRADocumentList::TEntry &entry) const
{
    if (entry.document->EditorMode() && entry.code)
        return entry.code->text();
    return entry.rich ? entry.rich->text() : QString();
}

bool TVYRADocumentSaver::saveStored(int index, const QString &oldName)
{
    TVYRADocumentList::TEntry *entry = m_c.m_documents.Entry(index);
    TVYRADocument *document = entry->document.get();
    const QString oldSuffix = lowerSuffix(oldName);
    if (!oldSuffix.isEmpty() && oldSuffix != QLatin1String("qcd") && QFileInfo(oldName).completeBaseName() != oldName)
        document->SetSourceExtension(QLatin1Char('.') + QFileInfo(oldName).suffix());
    // Always the editor's text, enciphered now: never the clear text of a plain file.
    document->SetUncText(editorText(*entry));
    QString checksum;
    const TDocumentResult written = document->SaveToFile(document->GetFileName(), checksum);
    if (!written) {
        m_c.RaiseEvent(document, evFileAccessError, document->GetFileName(), written.errorText);
        return false;
    }
    return true;
}

bool TVYRADocumentSaver::saveTemplate(int index, const QString &fileName)
{
    TVYRADocumentList::TEntry *entry = m_c.m_documents.Entry(index);
    TVYRADocument *document = entry->document.get();
    std::unique_ptr<TVYRATemplate> created;
    TVYRATemplate *object = document->TemplateObject();
    if (!object) {
        created = std::make_unique<TVYRATemplate>(fileName, GetVersion(), m_c.GetSettings(), m_c.m_core->Ciphers(),
                                                  document->Parent(), false);
        object = created.get();
    }
    object->SetFileName(fileName);
    QString name = object->TemplateName();
    if (name.isEmpty() && m_c.m_events.OnRequestTemplateName)
        m_c.m_events.OnRequestTemplateName(document, name);
    if (name.isEmpty())
        name = QFileInfo(fileName).fileName();
    QString highlighter;
    if (m_c.IsCodeEditorAvailable() && m_c.m_environment.highlighters) {
        if (const std::unique_ptr<TIHighlighter> active = m_c.GetEditor(index)->GetActiveHighlighter())
            highlighter = active->ShortName();
    }
    object->New(document->EditorMode(), name, highlighter, editorText(*entry));
    QString version;
    const TDocumentResult written = object->SaveToFile(fileName, version);
    if (!written) {
        m_c.RaiseEvent(document, evFileAccessError, fileName, written.errorText);
        return false;
    }
    if (created) {
        created->SetModifiedNotificationObject(document);
        document->SetTemplateObject(std::move(created));
    }
    return true;
}

bool TVYRADocumentSaver::savePlain(int index, const QString &fileName)
{
    TVYRADocumentList::TEntry *entry = m_c.m_documents.Entry(index);
    TVYRADocument *document = entry->document.get();
    const bool rtf = lowerSuffix(fileName) == QLatin1String("rtf");
    const bool codeMode = document->EditorMode() && entry->code;
    const bool formatted = !codeMode && entry->rich && !entry->rich->plainText();
    // Cancel on the RTF question stops the save; the file stays as it was.
    if (!formatted && rtf && !m_c.RaiseEvent(document, evRTFInPlainText, fileName))
        return false;
    if (formatted && !rtf && !m_c.RaiseEvent(document, evPlainTextInRTF, fileName))
        return false;
    TEditorResult written;
    if (codeMode) {
        written = entry->code->saveToFile(fileName);
    } else if (entry->rich) {
        // Formatted text written to a plain file is written as plain text.
        const bool plainBefore = entry->rich->plainText();
        entry->rich->setPlainText(plainBefore || !rtf);
        written = entry->rich->saveToFile(fileName);
        entry->rich->setPlainText(plainBefore);
    }
    if (!written) {
        m_c.RaiseEvent(document, evFileAccessError, fileName, written.errorText);
        return false;
    }
    return true;
}

void TVYRADocumentSaver::markSaved(TVYRADocumentList::TEntry &entry)
{
    entry.document->SetFileExists(true);
    entry.document->UpdateFileDate();
    if (entry.code)
        entry.code->setModified(false);
    if (entry.rich)
        entry.rich->setModified(false);
    entry.document->SetModified(false);
}
