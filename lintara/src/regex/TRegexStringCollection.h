#pragma once

#include "regex/RegexInterfaces.h"

#include <QStringList>

class TRegexStringCollection : public IStringCollection
{
public:
    explicit TRegexStringCollection(QStringList items) : m_items(std::move(items)) {}
    int32_t Count() const override { return int32_t(m_items.size()); }
    QString Items(int32_t number) const override { return m_items.at(number); }

private:
    QStringList m_items;
};
