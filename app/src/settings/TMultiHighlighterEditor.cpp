#include "settings/TMultiHighlighterEditor.h"

#include "editor/TScheme.h"
#include "editor/TSynHighlighterAttributes.h"
#include "editor/TSynMultiSyn.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "regex/RegexExceptions.h"
#include "ui/TPrompter.h"

TMultiHighlighterEditor::TMultiHighlighterEditor(TIHighlighters &highlighters, const QString &fileName,
                                                 TPrompter &prompter)
    : m_highlighters(highlighters)
    , m_fileName(fileName)
    , m_prompter(prompter)
{
}

QList<TIHighlighter *> TMultiHighlighterEditor::MultiHighlighters() const
{
    QList<TIHighlighter *> list;
    for (int i = 0; i < m_highlighters.GetHighlighterCount(); ++i)
        if (m_highlighters.GetHighlighter(i)->IsMultiHighlighter())
            list << m_highlighters.GetHighlighter(i);
    return list;
}

QList<TIHighlighter *> TMultiHighlighterEditor::SingleHighlighters() const
{
    QStringList names;
    QList<TIHighlighter *> list;
    m_highlighters.ListHighlighters(names, true, &list);
    return list;
}

bool TMultiHighlighterEditor::IsDefault(const TIHighlighter &multi, const TIHighlighter &single)
{
    return multi.GetHighlighter() == single.GetHighlighter();
}

TScheme *TMultiHighlighterEditor::SchemeOf(const TIHighlighter &multi, const TIHighlighter &single)
{
    const TSynMultiSyn &syn = *multi.MultiHighlighter();
    for (int i = 0; i < syn.schemeCount(); ++i)
        if (syn.scheme(i).highlighter() == single.GetHighlighter())
            return &syn.scheme(i);
    return nullptr;
}

bool TMultiHighlighterEditor::IsTicked(const TIHighlighter &multi, const TIHighlighter &single)
{
    return IsDefault(multi, single) || SchemeOf(multi, single);
}

TIHighlighter *TMultiHighlighterEditor::New()
{
    if (m_highlighters.GetHighlighterCount() < 3) {
        m_prompter.error(QStringLiteral("Fehler beim Einrichten der Multi-Syntaxhervorhebung: Es stehen nicht "
                                        "genügend Hervorhebungen zur Verfügung."));
        return nullptr;
    }
    const TIHighlighter &second = *m_highlighters.GetHighlighter(1);
    auto entry = std::make_unique<TIHighlighter>(&m_highlighters, QStringLiteral("multihighlighter"),
                                                 QStringLiteral("Multihighlighter"), second.SharedHighlighter());
    entry->CreateMultihighlighter(*m_highlighters.GetHighlighter(2));
    entry->CreateShortName();
    return m_highlighters.AddHighlighter(std::move(entry));
}

bool TMultiHighlighterEditor::Remove(TIHighlighter *multi)
{
    const int index = multi ? m_highlighters.IndexOfEntry(*multi) : -1;
    if (index <= 0 || !m_prompter.confirm(QStringLiteral("Möchten Sie die ausgewählte Hervorhebung wirklich entfernen?")))
        return false;
    m_highlighters.DelHighlighter(index);
    return Save();
}

bool TMultiHighlighterEditor::Tick(TIHighlighter &multi, const TIHighlighter &single)
{
    if (IsTicked(multi, single))
        return false;
    TScheme &scheme = multi.MultiHighlighter()->addScheme(single.ShortName());
    scheme.setHighlighter(single.GetHighlighter());
    return true;
}

bool TMultiHighlighterEditor::keepsAScheme(const TIHighlighter &multi, const TIHighlighter &single, bool isDefault)
{
    if (multi.MultiHighlighter()->schemeCount() > 1)
        return true;
    if (isDefault)
        m_prompter.error(QStringLiteral("Der Standard-Highlighter kann nicht als letztes Element entfernt werden."));
    else
        m_prompter.error(QStringLiteral("Die Hervorhebung \"%1\" kann nicht entfernt werden: \"%2\" braucht neben "
                                        "der Standard-Hervorhebung mindestens eine weitere Hervorhebung.")
                             .arg(single.LongName(), multi.LongName()));
    return false;
}

bool TMultiHighlighterEditor::Untick(TIHighlighter &multi, const TIHighlighter &single)
{
    TSynMultiSyn &syn = *multi.MultiHighlighter();
    if (IsDefault(multi, single)) {
        if (!keepsAScheme(multi, single, true))
            return false;
        // The first scheme's highlighter takes over, and its scheme goes with
        // it: one highlighter cannot be both the default and embedded.
        TIHighlighter *next = m_highlighters.GetHighlighter(m_highlighters.IndexOf(syn.scheme(0).highlighter()));
        if (!next)
            return false;
        syn.removeScheme(0);
        multi.SetPlainHighlighter(next->SharedHighlighter());
        return true;
    }
    TScheme *scheme = SchemeOf(multi, single);
    if (!scheme || !keepsAScheme(multi, single, false))
        return false;
    syn.removeScheme(syn.indexOf(*scheme));
    return true;
}

bool TMultiHighlighterEditor::MakeDefault(TIHighlighter &multi, const TIHighlighter &single)
{
    if (IsDefault(multi, single)) {
        m_prompter.error(QStringLiteral("Der aktuelle Highlighter ist bereits als Standard festgelegt."));
        return false;
    }
    if (TScheme *scheme = SchemeOf(multi, single)) {
        if (!keepsAScheme(multi, single, false))
            return false;
        multi.MultiHighlighter()->removeScheme(multi.MultiHighlighter()->indexOf(*scheme));
    }
    multi.SetPlainHighlighter(single.SharedHighlighter());
    return true;
}

TMultiHighlighterEditor::TEmbedding TMultiHighlighterEditor::EmbeddingOf(const TScheme &scheme)
{
    const TSynHighlighterAttributes &marker = scheme.markerAttributes();
    return {scheme.startExpr(), scheme.endExpr(), marker.style(), marker.foreground(), marker.background()};
}

bool TMultiHighlighterEditor::ApplyEmbedding(TIHighlighter &multi, const TIHighlighter &single,
                                             const TEmbedding &embedding)
{
    TScheme *scheme = SchemeOf(multi, single);
    if (!scheme)
        return false;
    const QString oldStart = scheme->startExpr();
    try {
        scheme->setStartExpr(embedding.startExpr);
        scheme->setEndExpr(embedding.endExpr);
    } catch (const ERegexException &e) {
        // Both expressions or neither.
        scheme->setStartExpr(oldStart);
        m_prompter.error(e.message());
        return false;
    }
    scheme->markerAttributes().setStyle(embedding.style);
    scheme->markerAttributes().setForeground(embedding.foreground);
    scheme->markerAttributes().setBackground(embedding.background);
    multi.MultiHighlighter()->schemeChanged(*scheme);
    return true;
}

bool TMultiHighlighterEditor::SaveScheme(TIHighlighter &multi, const QString &name)
{
    if (!name.trimmed().isEmpty() && name != multi.LongName()) {
        multi.SetLongName(name);
        // An empty short name is always taken, so a new one is made from the schemes.
        multi.SetShortName(QString());
        multi.CreateShortName();
    }
    return Save();
}

bool TMultiHighlighterEditor::Save()
{
    try {
        if (m_highlighters.SaveMultihighlighters(m_fileName))
            return true;
        m_prompter.error(QStringLiteral("Die Datei \"%1\" gehört nicht zur Multi-Syntaxhervorhebung und wurde nicht "
                                        "überschrieben.")
                             .arg(m_fileName));
    } catch (const std::exception &e) {
        m_prompter.error(QStringLiteral("Die Multi-Syntaxhervorhebung konnte nicht in der Datei \"%1\" gespeichert "
                                        "werden.\n%2")
                             .arg(m_fileName, QString::fromUtf8(e.what())));
    }
    return false;
}
