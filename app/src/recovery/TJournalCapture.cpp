#include "recovery/TJournalCapture.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"

#include <QDateTime>
#include <QFileInfo>

bool TJournalCapture::IsJournaled(const TVYRADocument *document)
{
    return document && !document->IsEnCrypted()
        && QFileInfo(document->GetFileName()).suffix().compare(QLatin1String("qcd"), Qt::CaseInsensitive) != 0;
}

std::optional<TJournalEntry> TJournalCapture::Capture(TVYRADocumentContainer &container, TVYRADocument *document,
                                                      const QString &id)
{
    const int index = container.Documents().IndexOf(document);
    if (index < 0 || !IsJournaled(document))
        return std::nullopt;
    TCodeEditor *code = container.GetSynEdit(index);
    TRichEditor *rich = container.GetRichEdit(index);
    TJournalEntry entry;
    if (document->EditorMode() && code) {
        entry.content = TJournalEntry::TContent::Code;
        entry.text = code->text();
        entry.format = code->fileFormat();
        entry.lineBreak = code->lineBreak();
    } else if (rich) {
        entry.format = rich->plainFormat();
        entry.lineBreak = rich->plainLineBreak();
        if (rich->plainText()) {
            entry.content = TJournalEntry::TContent::RichPlain;
            entry.text = rich->text();
        } else {
            entry.content = TJournalEntry::TContent::RichRtf;
            entry.text = QString::fromLatin1(rich->saveToData());
        }
    } else {
        return std::nullopt;
    }
    entry.id = id;
    entry.fileName = document->GetFileExists() ? document->GetFileName() : QString();
    entry.displayName = QFileInfo(document->GetFileName()).fileName();
    entry.time = QDateTime::currentDateTimeUtc();
    return entry;
}

bool TJournalCapture::Restore(TVYRADocumentContainer &container, TVYRADocument *document, const TJournalEntry &entry)
{
    const int index = container.Documents().IndexOf(document);
    if (index < 0)
        return false;
    TCodeEditor *code = container.GetSynEdit(index);
    TRichEditor *rich = container.GetRichEdit(index);
    if (document->EditorMode() && code) {
        if (code->text() != entry.text) {
            code->setText(entry.text);
            document->SetModified(true);
        }
        code->setFileFormat(entry.format);
        code->setLineBreak(entry.lineBreak);
        return true;
    }
    if (!rich)
        return false;
    if (entry.content == TJournalEntry::TContent::RichRtf) {
        rich->setPlainText(false);
        rich->loadFromData(entry.text.toLatin1());
        rich->setModified(true);
        document->SetModified(true);
    } else if (rich->text() != entry.text) {
        rich->setText(entry.text);
        document->SetModified(true);
    }
    rich->setPlainFormat(entry.format, entry.lineBreak);
    return true;
}
