#pragma once

#include "VYRAModuleABI.h"

#include <QString>
#include <limits>

// Collects a string a module hands out into host memory.
class TCipherStringOut final : public IVYRAStringOut
{
public:
    void assign(const char16_t *text, size_t length) override
    {
        m_assigned = true;
        m_text = (text && length > 0) ? QString(reinterpret_cast<const QChar *>(text), qsizetype(length)) : QString();
    }
    char16_t *allocate(size_t length) override
    {
        m_assigned = true;
        if (length > size_t(std::numeric_limits<qsizetype>::max() / 2))
            return nullptr;
        try {
            m_text = QString(qsizetype(length), Qt::Uninitialized);
        } catch (...) {
            return nullptr;
        }
        return reinterpret_cast<char16_t *>(m_text.data());
    }
    const QString &text() const { return m_text; }
    bool assigned() const { return m_assigned; }

private:
    QString m_text;
    bool m_assigned = false;
};
