#pragma once

#include <QAbstractTableModel>
#include <QPointer>

class TTalvexStudioFileSearch;

// The hits of a file search as rows "Position / Länge" and "Datei". Rows
// come in batches while the search runs, so that even a search with a
// hundred thousand hits never holds up the window.
class TSearchResultModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TSearchResultModel(QObject *parent = nullptr);

    // The search shown (not owned); nullptr empties the list.
    void SetSearch(TTalvexStudioFileSearch *search);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // "12 / 5": position, a blank, a slash, a blank and length.
    static QString PositionText(int position, int length);

private:
    void resultsAdded(int first, int count);

    QPointer<TTalvexStudioFileSearch> m_search;
    int m_rows = 0;
};
