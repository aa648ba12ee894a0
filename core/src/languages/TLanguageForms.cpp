#include "languages/TLanguageForms.h"

void TLanguageForms::Add(QWidget *form)
{
    if (form && !Forms().contains(form))
        m_forms.append(form);
}

void TLanguageForms::Remove(QWidget *form)
{
    m_forms.removeIf([form](const QPointer<QWidget> &entry) { return entry.isNull() || entry == form; });
}

QList<QWidget *> TLanguageForms::Forms() const
{
    QList<QWidget *> living;
    for (const QPointer<QWidget> &form : m_forms) {
        if (form)
            living.append(form);
    }
    return living;
}
