#include "plugins/TIMenuItem.h"

#include "framework/TVYRACore.h"
#include "plugins/PluginStrings.h"
#include "plugins/TIMenuItems.h"
#include "plugins/TPluginMenuInserter.h"
#include "plugins/TVYRAPluginEvents.h"
#include "plugins/TVYRAPluginMenuExtensions.h"

#include <QMenu>
#include <QMenuBar>

namespace {

// Answers only inside the host: a plug-in cannot know it.
// {6C1F0B52-3E0A-4F7B-9D4E-1B2C3D4E5F60}
constexpr TVYRAGUID IID_TIMenuItemSelf = {0x6C1F0B52, 0x3E0A, 0x4F7B, {0x9D, 0x4E, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F, 0x60}};

QWidget *parentOf(const QAction *item)
{
    for (QObject *holder : item->associatedObjects())
        if (qobject_cast<QMenu *>(holder) || qobject_cast<QMenuBar *>(holder))
            return static_cast<QWidget *>(holder);
    return nullptr;
}

// Plug-in calls never let an error of ours escape into the module.
template <class F>
void guarded(F &&call)
{
    try {
        call();
    } catch (...) {
    }
}

} // namespace

TIMenuItem::TIMenuItem(TVYRACore *core, QAction *item)
    : TVYRAInterfaceObject(IID_IMenuItem)
    , m_core(core)
    , m_item(item)
{
}

void *TIMenuItem::queryOther(const TVYRAGUID &iid)
{
    return iid == IID_TIMenuItemSelf ? static_cast<IMenuItem *>(this) : nullptr;
}

QAction *TIMenuItem::ActionOf(IVYRAUnknown *item)
{
    if (!item)
        return nullptr;
    void *self = nullptr;
    if (item->queryInterface(IID_TIMenuItemSelf, &self) != VYRA_S_OK || !self)
        return nullptr;
    auto *wrapper = static_cast<TIMenuItem *>(static_cast<IMenuItem *>(self));
    QAction *action = wrapper->m_item;
    wrapper->release();
    return action;
}

IMenuItems *TIMenuItem::GetMenuItems()
{
    return m_item ? new TIMenuItems(m_core, m_item->menu()) : nullptr;
}

IMenuItem *TIMenuItem::InsertMenuItem(const TVYRAMenuItemInfo &info)
{
    if (!m_item || !m_item->menu())
        return nullptr;
    QAction *item = TPluginMenuInserter::Insert(m_core, m_item->menu(), info);
    return item ? new TIMenuItem(m_core, item) : nullptr;
}

IMenuItem *TIMenuItem::FindItem(TVYRAStringIn name)
{
    QAction *item = m_item ? TIMenuItems::FindAction(m_item->menu(), PluginStrings::FromIn(name)) : nullptr;
    return item ? new TIMenuItem(m_core, item) : nullptr;
}

int32_t TIMenuItem::GetIndex()
{
    QWidget *parent = m_item ? parentOf(m_item) : nullptr;
    return parent ? int32_t(parent->actions().indexOf(m_item.data())) : -1;
}

void TIMenuItem::GetCaption(IVYRAStringOut *caption)
{
    PluginStrings::Out(caption, m_item ? m_item->text() : QString());
}

void TIMenuItem::SetCaption(TVYRAStringIn caption)
{
    if (m_item)
        m_item->setText(PluginStrings::FromIn(caption));
}

void TIMenuItem::GetHint(IVYRAStringOut *hint)
{
    PluginStrings::Out(hint, m_item ? m_item->statusTip() : QString());
}

void TIMenuItem::SetHint(TVYRAStringIn hint)
{
    if (!m_item)
        return;
    m_item->setStatusTip(PluginStrings::FromIn(hint));
    m_item->setToolTip(PluginStrings::FromIn(hint));
}

void TIMenuItem::GetName(IVYRAStringOut *name)
{
    PluginStrings::Out(name, m_item ? m_item->objectName() : QString());
}

uint16_t TIMenuItem::GetShortCut()
{
    return m_item ? uint16_t(m_item->property("vyraShortCut").toInt()) : 0;
}

void TIMenuItem::SetShortCut(uint16_t shortCut)
{
    if (!m_item)
        return;
    m_item->setProperty("vyraShortCut", int(shortCut));
    const TVYRAPluginEvents &events = m_core->PluginEvents();
    if (events.ShortCutToKeys)
        guarded([&] { m_item->setShortcut(shortCut ? events.ShortCutToKeys(shortCut) : QKeySequence()); });
}

int32_t TIMenuItem::GetTag()
{
    return m_item ? m_item->property("vyraTag").toInt() : 0;
}

void TIMenuItem::SetTag(int32_t tag)
{
    if (m_item)
        m_item->setProperty("vyraTag", tag);
}

int32_t TIMenuItem::Get_ImageIndex()
{
    return m_item && m_item->property("vyraImageIndex").isValid() ? m_item->property("vyraImageIndex").toInt() : -1;
}

void TIMenuItem::Set_ImageIndex(int32_t index)
{
    if (m_item)
        m_item->setProperty("vyraImageIndex", index);
}

TVYRABool TIMenuItem::Get_Enabled()
{
    return m_item && m_item->isEnabled() ? VYRA_TRUE : VYRA_FALSE;
}

void TIMenuItem::Set_Enabled(TVYRABool enabled)
{
    if (m_item)
        m_item->setEnabled(enabled != VYRA_FALSE);
}

TVYRABool TIMenuItem::Get_IsSubMenu()
{
    return m_item && m_item->menu() ? VYRA_TRUE : VYRA_FALSE;
}

void TIMenuItem::RegisterOnClick(INotifyEvent *listener)
{
    if (m_item)
        guarded([&] { m_core->PluginMenuExtensions().Click.AddHandler(m_item, listener); });
}

void TIMenuItem::UnRegisterOnClick(INotifyEvent *listener)
{
    if (m_item)
        m_core->PluginMenuExtensions().Click.DeleteHandler(m_item, listener);
}

void TIMenuItem::RegisterOnUpdate(INotifyEvent *listener)
{
    if (m_item)
        guarded([&] { m_core->PluginMenuExtensions().Update.AddHandler(m_item, listener); });
}

void TIMenuItem::UnRegisterOnUpdate(INotifyEvent *listener)
{
    if (m_item)
        m_core->PluginMenuExtensions().Update.DeleteHandler(m_item, listener);
}
