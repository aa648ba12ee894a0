#include "projects/TVYRAProjectGroupItem.h"

#include "projects/IVYRAProjectDocumentList.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectItemMover.h"
#include "utils/FileUtils.h"
#include "utils/VYRAExceptions.h"
#include "utils/XmlNodes.h"

#include <QDir>
#include <QFileInfo>

TVYRAProjectGroupItem::TVYRAProjectGroupItem(TVYRAProjectGroupItems *owner, TVYRAProjectItemType itemType,
                                             const QString &name)
    : m_owner(owner)
    , m_itemType(itemType)
    , m_itemName(name)
{
}

TVYRAProjectGroupItem::~TVYRAProjectGroupItem()
{
    // Normally announced by Destroy while the whole node still existed.
    announceRemoval();
    if (m_parent) {
        const int index = m_parent->IndexOf(this);
        if (index >= 0) {
            (void)m_parent->m_children[std::size_t(index)].release();
            m_parent->m_children.erase(m_parent->m_children.begin() + index);
        }
    }
    while (!m_children.empty()) {
        std::unique_ptr<TVYRAProjectGroupItem> child = std::move(m_children.back());
        m_children.pop_back();
        child->m_parent = nullptr;
    }
}

void TVYRAProjectGroupItem::Destroy(std::unique_ptr<TVYRAProjectGroupItem> item)
{
    if (!item)
        return;
    item->announceRemoval();
    item.reset();
}

void TVYRAProjectGroupItem::announceRemoval()
{
    if (m_announced)
        return;
    m_announced = true;
    if (m_owner)
        m_owner->itemDestroying(this);
    for (const auto &child : m_children)
        child->announceRemoval();
}

void TVYRAProjectGroupItem::Modified(bool state)
{
    if (m_owner)
        m_owner->OnModified(this, state);
}

void TVYRAProjectGroupItem::Save(pugi::xml_node element) const
{
    SetNodeText(element, QStringLiteral("ItemType"), ProjectItemTypeName(m_itemType));
    SetNodeText(element, QStringLiteral("ItemName"), m_itemName);
    SetNodeText(element, QStringLiteral("Comment"), m_comment);
    SetNodeText(element, QStringLiteral("PhysicalFileName"),
                m_owner ? m_owner->StoredPath(m_physicalFileName) : m_physicalFileName);
    for (const auto &child : m_children)
        child->Save(element.append_child("item"));
}

void TVYRAProjectGroupItem::Load(const pugi::xml_node &element)
{
    m_itemType = ProjectItemTypeFromName(GetNodeText(element, QStringLiteral("ItemType")));
    const QString stored = GetNodeText(element, QStringLiteral("PhysicalFileName"));
    m_physicalFileName = m_owner ? m_owner->ExpandedPath(stored) : stored;
    m_itemName = GetNodeText(element, QStringLiteral("ItemName"));
    m_comment = GetNodeText(element, QStringLiteral("Comment"));
    bool depthChecked = false;
    for (pugi::xml_node child = element.child("item"); child; child = child.next_sibling("item")) {
        if (!depthChecked && loadDepth() >= TVYRAProjectGroupItems::MaxItemDepth)
            throw EInvalidVYRAFormat(
                QStringLiteral("Die Projektknoten sind tiefer als %1 Ebenen verschachtelt.")
                    .arg(TVYRAProjectGroupItems::MaxItemDepth));
        depthChecked = true;
        std::unique_ptr<TVYRAProjectGroupItem> item = m_owner->CreateItem(pitUnknown, QString());
        TVYRAProjectGroupItem *loaded = item.get();
        // In the tree before it loads, so that its children can count their depth.
        loaded->attach(this);
        m_children.push_back(std::move(item));
        loaded->Load(child);
    }
}

void TVYRAProjectGroupItem::ParentChanged(TVYRAProjectGroupItem *, TVYRAProjectGroupItem *, bool)
{
    for (const auto &child : m_children)
        child->ParentChanged(this, this, false);
}

int TVYRAProjectGroupItem::AddItem(std::unique_ptr<TVYRAProjectGroupItem> item)
{
    return InsertItem(GetCount(), std::move(item));
}

int TVYRAProjectGroupItem::InsertItem(int index, std::unique_ptr<TVYRAProjectGroupItem> item)
{
    if (!item)
        return -1;
    index = std::clamp(index, 0, GetCount());
    if (item->m_owner != m_owner)
        item->setOwnerTree(m_owner);
    item->attach(this);
    m_children.insert(m_children.begin() + index, std::move(item));
    Modified(true);
    return index;
}

void TVYRAProjectGroupItem::RemoveItem(int index)
{
    // Out of the list first, then freed: the node's own detaching finds nothing to do.
    Destroy(RemoveItemEntry(index));
}

std::unique_ptr<TVYRAProjectGroupItem> TVYRAProjectGroupItem::RemoveItemEntry(int index)
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    std::unique_ptr<TVYRAProjectGroupItem> item = std::move(m_children[std::size_t(index)]);
    m_children.erase(m_children.begin() + index);
    item->m_parent = nullptr;
    Modified(true);
    return item;
}

std::unique_ptr<TVYRAProjectGroupItem> TVYRAProjectGroupItem::RemoveOwnEntry()
{
    return m_parent ? m_parent->RemoveItemEntry(m_parent->IndexOf(this)) : nullptr;
}

int TVYRAProjectGroupItem::IndexOf(const TVYRAProjectGroupItem *item) const
{
    for (std::size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i].get() == item)
            return int(i);
    }
    return -1;
}

TVYRAProjectGroupItem *TVYRAProjectGroupItem::GetItems(int index) const
{
    return index >= 0 && index < GetCount() ? m_children[std::size_t(index)].get() : nullptr;
}

void TVYRAProjectGroupItem::SetItems(int index, std::unique_ptr<TVYRAProjectGroupItem> item)
{
    if (index < 0 || index >= GetCount() || !item)
        return;
    RemoveItem(index);
    InsertItem(index, std::move(item));
}

void TVYRAProjectGroupItem::countInto(int &count, const TVYRAProjectItemType *itemType) const
{
    for (const auto &child : m_children) {
        if (!itemType || child->m_itemType == *itemType)
            ++count;
        child->countInto(count, itemType);
    }
}

int TVYRAProjectGroupItem::GetTotalCount() const
{
    int count = 0;
    countInto(count, nullptr);
    return count;
}

int TVYRAProjectGroupItem::GetTotalItemCount(TVYRAProjectItemType itemType) const
{
    int count = 0;
    countInto(count, &itemType);
    return count;
}

int TVYRAProjectGroupItem::GetCountOf(TVYRAProjectItemType itemType) const
{
    int count = 0;
    for (const auto &child : m_children)
        count += child->m_itemType == itemType ? 1 : 0;
    return count;
}

TVYRAProjectGroupItem *TVYRAProjectGroupItem::GetRoot() const
{
    const TVYRAProjectGroupItem *node = this;
    while (node->m_parent)
        node = node->m_parent;
    return const_cast<TVYRAProjectGroupItem *>(node);
}

int TVYRAProjectGroupItem::GetIndex() const
{
    return m_parent ? m_parent->IndexOf(this) : -1;
}

int TVYRAProjectGroupItem::GetAbsoluteIndex() const
{
    if (!m_parent)
        return -1;
    int index = -1;
    for (const TVYRAProjectGroupItem *node = this; node; node = node->PrevItem())
        ++index;
    return index;
}

bool TVYRAProjectGroupItem::IsChildOf(const TVYRAProjectGroupItem *item) const
{
    for (const TVYRAProjectGroupItem *node = m_parent; node; node = node->m_parent) {
        if (node == item)
            return true;
    }
    return false;
}

TVYRAProjectGroupItem *TVYRAProjectGroupItem::FirstItem() const
{
    return m_children.empty() ? nullptr : m_children.front().get();
}

TVYRAProjectGroupItem *TVYRAProjectGroupItem::LastItem() const
{
    return m_children.empty() ? nullptr : m_children.back().get();
}

TVYRAProjectGroupItem *TVYRAProjectGroupItem::NextSibling() const
{
    if (!m_parent)
        return nullptr;
    return m_parent->GetItems(m_parent->IndexOf(this) + 1);
}

TVYRAProjectGroupItem *TVYRAProjectGroupItem::PrevSibling() const
{
    if (!m_parent)
        return nullptr;
    const int index = m_parent->IndexOf(this);
    return index > 0 ? m_parent->GetItems(index - 1) : nullptr;
}

TVYRAProjectGroupItem *TVYRAProjectGroupItem::NextItem() const
{
    if (!m_children.empty())
        return m_children.front().get();
    for (const TVYRAProjectGroupItem *node = this; node->m_parent; node = node->m_parent) {
        if (TVYRAProjectGroupItem *sibling = node->NextSibling())
            return sibling;
    }
    return nullptr;
}

TVYRAProjectGroupItem *TVYRAProjectGroupItem::lastDescendant() const
{
    const TVYRAProjectGroupItem *node = this;
    while (!node->m_children.empty())
        node = node->m_children.back().get();
    return const_cast<TVYRAProjectGroupItem *>(node);
}

TVYRAProjectGroupItem *TVYRAProjectGroupItem::PrevItem() const
{
    if (!m_parent)
        return nullptr;
    if (TVYRAProjectGroupItem *sibling = PrevSibling())
        return sibling->lastDescendant();
    // The root itself is not part of the walk.
    return m_parent->m_parent ? m_parent : nullptr;
}

TDocumentResult TVYRAProjectGroupItem::SetParent(TVYRAProjectGroupItem *newParent)
{
    return TVYRAProjectItemMover(this, newParent).Run();
}

TDocumentResult TVYRAProjectGroupItem::SetOwner(TVYRAProjectGroupItems *group)
{
    if (!group)
        return TDocumentResult::failure(QStringLiteral("„%1“ kann keiner leeren Projektgruppe zugeordnet werden.").arg(m_itemName));
    return SetParent(group->Root());
}

void TVYRAProjectGroupItem::SetName(const QString &name)
{
    if (name == m_itemName)
        return;
    m_itemName = name;
    Modified(true);
}

void TVYRAProjectGroupItem::SetComment(const QString &comment)
{
    if (comment == m_comment)
        return;
    m_comment = comment;
    Modified(true);
}

bool TVYRAProjectGroupItem::SetPhysFile(const QString &path)
{
    if (!IsValidFileName(ExtractFileName(ExcludeTrailingPathDelimiter(path))))
        return false;
    if (path != m_physicalFileName) {
        m_physicalFileName = path;
        Modified(true);
    }
    return true;
}

void TVYRAProjectGroupItem::SetItemType(TVYRAProjectItemType itemType)
{
    if (itemType == m_itemType)
        return;
    m_itemType = itemType;
    Modified(true);
}

QString TVYRAProjectGroupItem::GetPath() const
{
    QString path;
    for (const TVYRAProjectGroupItem *node = m_parent; node && node->m_parent; node = node->m_parent)
        path.prepend(node->m_itemName + QLatin1Char('/'));
    return path;
}

TVYRADocument *TVYRAProjectGroupItem::GetDocument() const
{
    IVYRAProjectDocumentList *documents = m_owner ? m_owner->Documents() : nullptr;
    return documents ? documents->DocumentOfItem(this) : nullptr;
}

bool TVYRAProjectGroupItem::Open(unsigned openFlags)
{
    IVYRAProjectDocumentList *documents = m_owner ? m_owner->Documents() : nullptr;
    if (m_itemType != pitFile || !documents)
        return false;
    if (TVYRADocument *document = documents->DocumentOfItem(this)) {
        documents->ActivateDocument(document);
        return false;
    }
    return documents->OpenItem(this, openFlags);
}

bool TVYRAProjectGroupItem::CreateFolder()
{
    if (m_itemType != pitFolder || !m_owner)
        return false;
    const QString directory = m_owner->FolderDirectory(this);
    if (directory.isEmpty() || !QDir().mkpath(directory))
        return false;
    // The root stands for FileFolder; only other folders keep their path.
    if (m_parent) {
        const QString full = ExcludeTrailingPathDelimiter(directory);
        if (full != m_physicalFileName) {
            m_physicalFileName = full;
            Modified(true);
        }
    }
    return true;
}

void TVYRAProjectGroupItem::attach(TVYRAProjectGroupItem *parent)
{
    m_parent = parent;
}

void TVYRAProjectGroupItem::setOwnerTree(TVYRAProjectGroupItems *owner)
{
    m_owner = owner;
    for (const auto &child : m_children)
        child->setOwnerTree(owner);
}

int TVYRAProjectGroupItem::loadDepth() const
{
    int depth = 0;
    for (const TVYRAProjectGroupItem *node = m_parent; node; node = node->m_parent)
        ++depth;
    return depth;
}
