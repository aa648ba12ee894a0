#include "facade/TVYRAEditorFileTypeHandlers.h"

#include "utils/WildCards.h"

#include <QFileInfo>

void TVYRAEditorFileTypeHandlers::RegisterHandler(const QString &Mask, const void *owner,
                                                  TVYRAOnHandleFileType handler)
{
    if (handler && FindHandler(Mask, owner) < 0)
        m_items.push_back({Mask, owner, std::move(handler)});
}

void TVYRAEditorFileTypeHandlers::UnRegisterHandler(const QString &Mask, const void *owner)
{
    const int i = FindHandler(Mask, owner);
    if (i >= 0)
        m_items.erase(m_items.begin() + i);
}

int TVYRAEditorFileTypeHandlers::FindHandler(const QString &Mask, const void *owner) const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_items[size_t(i)].Owner == owner && m_items[size_t(i)].Mask == Mask)
            return i;
    }
    return -1;
}

bool TVYRAEditorFileTypeHandlers::Handle(QObject *sender, const QString &fileName) const
{
    const QString name = QFileInfo(fileName).fileName();
    // A copy: a handler may unregister itself.
    const std::vector<TVYRAEditorFileTypeHandler> items = m_items;
    for (const TVYRAEditorFileTypeHandler &item : items) {
        if (!MatchesFileMask(item.Mask, name))
            continue;
        bool handled = false;
        item.Handler(sender, fileName, handled);
        return handled;
    }
    return false;
}
