#include "facade/TEditorChoice.h"

#include "facade/TOpenStandards.h"
#include "filetypes/TVYRAExtensions.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"

#include <QDir>
#include <QFileInfo>

std::optional<TEditorChoice> ChooseEditorForFile(const QString &fileName, const TVYRAEditorEnvironment &env)
{
    if (!env.highlighters || !env.highlighters->DefaultHighlighter())
        return std::nullopt;
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix.isEmpty())
        return std::nullopt;
    const QString ext = QLatin1Char('.') + suffix;
    if (!env.userDataDir.isEmpty()) {
        const TOpenStandards standards =
            TOpenStandards::Load(QDir(env.userDataDir).filePath(QStringLiteral("openstandards.xml")));
        if (const TOpenStandards::TEntry *entry = standards.Find(ext)) {
            const TIHighlighter *highlighter = env.highlighters->FindHighlighter(entry->highlighter);
            return TEditorChoice{entry->editorMode,
                                 highlighter ? highlighter : env.highlighters->DefaultHighlighter(), true};
        }
    }
    const TVYRAFileExtension *pattern = env.extensions ? env.extensions->FindExtension(QLatin1Char('*') + ext)
                                                       : nullptr;
    if (!pattern || !pattern->Group)
        return std::nullopt;
    const TIHighlighter *highlighter = pattern->Group->DefaultHighlighter;
    return TEditorChoice{pattern->Group->EditorMode,
                         highlighter ? highlighter : env.highlighters->DefaultHighlighter(), false};
}

void InitialiseRegistries(TIHighlighters &highlighters, TVYRAExtensions &extensions, const QString &highlighterDir,
                          const QString &appDataDir, const QString &userDataDir)
{
    if (highlighters.GetHighlighterCount() == 1)
        AddStandardHighlighters(highlighters);
    highlighters.InitialiseMultiHighlighters(QDir(highlighterDir).filePath(QStringLiteral("multihighlighter.xml")));
    extensions.LoadFromFile(QDir(appDataDir).filePath(QStringLiteral("filetypes.xml")), true);
    extensions.LoadFromFile(QDir(userDataDir).filePath(QStringLiteral("customfiletypes.xml")), false);
}
