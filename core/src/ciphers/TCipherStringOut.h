#pragma once

#include "VYRAModuleABI.h"

#include <QString>

// Collects a string a module hands out into host memory.
class TCipherStringOut final : public IVYRAStringOut
{
public:
    void assign(const char16_t *text, size_t length) override
    {
        m_assigned = true;
        m_text = (text && length > 0) ? QString(reinterpret_cast<const QChar *>(text), qsizetype(length)) : QString();
    }
    const QString &text() const { return m_text; }
    bool assigned() const { return m_assigned; }

private:
    QString m_text;
    bool m_assigned = false;
};
