#include "documents/TReloadList.h"

#include "utils/TXmlDocumentFile.h"

#include <pugixml.hpp>

namespace {

const char *const Root = "reloads";

QString attribute(const pugi::xml_node &node, const char *name)
{
    return QString::fromUtf8(node.attribute(name).value());
}

} // namespace

const QString &TReloadList::DefaultGroupName()
{
    static const QString name = QStringLiteral("|default|");
    return name;
}

bool TReloadList::ReadBoolean(const QString &text)
{
    const QString value = text.trimmed();
    if (value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    bool number = false;
    const qlonglong n = value.toLongLong(&number);
    return number && n != 0;
}

QByteArray TReloadList::Write(const QList<TProjectEntry> &projects)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(Root);
    for (const TProjectEntry &project : projects) {
        pugi::xml_node element = root.append_child("project");
        element.append_attribute("filename").set_value(project.fileName.toUtf8().constData());
        for (const TDocumentEntry &file : project.files) {
            pugi::xml_node child = element.append_child("file");
            child.append_attribute("filename").set_value(file.fileName.toUtf8().constData());
            if (file.active)
                child.append_attribute("active").set_value("True");
        }
    }
    return TXmlDocumentFile::ToBytes(document);
}

TReloadList::TReadResult TReloadList::Read(const QByteArray &data)
{
    TReadResult result;
    pugi::xml_document document;
    const TXmlDocumentFile::TLoadResult loaded = TXmlDocumentFile::Parse(data, document);
    if (loaded.status == TXmlDocumentFile::TLoadStatus::NoRoot)
        return result;
    if (loaded.status != TXmlDocumentFile::TLoadStatus::Loaded) {
        result.ok = false;
        result.errorText =
            loaded.error.isEmpty() ? QStringLiteral("Der Inhalt ist kein gültiges XML.") : loaded.error;
        return result;
    }
    const pugi::xml_node root = document.document_element();
    if (QString::fromUtf8(root.name()) != QLatin1String(Root)) {
        result.ok = false;
        result.errorText = QStringLiteral("Die Datei enthält keine Liste geöffneter Dokumente (Wurzelelement „%1“).")
                               .arg(QString::fromUtf8(root.name()));
        return result;
    }
    for (const pugi::xml_node &element : root.children("project")) {
        TProjectEntry project;
        project.fileName = attribute(element, "filename");
        if (project.fileName.isEmpty())
            continue;
        for (const pugi::xml_node &child : element.children("file")) {
            TDocumentEntry file;
            file.fileName = attribute(child, "filename");
            file.active = ReadBoolean(attribute(child, "active"));
            if (!file.fileName.isEmpty())
                project.files.append(file);
        }
        result.projects.append(project);
    }
    return result;
}
