#include "recovery/TAutoSaver.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "settings/TVYRAAutoSave.h"
#include "ui/TPrompter.h"

#include <QFileInfo>
#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("Automatisches Speichern");

QString nameOf(const TVYRADocument *document)
{
    return QFileInfo(document->GetFileName()).fileName();
}

QString bulleted(const QStringList &names)
{
    return QStringLiteral("  • ") + names.join(QStringLiteral("\n  • "));
}

} // namespace

TAutoSaver::TAutoSaver(TVYRADocumentContainer &container, TVYRAAutoSave &settings, TPrompter &prompter,
                       SaveFunction save, QObject *parent)
    : QObject(parent), m_container(container), m_settings(settings), m_prompter(prompter), m_save(std::move(save))
{
    connect(&m_timer, &QTimer::timeout, this, [this] { SaveNow(); });
    ApplySettings();
}

void TAutoSaver::ApplySettings()
{
    const int minutes = std::min(m_settings.Intervall, MaxIntervalMinutes);
    if (!m_settings.Enabled || minutes < 1) {
        m_timer.stop();
        return;
    }
    m_timer.start(minutes * 60 * 1000);
}

int TAutoSaver::SaveNow()
{
    // A run that waits for a question is not started again by the timer.
    if (m_running || !m_save)
        return 0;
    m_running = true;
    const QList<TVYRADocument *> selected = selectDocuments();
    QStringList names;
    for (const TVYRADocument *document : selected)
        names << nameOf(document);
    if (selected.isEmpty()
        || (m_settings.Options.testFlag(asoConfirmAutoSave)
            && !m_prompter.confirm(QStringLiteral("Sollen folgende Dokumente jetzt automatisch gespeichert "
                                                  "werden?\n\n%1")
                                       .arg(bulleted(names)),
                                   kCaption))) {
        m_running = false;
        return 0;
    }
    QStringList saved;
    QStringList failed;
    for (const QPointer<TVYRADocument> &document : QList<QPointer<TVYRADocument>>(selected.begin(), selected.end())) {
        // A save may close or move documents (a plug-in, a question answered): look it up again.
        const int index = document ? m_container.Documents().IndexOf(document) : -1;
        if (index < 0)
            continue;
        const QString name = nameOf(document);
        const bool unnamed = !document->GetFileExists();
        if (m_save(index)) {
            saved << (document ? nameOf(document) : name);
        } else {
            failed << name;
            if (document && unnamed && !document->GetFileExists())
                m_declinedName.insert(document);
        }
    }
    report(saved, failed);
    m_running = false;
    return int(saved.size());
}

QList<TVYRADocument *> TAutoSaver::selectDocuments()
{
    const bool changedOnly = m_settings.Options.testFlag(asoChangedOnly);
    QList<TVYRADocument *> selected;
    QHash<const TVYRADocument *, size_t> seen;
    for (int i = 0; i < m_container.GetDocumentCount(); ++i) {
        TVYRADocument *document = m_container.GetDocument(i);
        if (!document->GetModified() || !typeSelects(document))
            continue;
        if (!document->GetFileExists() && m_declinedName.count(document))
            continue;
        const size_t print = fingerprint(document);
        seen.insert(document, print);
        if (changedOnly && m_lastSeen.contains(document) && m_lastSeen.value(document) == print)
            continue;
        selected << document;
    }
    // Documents that went are forgotten with the run.
    m_lastSeen = seen;
    for (auto it = m_declinedName.begin(); it != m_declinedName.end();) {
        if (m_container.Documents().IndexOf(*it) < 0)
            it = m_declinedName.erase(it);
        else
            ++it;
    }
    return selected;
}

bool TAutoSaver::typeSelects(const TVYRADocument *document) const
{
    switch (m_settings.Types) {
    case asOnlyNewDocs:
        return !document->GetFileExists();
    case asOnlyExistingFiles:
        return document->GetFileExists();
    case asAll:
        break;
    }
    return true;
}

size_t TAutoSaver::fingerprint(TVYRADocument *document) const
{
    const int index = m_container.Documents().IndexOf(document);
    QString text;
    if (document->EditorMode() && m_container.GetSynEdit(index))
        text = m_container.GetSynEdit(index)->text();
    else if (m_container.GetRichEdit(index))
        text = m_container.GetRichEdit(index)->text();
    return qHash(text, size_t(document->GetFileExists()));
}

void TAutoSaver::report(const QStringList &saved, const QStringList &failed)
{
    if (!m_settings.Options.testFlag(asoShowSuccessMessage) || (saved.isEmpty() && failed.isEmpty()))
        return;
    QStringList parts;
    if (!saved.isEmpty())
        parts << QStringLiteral("Automatisch gespeichert:\n%1").arg(bulleted(saved));
    if (!failed.isEmpty())
        parts << QStringLiteral("Nicht gespeichert:\n%1").arg(bulleted(failed));
    if (failed.isEmpty())
        m_prompter.information(parts.join(QStringLiteral("\n\n")), kCaption);
    else
        m_prompter.warning(parts.join(QStringLiteral("\n\n")), kCaption);
}
