#include "editing/TClosingCharacters.h"

#include "settings/TTalvexStudioCompletionSettings.h"

TClosingCharacters::TClosingCharacters(TCharCompletionTypes kinds)
{
    const struct {
        TCharCompletionType kind;
        char opening;
    } table[] = {{cctParenthesis, '('}, {cctSquareBracket, '['}, {cctBrace, '{'},
                 {cctAngleBracket, '<'}, {cctSingleQuote, '\''}, {cctDoubleQuote, '"'}};
    for (const auto &row : table)
        if (kinds & row.kind)
            m_enabled.set(static_cast<unsigned char>(row.opening));
}

QChar TClosingCharacters::Closing(QChar opening) const
{
    return IsEnabled(opening) ? TTalvexStudioCompletionSettings::GetClosingChar(opening) : QChar();
}
