#include "projects/TTalvexStudioProject.h"

#include "projects/ProjectGuids.h"
#include "projects/TTalvexStudioToDoList.h"
#include "utils/VYRAExceptions.h"
#include "utils/XmlNodes.h"

#include <limits>

namespace {

const QString kDefaultVersion = QStringLiteral("1.0");

QString attributeOr(const pugi::xml_node &element, const char *name, const QString &fallback)
{
    const QString value = QString::fromUtf8(element.attribute(name).value()).trimmed();
    return value.isEmpty() ? fallback : value;
}

// The number the digits at the start of text give; fallback when there are
// none. Too many digits count as a very large number.
qint64 leadingNumber(const QString &text, qint64 fallback)
{
    qsizetype digits = 0;
    while (digits < text.size() && text.at(digits).isDigit() && text.at(digits).unicode() < 128)
        ++digits;
    if (digits == 0)
        return fallback;
    bool ok = false;
    const qint64 value = text.left(digits).toLongLong(&ok);
    return ok ? value : std::numeric_limits<qint64>::max();
}

void setAttribute(pugi::xml_node element, const char *name, const QString &value)
{
    pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute)
        attribute = element.append_attribute(name);
    attribute.set_value(value.toUtf8().constData());
}

} // namespace

TTalvexStudioProject::TTalvexStudioProject(TVYRAProjectGroupList *list, const QString &fileName, bool fileExists)
    : TVYRAProjectGroupItems(list, fileName, fileExists, TTalvexStudioProjectItem::ItemClass())
    , m_toDoList(std::make_unique<TTalvexStudioToDoList>())
{
    m_toDoList->OnModified = [this](TTalvexStudioToDoEntry *, bool) { SetModified(true); };
}

TTalvexStudioProject::~TTalvexStudioProject()
{
    m_toDoList->OnModified = nullptr;
    m_startPage = nullptr;
}

TVYRAProjectGroupItems::TFactory TTalvexStudioProject::Factory()
{
    return [](TVYRAProjectGroupList *list, const QString &fileName, bool fileExists, bool loadNow) {
        return std::unique_ptr<TVYRAProjectGroupItems>(Create<TTalvexStudioProject>(list, fileName, fileExists, loadNow));
    };
}

TTalvexStudioProjectItem *TTalvexStudioProject::StartPage() const
{
    // A node moved to another group is no start page of this one.
    return m_startPage && m_startPage->Owner() == this ? m_startPage : nullptr;
}

bool TTalvexStudioProject::SetStartPage(TTalvexStudioProjectItem *item)
{
    if (item && item->Owner() != this)
        return false;
    if (item == m_startPage)
        return true;
    m_startPage = item;
    m_startPageID = item ? item->ID() : QUuid();
    SetModified(true);
    return true;
}

TTalvexStudioProjectItem *TTalvexStudioProject::ItemByGUID(const QUuid &id) const
{
    if (id.isNull())
        return nullptr;
    for (TVYRAProjectGroupItem *node = Root(); node; node = node->NextItem()) {
        auto *item = dynamic_cast<TTalvexStudioProjectItem *>(node);
        if (item && item->ID() == id)
            return item;
    }
    return nullptr;
}

QString TTalvexStudioProject::RealFileNameByGUID(const QUuid &id) const
{
    const TTalvexStudioProjectItem *item = ItemByGUID(id);
    return item ? item->PhysicalFileName() : QString();
}

void TTalvexStudioProject::SaveProjectSettings(pugi::xml_node element) const
{
    TVYRAProjectGroupItems::SaveProjectSettings(element);
    const QString version = QStringLiteral("%1.%2").arg(FormatMajor).arg(FormatMinor);
    setAttribute(element, "version", version);
    setAttribute(element, "mincompatible", version);
    if (const TTalvexStudioProjectItem *startPage = StartPage())
        SetNodeText(element, QStringLiteral("startpage"), GuidText(startPage->ID()));
    m_toDoList->Save(element.append_child("todolist"));
}

bool TTalvexStudioProject::IsCompatible(const QString &minCompatible)
{
    const QString text = minCompatible.trimmed();
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    const qint64 major = leadingNumber(dot < 0 ? text : text.left(dot), FormatMajor);
    const qint64 minor = dot < 0 ? 0 : leadingNumber(text.mid(dot + 1), 0);
    return major < FormatMajor || (major == FormatMajor && minor <= FormatMinor);
}

void TTalvexStudioProject::LoadProjectSettings(const pugi::xml_node &element, const QString &fileName)
{
    TVYRAProjectGroupItems::LoadProjectSettings(element, fileName);
    m_formatVersion = attributeOr(element, "version", kDefaultVersion);
    if (!IsCompatible(attributeOr(element, "mincompatible", kDefaultVersion)))
        throw EInvalidVYRAFormat(QStringLiteral(
            "Diese Implementierung des Talvex Studio Projektformates ist nicht kompatibel mit dem in den gegebenen Datei."));
    // The nodes of the old tree go after this: they must not clear the id read here.
    m_startPage = nullptr;
    m_startPageID = GuidFromText(GetNodeText(element, QStringLiteral("startpage")));
    m_toDoList->Load(element.child("todolist"));
}

void TTalvexStudioProject::ProjectLoaded(const QString &fileName)
{
    TVYRAProjectGroupItems::ProjectLoaded(fileName);
    TTalvexStudioProjectItem *item = ItemByGUID(m_startPageID);
    m_startPage = item && item->ItemType() == pitFile ? item : nullptr;
}

void TTalvexStudioProject::ItemDestroying(TVYRAProjectGroupItem *item)
{
    TVYRAProjectGroupItems::ItemDestroying(item);
    if (item != m_startPage || !item)
        return;
    m_startPage = nullptr;
    m_startPageID = QUuid();
    SetModified(true);
}
