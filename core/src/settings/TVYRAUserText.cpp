#include "settings/TVYRAUserText.h"

void TVYRAUserText::Add(const QString &text, const QString &description)
{
    m_text.append(text);
    m_description.append(description);
}

void TVYRAUserText::Delete(int index)
{
    if (index >= 0 && index < m_text.size())
        m_text.removeAt(index);
    if (index >= 0 && index < m_description.size())
        m_description.removeAt(index);
}

void TVYRAUserText::Clear()
{
    m_text.clear();
    m_description.clear();
}
