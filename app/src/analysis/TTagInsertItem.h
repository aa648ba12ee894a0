#pragma once

#include <QPointer>
#include <QString>

#include <QAction>

// The text a formatting command inserts, or wraps around the selection when
// it has a closing text.
class TTagInsertItem
{
public:
    TTagInsertItem(QAction *action, QString openingText, QString closingText = QString())
        : ClosingText(std::move(closingText)), Action(action), OpeningText(std::move(openingText))
    {
    }
    bool Wraps() const { return !ClosingText.isEmpty(); }

    QString ClosingText;
    QPointer<QAction> Action; // the command the item belongs to; not owned
    QString OpeningText;
};
