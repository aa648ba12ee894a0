#include "search/TSearchResultModel.h"

#include "search/TTalvexStudioFileSearch.h"

TSearchResultModel::TSearchResultModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void TSearchResultModel::SetSearch(TTalvexStudioFileSearch *search)
{
    beginResetModel();
    if (m_search)
        disconnect(m_search, nullptr, this, nullptr);
    m_search = search;
    m_rows = search ? search->GetResultCount() : 0;
    if (search)
        connect(search, &TTalvexStudioFileSearch::resultsAdded, this, &TSearchResultModel::resultsAdded);
    endResetModel();
}

void TSearchResultModel::resultsAdded(int first, int count)
{
    if (!m_search || count <= 0)
        return;
    // A search started again empties its list: show it from the start.
    if (first != m_rows) {
        SetSearch(m_search);
        return;
    }
    beginInsertRows({}, first, first + count - 1);
    m_rows = first + count;
    endInsertRows();
}

int TSearchResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_search ? 0 : m_rows;
}

int TSearchResultModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QString TSearchResultModel::PositionText(int position, int length)
{
    return QStringLiteral("%1 / %2").arg(position).arg(length);
}

QVariant TSearchResultModel::data(const QModelIndex &index, int role) const
{
    if (!m_search || !index.isValid() || index.row() >= m_rows || index.row() >= m_search->GetResultCount())
        return {};
    const TTalvexStudioFileSearchResult &hit = m_search->GetResult(index.row());
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? PositionText(hit.Position, hit.Length) : hit.FileName;
    if (role == Qt::ToolTipRole && index.column() == 1)
        return hit.FileName;
    return {};
}

QVariant TSearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("Position / Länge") : QStringLiteral("Datei");
}
