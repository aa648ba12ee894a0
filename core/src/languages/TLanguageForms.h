#pragma once

#include "vyra_export.h"

#include <QList>
#include <QPointer>
#include <QWidget>

// The forms a language translates when it is loaded. One list is shared by
// the language manager, its language list and every language, so a form
// registered once is translated by whichever language becomes active. A
// form that has been destroyed drops out by itself.
class VYRA_EXPORT TLanguageForms
{
public:
    // Ignores none and a form already registered.
    void Add(QWidget *form);
    void Remove(QWidget *form);
    // The living forms in the order they were added.
    QList<QWidget *> Forms() const;

private:
    QList<QPointer<QWidget>> m_forms;
};
