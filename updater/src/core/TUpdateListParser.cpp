#include "TUpdateListParser.h"

#include <pugixml.hpp>

namespace {

QString attribute(const pugi::xml_node &node, const char *name)
{
    return QString::fromUtf8(node.attribute(name).value());
}

} // namespace

bool TUpdateListParser::ParseBoolean(const QString &text)
{
    const QString value = text.trimmed();
    return value.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0 || value == QStringLiteral("1");
}

bool TUpdateListParser::IsPlainFileName(const QString &name)
{
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QLatin1Char(':')) && !name.contains(QStringLiteral("..")) && !name.contains(QChar(0));
}

TUpdateList TUpdateListParser::Parse(const QByteArray &xml)
{
    TUpdateList list;
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(xml.constData(), size_t(xml.size()));
    if (!parsed) {
        list.error = QStringLiteral("Die Update-Liste ist kein gültiges XML (%1, Position %2).")
                         .arg(QString::fromUtf8(parsed.description()))
                         .arg(parsed.offset);
        return list;
    }
    const pugi::xml_node root = document.document_element();
    QString remotePath;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        const QString name = QString::fromUtf8(child.name());
        if (name == QStringLiteral("remotepath")) {
            remotePath = QString::fromUtf8(child.text().get()).trimmed();
            continue;
        }
        if (name != QStringLiteral("fileinf"))
            continue;
        TUpdateFile file;
        file.FileName = attribute(child, "filename");
        if (!IsPlainFileName(file.FileName)) {
            list.entries.clear();
            list.error = QStringLiteral("Die Update-Liste nennt den unzulässigen Dateinamen \"%1\".").arg(file.FileName);
            return list;
        }
        file.RemotePath = remotePath;
        file.FileVersion = attribute(child, "fileversion").trimmed();
        file.Target = attribute(child, "target");
        file.SHA1 = attribute(child, "sha1").trimmed();
        bool sizeOk = false;
        file.Size = attribute(child, "size").trimmed().toLongLong(&sizeOk);
        if (!sizeOk || file.Size < 0)
            file.Size = 0;
        file.SystemFile = ParseBoolean(attribute(child, "systemfile"));
        file.ForceUpdate = ParseBoolean(attribute(child, "forceupdate"));
        file.Optional = ParseBoolean(attribute(child, "optional"));
        list.entries.push_back(std::move(file));
    }
    return list;
}
