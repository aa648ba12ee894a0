#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QTabBar;
class TPropertyGrid;
class TVYRAHTMLTag;
struct TTagInspection;

// The tag inspector page: header, help with a link to a reference page of
// the tag, the pages of ordinary and event attributes and the grid with
// its status line. Edits leave through attributeEdited.
class TTagInspectorPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TTagInspectorPanel(QWidget *parent = nullptr);

    void ShowTag(const TVYRAHTMLTag &tag, const TTagInspection &inspection);
    void ShowNoTag();
    TPropertyGrid *Grid() const { return m_grid; }
    QTabBar *Pages() const { return m_pages; }
    QLabel *Header() const { return m_header; }
    QLabel *Help() const { return m_help; }
    QLabel *Status() const { return m_status; }

signals:
    void attributeEdited(const QString &name, const QString &value);

private:
    void fillGrid();

    QLabel *const m_header;
    QLabel *const m_help;
    QTabBar *const m_pages;
    TPropertyGrid *const m_grid;
    QLabel *const m_status;
    const TVYRAHTMLTag *m_tag = nullptr; // of the catalogue the feature keeps
    QString m_tagName;
    std::unique_ptr<TTagInspection> m_inspection;
};
