#include "utils/XmlNodes.h"

#include "utils/VYRAExceptions.h"
#include "utils/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

QByteArray utf8(const QString &text) { return text.toUtf8(); }

pugi::xml_node childElement(const pugi::xml_node &node, const QString &name)
{
    if (!node)
        return {};
    return node.child(utf8(name).constData());
}

// All text below an element in document order, as a DOM's "text" gives it.
void collectText(const pugi::xml_node &node, QByteArray &out)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            out += child.value();
        else if (child.type() == pugi::node_element)
            collectText(child, out);
    }
}


std::optional<bool> parseBool(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = ParseNodeInt(trimmed))
        return *number != 0;
    return std::nullopt;
}

// The encoding named in the XML declaration, lower case; empty when none.
QByteArray declaredEncoding(const QByteArray &bytes)
{
    if (!bytes.startsWith("<?xml"))
        return {};
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0)
        return {};
    static const QRegularExpression pattern(QStringLiteral("encoding\\s*=\\s*[\"']([A-Za-z0-9._-]+)[\"']"));
    const auto match = pattern.match(QString::fromLatin1(bytes.left(end)));
    return match.hasMatch() ? match.captured(1).toLatin1().toLower() : QByteArray();
}

bool isWindows1252Name(const QByteArray &name)
{
    return name == "windows-1252" || name == "cp1252" || name == "iso-8859-1" || name == "latin1"
        || name == "iso_8859-1" || name == "latin-1";
}

struct ByteArrayWriter : pugi::xml_writer {
    QByteArray data;
    void write(const void *bytes, size_t size) override { data.append(static_cast<const char *>(bytes), qsizetype(size)); }
};

constexpr unsigned kParseOptions =
    (pugi::parse_default & ~pugi::parse_eol) | pugi::parse_ws_pcdata_single;

} // namespace

std::optional<int> ParseNodeInt(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    int value = 0;
    if (trimmed.startsWith(QLatin1Char('$')))
        value = trimmed.mid(1).toInt(&ok, 16);
    else if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = trimmed.mid(2).toInt(&ok, 16);
    else
        value = trimmed.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

QString GetElementText(const pugi::xml_node &node)
{
    QByteArray text;
    collectText(node, text);
    return QString::fromUtf8(text);
}


QString GetNodeText(const pugi::xml_node &node, const QString &childName, const QString &defaultValue)
{
    const pugi::xml_node child = childElement(node, childName);
    if (!child)
        return defaultValue;
    QByteArray text;
    collectText(child, text);
    return QString::fromUtf8(text);
}

QString GetNodeAttributeText(const pugi::xml_node &node, const QString &attributeName, const QString &defaultValue)
{
    if (!node)
        return defaultValue;
    const pugi::xml_attribute attribute = node.attribute(utf8(attributeName).constData());
    return attribute ? QString::fromUtf8(attribute.value()) : defaultValue;
}

int GetNodeInt(const pugi::xml_node &node, const QString &childName)
{
    if (!childElement(node, childName))
        return 0;
    const QString text = GetNodeText(node, childName);
    if (const auto value = ParseNodeInt(text))
        return *value;
    throw EConvertError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
}

int GetNodeInt(const pugi::xml_node &node, const QString &childName, int defaultValue)
{
    return ParseNodeInt(GetNodeText(node, childName)).value_or(defaultValue);
}

bool GetNodeBool(const pugi::xml_node &node, const QString &childName, bool defaultValue)
{
    return parseBool(GetNodeText(node, childName)).value_or(defaultValue);
}

void SetNodeText(pugi::xml_node node, const QString &childName, const QString &value, bool Escape)
{
    if (!node)
        return;
    const QByteArray name = utf8(childName);
    pugi::xml_node child = node.child(name.constData());
    if (!child)
        child = node.append_child(name.constData());
    while (child.first_child())
        child.remove_child(child.first_child());
    if (value.isEmpty())
        return;
    const QByteArray text = utf8(value);
    // A CDATA section cannot hold "]]>"; such a text is escaped instead.
    const bool asCData = !Escape && !text.contains("]]>");
    child.append_child(asCData ? pugi::node_cdata : pugi::node_pcdata).set_value(text.constData());
}

void SetNodeBool(pugi::xml_node node, const QString &childName, bool value, bool Escape)
{
    SetNodeText(node, childName, value ? QStringLiteral("True") : QStringLiteral("False"), Escape);
}

void SetNodeInt(pugi::xml_node node, const QString &childName, int value, bool Escape)
{
    SetNodeText(node, childName, QString::number(value), Escape);
}

bool IsValidXmlName(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[A-Za-z_:\\x{00C0}-\\x{FFFF}][A-Za-z0-9_:.\\-\\x{00B7}\\x{00C0}-\\x{FFFF}]*$"));
    return pattern.match(name).hasMatch();
}

bool CreateXMLFile(const QString &fileName, const QString &rootName, const QStringList &childNames)
{
    if (!IsValidXmlName(rootName))
        return false;
    for (const QString &name : childNames) {
        if (!IsValidXmlName(name))
            return false;
    }
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child(utf8(rootName).constData());
    for (const QString &name : childNames)
        root.append_child(utf8(name).constData());
    return SaveXmlDocument(doc, fileName, nullptr);
}

bool LoadXmlDocumentFromBytes(pugi::xml_document &doc, const QByteArray &bytes, QString *error)
{
    pugi::xml_parse_result result;
    if (isWindows1252Name(declaredEncoding(bytes))) {
        const QByteArray converted = fromWindows1252(bytes).toUtf8();
        result = doc.load_buffer(converted.constData(), size_t(converted.size()), kParseOptions, pugi::encoding_utf8);
    } else {
        result = doc.load_buffer(bytes.constData(), size_t(bytes.size()), kParseOptions, pugi::encoding_auto);
    }
    if (!result) {
        if (error) {
            *error = QStringLiteral("Ungültiges XML an Position %1: %2")
                         .arg(qint64(result.offset))
                         .arg(QString::fromUtf8(result.description()));
        }
        return false;
    }
    return true;
}

bool LoadXmlDocument(pugi::xml_document &doc, const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden: %2").arg(fileName, file.errorString());
        return false;
    }
    if (LoadXmlDocumentFromBytes(doc, file.readAll(), error))
        return true;
    if (error)
        *error = QStringLiteral("Die Datei „%1“ ist kein gültiges XML. %2").arg(fileName, *error);
    return false;
}

QByteArray XmlDocumentToBytes(const pugi::xml_document &doc)
{
    ByteArrayWriter writer;
    writer.data = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    // A declaration node of the document might name another encoding; ours stands instead.
    for (pugi::xml_node child = doc.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_declaration)
            child.print(writer, "  ", pugi::format_indent, pugi::encoding_utf8);
    }
    return writer.data;
}

bool SaveXmlDocument(const pugi::xml_document &doc, const QString &fileName, QString *error)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray data = XmlDocumentToBytes(doc);
        if (file.write(data) == data.size() && file.commit())
            return true;
    }
    if (error)
        *error = QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden: %2").arg(fileName, file.errorString());
    return false;
}
