#pragma once

#include "vyra_export.h"

#include <QString>
#include <functional>
#include <vector>

class QObject;

// A handler gets a file name and sets handled when it took the file.
using TVYRAOnHandleFileType = std::function<void(QObject *sender, const QString &fileName, bool &handled)>;

// Lets the host claim file names before the container opens them. A handler
// is known by its owner key (the object whose method it calls) and its mask.
class VYRA_EXPORT TVYRAEditorFileTypeHandlers
{
public:
    struct TVYRAEditorFileTypeHandler {
        QString Mask; // "*.jpg;*.bmp"
        const void *Owner = nullptr;
        TVYRAOnHandleFileType Handler;
    };

    // Adds unless the same owner already handles exactly this mask.
    void RegisterHandler(const QString &Mask, const void *owner, TVYRAOnHandleFileType handler);
    void UnRegisterHandler(const QString &Mask, const void *owner);
    int FindHandler(const QString &Mask, const void *owner) const;
    int Count() const { return int(m_items.size()); }
    const TVYRAEditorFileTypeHandler &Items(int i) const { return m_items.at(size_t(i)); }

    // Offers the file to the first handler whose mask matches it; true when handled.
    bool Handle(QObject *sender, const QString &fileName) const;

private:
    std::vector<TVYRAEditorFileTypeHandler> m_items;
};
