#pragma once

#include "settings/TVYRAPersistent.h"

#include <QStringList>

// User-defined text snippets; Description[i] describes Text[i].
class VYRA_EXPORT TVYRAUserText : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(QStringList Text READ Text WRITE SetText)
    Q_PROPERTY(QStringList Description READ Description WRITE SetDescription)

public:
    using TVYRAPersistent::TVYRAPersistent;

    const QStringList &Text() const { return m_text; }
    const QStringList &Description() const { return m_description; }
    void SetText(const QStringList &text) { m_text = text; }
    void SetDescription(const QStringList &description) { m_description = description; }

    void Add(const QString &text, const QString &description);
    void Delete(int index);
    void Clear();
    int Count() const { return int(m_text.size()); }

private:
    QStringList m_text;
    QStringList m_description;
};
