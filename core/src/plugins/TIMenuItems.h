#pragma once

#include "vyra_export.h"
#include "VYRAPluginInterfaces.h"
#include "plugins/TVYRAInterfaceObject.h"

#include <QPointer>
#include <QWidget>

class QAction;
class TVYRACore;

// The items of a menu bar or menu, as plug-ins see them. Made anew on every
// request; owns nothing.
class VYRA_EXPORT TIMenuItems final : public TVYRAInterfaceObject<IMenuItems>
{
public:
    TIMenuItems(TVYRACore *core, QWidget *container);

    int32_t GetCount() override;
    IMenuItem *GetItem(int32_t index) override;
    IMenuItem *FindItem(TVYRAStringIn name) override;
    int32_t RemoveItem(IMenuItem *item) override;

    static QAction *FindAction(QWidget *container, const QString &name);

private:
    TVYRACore *m_core;
    QPointer<QWidget> m_container;
};
