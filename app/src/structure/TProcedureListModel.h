#pragma once

#include "structure/TProcedureListEntry.h"

#include <QList>
#include <array>

class TPHPSource;

// The rows of the procedure list and their sort state. Columns: 0
// "Prozedur" and 1 "Klasse" compare by text (case-insensitive, locale-aware),
// 2 "Zeile" by offset. A click on a column makes it the sort column and
// moves its direction 0 -> ascending -> descending -> ascending ...; the
// other columns go back to 0.
class TProcedureListModel
{
public:
    enum TColumn { colProcedure = 0, colClass = 1, colLine = 2 };

    // Global functions in model order, then each class's methods in order,
    // with line and column of their offsets in the model's text.
    void Fill(const TPHPSource &source);
    const QList<TProcedureListEntry> &Rows() const { return m_rows; }
    // Direction of a column: 0 unsorted, 1 ascending, -1 descending.
    int Direction(int column) const { return m_directions.at(size_t(column)); }
    int SortColumn() const { return m_sortColumn; }
    void ClickColumn(int column);
    // Rows sorted by the current sort column (model order when none).
    QList<TProcedureListEntry> SortedRows() const;
    // Negative, zero or positive as a comes before, with or after b in the
    // sort column's ascending order.
    static int Compare(const TProcedureListEntry &a, const TProcedureListEntry &b, int column);

private:
    QList<TProcedureListEntry> m_rows;
    std::array<int, 3> m_directions{0, 0, 0};
    int m_sortColumn = -1;
};
