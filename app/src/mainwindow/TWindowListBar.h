#pragma once

#include "mainwindow/TWindowListEntries.h"

#include <QList>
#include <QToolBar>

class QAction;
class QActionGroup;

// A tool bar with one button per entry ("Dokumentliste", "Projektliste"):
// a click makes an entry current and reports it, a middle click reports the
// entry to close. The report comes from the event loop, so the receiver may
// rebuild the bar.
class TWindowListBar : public QToolBar
{
    Q_OBJECT
public:
    TWindowListBar(const QString &objectName, const QString &caption, QWidget *parent = nullptr);

    void SetEntries(const QList<TWindowListEntry> &entries);
    // Changes one entry's caption, hint and icon without a rebuild.
    void SetEntry(int index, const TWindowListEntry &entry);
    int Count() const { return int(m_actions.size()); }
    TWindowListEntry Entry(int index) const;
    int CurrentIndex() const;
    void SetCurrentIndex(int index);
    // The button of an entry (tests, the middle click).
    QWidget *Button(int index) const;

signals:
    void entryActivated(int index);
    void entryMiddleClicked(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply(QAction *action, const TWindowListEntry &entry) const;

    QActionGroup *const m_group;
    QList<QAction *> m_actions;
    QList<TWindowListEntry> m_entries;
};
