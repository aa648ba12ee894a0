#pragma once

#include "facade/TEditorChoice.h"
#include "filetypes/TVYRAExtensions.h"
#include "highlighter/TSynMultiSynPCRE.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"

// The highlighter registry as the program fills it at start, from the
// shipped data of the source tree.
class ProgramHighlighters
{
public:
    ProgramHighlighters()
    {
        AddDefaultHighlighter(m_registry, QStringLiteral("None"));
        const QString shipped = QStringLiteral(TALVEX_SOURCE_DIR "/data/shipped/");
        InitialiseRegistries(m_registry, m_extensions, shipped + QStringLiteral("Highlighters/"), shipped,
                             QStringLiteral("/nonexistent/"));
    }

    // The HTML/PHP/CSS/JavaScript multi-highlighter that .php files get.
    TSynCustomHighlighter &phpHtml() const
    {
        return *m_registry.FindHighlighter(QStringLiteral("multi_htmlphpcssjavascript"))->EditorHighlighter();
    }

    // The highlighter the registry has under a name ("javascript").
    TSynCustomHighlighter &byName(const QString &name) const
    {
        return *m_registry.FindHighlighter(name)->EditorHighlighter();
    }

private:
    TIHighlighters m_registry{TSynMultiSynPCRE::factory()};
    TVYRAExtensions m_extensions{QString(), &m_registry};
};
