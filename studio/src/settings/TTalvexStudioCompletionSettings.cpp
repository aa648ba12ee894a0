#include "settings/TTalvexStudioCompletionSettings.h"

QChar TTalvexStudioCompletionSettings::GetClosingChar(QChar ch)
{
    static constexpr char16_t Pairs[][2] = {
        {u'(', u')'}, {u'[', u']'}, {u'{', u'}'}, {u'<', u'>'}, {u'\'', u'\''}, {u'"', u'"'},
    };
    for (const auto &pair : Pairs) {
        if (ch == QChar(pair[0]))
            return QChar(pair[1]);
    }
    return QChar(0);
}
