#include "highlighters/TSynMultiSynLiteral.h"

QList<TSynMarker> TSynMultiSynLiteral::scanMarkers(QStringView line, const TLineState &state) const
{
    QList<TSynMarker> markers;
    int open = state.scheme;
    int offset = 0;
    while (offset < line.size()) {
        int found = -1;
        int index = -1;
        QString expr;
        if (open >= 0) {
            expr = scheme(open).endExpr();
            index = int(line.indexOf(expr, offset, scheme(open).caseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive));
            found = index >= 0 ? open : -1;
        } else {
            for (int i = 0; i < schemeCount(); ++i) {
                const TScheme &s = scheme(i);
                if (!s.isUsable())
                    continue;
                const int at = int(line.indexOf(s.startExpr(), offset,
                                                s.caseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive));
                if (at >= 0 && (index < 0 || at < index)) {
                    index = at;
                    found = i;
                    expr = s.startExpr();
                }
            }
        }
        if (found < 0 || expr.isEmpty())
            break;
        addMarker(markers, found, index, int(expr.size()), line.mid(index, expr.size()), open < 0);
        offset = index + int(expr.size());
        open = open < 0 ? found : -1;
    }
    return markers;
}
