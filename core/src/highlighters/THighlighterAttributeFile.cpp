#include "highlighters/THighlighterAttributeFile.h"

#include "editor/TSynCustomHighlighter.h"
#include "utils/XmlStore.h"
#include "utils/VYRAExceptions.h"

#include <QDir>
#include <QFileInfo>

namespace {
const char *RootName = "highlighterattributes";
}

QString THighlighterAttributeFile::FileName(const QString &dir, const QString &shortName)
{
    if (shortName.isEmpty() || dir.isEmpty())
        return {};
    QString path = dir;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + shortName + QStringLiteral(".dat");
}

bool THighlighterAttributeFile::Load(TSynCustomHighlighter &highlighter, const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    pugi::xml_document doc;
    try {
        if (!LoadXmlStore(doc, fileName, RootName))
            return false;
    } catch (const EVYRAException &) {
        return false;
    }
    highlighter.loadAttributes(doc.document_element());
    return true;
}

void THighlighterAttributeFile::Save(const TSynCustomHighlighter &highlighter, const QString &fileName)
{
    if (fileName.isEmpty())
        throw EVYRAInvalidOperation(QStringLiteral("Ein Hervorhebungsschema ohne Kurzname kann nicht gespeichert werden."));
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child(RootName);
    root.append_attribute("name").set_value(highlighter.name().toUtf8().constData());
    highlighter.saveAttributes(root);
    SaveXmlStore(doc, fileName);
}
