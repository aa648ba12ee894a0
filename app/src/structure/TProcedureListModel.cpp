#include "structure/TProcedureListModel.h"

#include "php/TPHPOutline.h"
#include "php/TPHPSource.h"

#include <algorithm>

const QString TProcedureListEntry::NoClassText = QStringLiteral("(keine)");

void TProcedureListModel::Fill(const TPHPSource &source)
{
    m_rows.clear();
    const QList<int32_t> lineEnds = TPHPOutline::LineEnds(source.SourceText);
    auto add = [&](const TPHPMethod &method, const QString &className) {
        TProcedureListEntry entry{method.Name, className, method.Offset, 0, 0};
        entry.Line = TPHPOutline::LineOf(lineEnds, method.Offset);
        const int lineStart = entry.Line > 1 && entry.Line - 2 < lineEnds.size() ? lineEnds[entry.Line - 2] + 1 : 0;
        entry.Column = method.Offset - lineStart + 1;
        m_rows << entry;
    };
    for (const auto &function : source.Methods)
        add(*function, QString());
    for (const auto &entity : source.Classes)
        for (const auto &method : entity->Methods)
            add(*method, entity->Name);
}

void TProcedureListModel::ClickColumn(int column)
{
    if (column < 0 || column >= int(m_directions.size()))
        return;
    for (size_t i = 0; i < m_directions.size(); ++i)
        if (int(i) != column)
            m_directions[i] = 0;
    int &direction = m_directions[size_t(column)];
    direction = direction == 1 ? -1 : 1;
    m_sortColumn = column;
}

int TProcedureListModel::Compare(const TProcedureListEntry &a, const TProcedureListEntry &b, int column)
{
    switch (column) {
    case colProcedure:
        return QString::localeAwareCompare(a.Name.toLower(), b.Name.toLower());
    case colClass:
        return QString::localeAwareCompare(a.ClassCaption().toLower(), b.ClassCaption().toLower());
    case colLine:
        return a.Offset < b.Offset ? -1 : a.Offset > b.Offset ? 1 : 0;
    default:
        return 0;
    }
}

QList<TProcedureListEntry> TProcedureListModel::SortedRows() const
{
    QList<TProcedureListEntry> rows = m_rows;
    if (m_sortColumn < 0)
        return rows;
    const int direction = m_directions[size_t(m_sortColumn)];
    std::stable_sort(rows.begin(), rows.end(), [&](const TProcedureListEntry &a, const TProcedureListEntry &b) {
        return Compare(a, b, m_sortColumn) * direction < 0;
    });
    return rows;
}
