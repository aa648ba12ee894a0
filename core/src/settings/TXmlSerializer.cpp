#include "settings/TXmlSerializer.h"

#include "settings/ESettingsLoadErr.h"
#include "settings/TPropertyText.h"
#include "settings/TVYRACollection.h"
#include "utils/TXmlDocumentFile.h"
#include "utils/XmlNodes.h"

#include <QHash>
#include <algorithm>
#include <utility>

namespace {

void removeChildren(pugi::xml_node element)
{
    while (pugi::xml_node child = element.first_child())
        element.remove_child(child);
}

} // namespace

TXmlSerializer::TXmlSerializer(const QString &fileName, const QString &rootName)
    : m_fileName(fileName), m_rootName(rootName)
{
}

QList<QMetaProperty> TXmlSerializer::PublishedProperties(const QMetaObject *metaObject)
{
    QList<QMetaProperty> properties;
    QHash<QByteArray, bool> seen;
    const int first = QObject::staticMetaObject.propertyCount(); // not "objectName"
    for (int i = metaObject->propertyCount() - 1; i >= first; --i) {
        const QMetaProperty property = metaObject->property(i);
        const QByteArray name(property.name());
        if (seen.contains(name))
            continue;
        seen.insert(name, true);
        properties.append(property);
    }
    std::sort(properties.begin(), properties.end(), [](const QMetaProperty &a, const QMetaProperty &b) {
        const int order = qstricmp(a.name(), b.name());
        return order != 0 ? order < 0 : qstrcmp(a.name(), b.name()) < 0;
    });
    return properties;
}

bool TXmlSerializer::IsStoredNow(const QObject *object, const QMetaProperty &property)
{
    if (!property.isStored())
        return false;
    const auto *persistent = qobject_cast<const TVYRAPersistent *>(object);
    return !persistent || persistent->IsPropertyStored(property.name());
}

pugi::xml_node TXmlSerializer::ChildFor(pugi::xml_node element, const char *name)
{
    if (pugi::xml_node existing = element.child(name))
        return existing;
    return element.append_child(name);
}

QString TXmlSerializer::ElementText(pugi::xml_node element)
{
    QByteArray text;
    for (pugi::xml_node child : element.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
    }
    return QString::fromUtf8(text);
}

QByteArray TXmlSerializer::ItemElementName(const QObject *item)
{
    const auto *collectionItem = qobject_cast<const TVYRACollectionItem *>(item);
    const QString name = collectionItem ? collectionItem->DisplayName() : QString();
    if (name == QLatin1StringView(item->metaObject()->className()) || !IsValidXmlName(name))
        return QByteArrayLiteral("item");
    return name.toUtf8();
}

void TXmlSerializer::WriteClass(const QObject *object, pugi::xml_node element) const
{
    if (!object || !element)
        return;
    for (const QMetaProperty &property : PublishedProperties(object->metaObject()))
        WriteProperty(object, element, property);
}

void TXmlSerializer::WriteProperty(const QObject *object, pugi::xml_node element,
                                   const QMetaProperty &property) const
{
    if (!object || !element || !IsStoredNow(object, property))
        return;
    const QVariant value = property.read(object);
    if (TPropertyText::IsObject(property)) {
        const QObject *child = value.value<QObject *>();
        if (!child)
            return;
        pugi::xml_node node = ChildFor(element, property.name());
        removeChildren(node);
        if (const auto *collection = qobject_cast<const TVYRACollection *>(child))
            WriteCollection(collection, node);
        else
            WriteClass(child, node);
        return;
    }
    const std::optional<QString> text = TPropertyText::ToText(property, value);
    if (!text)
        return;
    pugi::xml_node node = ChildFor(element, property.name());
    removeChildren(node);
    if (!text->isEmpty())
        node.append_child(pugi::node_pcdata).set_value(text->toUtf8().constData());
}

bool TXmlSerializer::WriteProperty(const QObject *object, pugi::xml_node element, const char *propertyName) const
{
    if (!object)
        return false;
    const int index = object->metaObject()->indexOfProperty(propertyName);
    if (index < QObject::staticMetaObject.propertyCount())
        return false;
    WriteProperty(object, element, object->metaObject()->property(index));
    return true;
}

void TXmlSerializer::WriteCollection(const TVYRACollection *collection, pugi::xml_node element) const
{
    if (!collection || !element)
        return;
    removeChildren(element);
    // Every item gets an element of its own, although they share one name.
    for (int i = 0; i < collection->Count(); ++i) {
        const TVYRACollectionItem *item = collection->Item(i);
        WriteClass(item, element.append_child(ItemElementName(item).constData()));
    }
}

void TXmlSerializer::ReadClass(QObject *object, pugi::xml_node element)
{
    if (!object || !element)
        return;
    QHash<QByteArray, QMetaProperty> byName;
    for (const QMetaProperty &property : PublishedProperties(object->metaObject()))
        byName.insert(QByteArray(property.name()).toLower(), property);
    for (pugi::xml_node child : element.children()) {
        if (child.type() != pugi::node_element)
            continue;
        const auto found = byName.constFind(QByteArray(child.name()).toLower());
        if (found != byName.constEnd())
            ReadProperty(object, child, *found);
    }
}

bool TXmlSerializer::ReadProperty(QObject *object, pugi::xml_node element, const QMetaProperty &property)
{
    if (!object || !element || !property.isStored() || qstricmp(element.name(), property.name()) != 0)
        return false;
    if (TPropertyText::IsObject(property)) {
        QObject *child = property.read(object).value<QObject *>();
        if (!child)
            return false;
        if (auto *collection = qobject_cast<TVYRACollection *>(child))
            ReadCollection(collection, element);
        else
            ReadClass(child, element);
        return true;
    }
    const std::optional<QVariant> value = TPropertyText::FromText(property, ElementText(element));
    if (!value || !property.write(object, *value)) {
        ++m_skippedValues;
        return false;
    }
    return true;
}

bool TXmlSerializer::ReadProperty(QObject *object, pugi::xml_node element, const char *propertyName)
{
    if (!object)
        return false;
    const int index = object->metaObject()->indexOfProperty(propertyName);
    if (index < QObject::staticMetaObject.propertyCount())
        return false;
    return ReadProperty(object, element, object->metaObject()->property(index));
}

void TXmlSerializer::ReadCollection(TVYRACollection *collection, pugi::xml_node element)
{
    if (!collection || !element)
        return;
    for (pugi::xml_node child : element.children()) {
        if (child.type() == pugi::node_element)
            ReadClass(collection->AddItem(), child);
    }
}

bool TXmlSerializer::PrepareSave(bool force, QString &rootName, QByteArray &stored)
{
    using Status = TXmlDocumentFile::TLoadStatus;
    pugi::xml_document existing;
    const TXmlDocumentFile::TLoadResult loaded = TXmlDocumentFile::Load(m_fileName, existing, &stored);
    rootName = m_rootName;
    switch (loaded.status) {
    case Status::Missing:
    case Status::NoRoot:
        return true;
    case Status::Loaded: {
        const QString existingRoot = QString::fromUtf8(existing.document_element().name());
        if (existingRoot == m_rootName)
            return true;
        if (force) {
            rootName = existingRoot;
            return true;
        }
        m_lastError = QStringLiteral("Die Datei \"%1\" enthält andere Daten (Wurzelelement \"%2\") "
                                     "und wurde nicht überschrieben.")
                          .arg(m_fileName, existingRoot);
        return false;
    }
    case Status::Damaged:
        m_backupFileName = TXmlDocumentFile::KeepDamagedCopy(m_fileName);
        if (!m_backupFileName.isEmpty())
            return true;
        m_lastError = loaded.error + QStringLiteral(" Es konnte keine Sicherungskopie angelegt werden; "
                                                    "die Datei wurde nicht überschrieben.");
        return false;
    case Status::Unreadable:
        m_lastError = loaded.error;
        return false;
    }
    return false;
}

bool TXmlSerializer::SaveToFile(const QObject *object, bool force)
{
    m_lastError.clear();
    QString rootName;
    QByteArray stored;
    if (!PrepareSave(force, rootName, stored))
        return false;
    pugi::xml_document document;
    WriteClass(object, document.append_child(rootName.toUtf8().constData()));
    // Unchanged settings are the rule at the end of a session; they need no
    // new file (and no wait for the disk).
    const bool unchanged = !stored.isEmpty() && TXmlDocumentFile::ToBytes(document) == stored;
    if (!unchanged && !TXmlDocumentFile::Save(document, m_fileName, &m_lastError))
        return false;
    if (OnSaved)
        OnSaved(this);
    return true;
}

void TXmlSerializer::LoadFromFile(QObject *object)
{
    using Status = TXmlDocumentFile::TLoadStatus;
    m_skippedValues = 0;
    if (!object)
        return;
    pugi::xml_document document;
    const TXmlDocumentFile::TLoadResult loaded = TXmlDocumentFile::Load(m_fileName, document);
    if (loaded.status == Status::Missing)
        return;
    if (loaded.status == Status::Damaged || loaded.status == Status::Unreadable)
        throw ESettingsLoadErr(loaded.error);
    const pugi::xml_node root = document.document_element();
    if (loaded.status == Status::Loaded && QString::fromUtf8(root.name()) == m_rootName) {
        if (OnBeforeRead)
            OnBeforeRead(this);
        ReadClass(object, root);
    }
    if (OnLoaded)
        OnLoaded(this);
}

QString TXmlSerializer::TakeBackupFileName()
{
    return std::exchange(m_backupFileName, QString());
}
