#include "mainwindow/TStatusTexts.h"

QString TStatusTexts::Caret(const TStatusState &state)
{
    if (!state.hasDocument)
        return {};
    return QStringLiteral("  %1:%2").arg(state.line, 4).arg(state.column, 4);
}

QString TStatusTexts::Modified(const TStatusState &state)
{
    return state.hasDocument && state.modified ? QStringLiteral("Geändert") : QString();
}

QString TStatusTexts::Mode(const TStatusState &state)
{
    if (!state.hasDocument)
        return {};
    return state.insertMode ? QStringLiteral("Einfügen") : QStringLiteral("Überschreiben");
}
