#pragma once

#include "regex/RegexInterfaces.h"

#include <QList>

class TRegexMatchCollection : public IMatchCollection
{
public:
    void Add(std::shared_ptr<IMatch> match)
    {
        Q_ASSERT_X(match, "TRegexMatchCollection", "Assertion fehlges");
        m_items.append(std::move(match));
    }
    int32_t Count() const override { return int32_t(m_items.size()); }
    std::shared_ptr<IMatch> Items(int32_t number) const override { return m_items.at(number); }

private:
    QList<std::shared_ptr<IMatch>> m_items;
};
