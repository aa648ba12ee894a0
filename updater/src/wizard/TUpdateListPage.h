#pragma once

#include "TUpdateFile.h"

#include <QWidget>
#include <vector>

class QCheckBox;
class QLabel;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The page that shows what the check offers: first a short view with the
// total size, on request the list with the installed and new versions. An
// optional entry carries a check box and shows only while "Optionale Updates
// anzeigen" is checked; every other entry is always downloaded.
class TUpdateListPage : public QWidget
{
    Q_OBJECT
public:
    explicit TUpdateListPage(QWidget *parent = nullptr);

    void SetFiles(const std::vector<TUpdateFile> &files);
    // The entries to download: those without check box and the checked ones, in list order.
    std::vector<TUpdateFile> Selected() const;
    qint64 SelectedSize() const;

    // The description of the page header for the files shown.
    QString Description() const;

    bool DetailsShown() const;
    void ShowDetails(bool details);
    QCheckBox *ShowOptional() const { return m_showOptional; }
    QTreeWidget *List() const { return m_list; }

private:
    void refresh();

    std::vector<TUpdateFile> m_files;
    QStackedWidget *const m_views;
    QLabel *const m_shortTotal;
    QLabel *const m_detailsLink;
    QTreeWidget *const m_list;
    QCheckBox *const m_showOptional;
    QLabel *const m_selectedCount;
    QLabel *const m_totalSize;
    bool m_filling = false;
};
