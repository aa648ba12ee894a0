#pragma once

#include "vyra_export.h"

#include <QList>
#include <QMetaProperty>
#include <QString>
#include <functional>
#include <pugixml.hpp>

class QObject;
class TVYRACollection;

// Stores an object tree in an XML file by walking its Q_PROPERTYs: each
// stored property becomes a child element named like it, in ascending order
// of the names; objects are written recursively and collections as one child
// element per item. Reading takes the child elements in document order and
// skips those without a matching property and values that do not fit.
class VYRA_EXPORT TXmlSerializer
{
public:
    using TNotifyEvent = std::function<void(TXmlSerializer *sender)>;

    TXmlSerializer(const QString &fileName, const QString &rootName);

    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &fileName) { m_fileName = fileName; }
    QString RootName() const { return m_rootName; }
    void SetRootName(const QString &rootName) { m_rootName = rootName; }

    TNotifyEvent OnSaved;
    TNotifyEvent OnLoaded;
    // Called by LoadFromFile once the document element is known to be the
    // right one, just before the object is read.
    TNotifyEvent OnBeforeRead;

    // The published properties of a class: derived declarations hide base
    // ones of the same name; sorted by name ignoring case.
    static QList<QMetaProperty> PublishedProperties(const QMetaObject *metaObject);

    void WriteClass(const QObject *object, pugi::xml_node element) const;
    void WriteProperty(const QObject *object, pugi::xml_node element, const QMetaProperty &property) const;
    bool WriteProperty(const QObject *object, pugi::xml_node element, const char *propertyName) const;
    // Replaces the element's children by one child per item.
    void WriteCollection(const TVYRACollection *collection, pugi::xml_node element) const;

    void ReadClass(QObject *object, pugi::xml_node element);
    // Reads the element into the property when the element is named like it.
    bool ReadProperty(QObject *object, pugi::xml_node element, const QMetaProperty &property);
    bool ReadProperty(QObject *object, pugi::xml_node element, const char *propertyName);
    // Appends one new item per child element.
    void ReadCollection(TVYRACollection *collection, pugi::xml_node element);

    // Writes the object into the file. A file whose document element has
    // another name is left alone unless forced; a damaged file is first kept
    // as a copy (TakeBackupFileName). A file that already holds exactly the
    // new content is not rewritten. False, with LastError, when the object
    // could not be stored; the old file is then unchanged.
    bool SaveToFile(const QObject *object, bool force = false);
    // Reads the object from the file when it exists and its document element
    // is RootName. Throws ESettingsLoadErr for a file that cannot be read or
    // is not well-formed.
    void LoadFromFile(QObject *object);

    QString LastError() const { return m_lastError; }
    // The copy made of a damaged file by the last save, once; then empty.
    QString TakeBackupFileName();
    // Values skipped by the last load because they did not fit their type.
    int SkippedValueCount() const { return m_skippedValues; }

private:
    static pugi::xml_node ChildFor(pugi::xml_node element, const char *name);
    static QString ElementText(pugi::xml_node element);
    static QByteArray ItemElementName(const QObject *item);
    static bool IsStoredNow(const QObject *object, const QMetaProperty &property);
    bool PrepareSave(bool force, QString &rootName, QByteArray &stored);

    QString m_fileName;
    QString m_rootName;
    QString m_lastError;
    QString m_backupFileName;
    int m_skippedValues = 0;
};
