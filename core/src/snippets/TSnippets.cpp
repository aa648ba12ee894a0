#include "snippets/TSnippets.h"

#include "settings/TVYRARegistry.h"
#include "utils/VYRAExceptions.h"
#include "utils/XmlStore.h"

#include <QSettings>
#include <pugixml.hpp>

namespace {

const char *const kRootName = "snippets";

// The text of the element itself: its text and CDATA sections joined.
QString elementText(const pugi::xml_node &element)
{
    QByteArray text;
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
    }
    return QString::fromUtf8(text);
}

QString tooDeepMessage(const QString &source)
{
    return QStringLiteral("Die Schnipsel aus \"%1\" sind tiefer als %2 Ebenen verschachtelt und werden nicht gelesen.")
        .arg(source)
        .arg(TSnippets::MaxGroupDepth);
}

} // namespace

TSnippets::TSnippets(const QString &fileName)
    : m_fileName(fileName)
{
    ReloadFromXML();
}

TSnippets::TSnippets(quint32 registryRoot, const QString &registryKey)
{
    resetRoot();
    FetchItems(registryRoot, registryKey, *m_root);
}

TSnippets::~TSnippets() = default;

void TSnippets::resetRoot()
{
    m_root = std::make_unique<TSnippetGroup>(QStringLiteral("maingroup"));
}

void TSnippets::ReloadFromXML()
{
    resetRoot();
    pugi::xml_document doc;
    if (LoadXmlStore(doc, m_fileName, kRootName))
        fetchRoot(doc);
}

void TSnippets::LoadFromData(const QByteArray &data)
{
    resetRoot();
    pugi::xml_document doc;
    if (ParseXmlStore(doc, data, kRootName))
        fetchRoot(doc);
}

// A damaged file leaves no half-read tree behind.
void TSnippets::fetchRoot(const pugi::xml_document &doc)
{
    try {
        fetchItems(doc.document_element(), *m_root, 0, m_fileName);
    } catch (const EInvalidVYRAFormat &) {
        resetRoot();
        throw;
    }
}

TOperationResult TSnippets::SaveToXML() const
{
    const QString failed = QStringLiteral("Die Schnipsel konnten nicht in \"%1\" gespeichert werden: %2");
    pugi::xml_document doc;
    try {
        if (!OpenXmlStoreForSave(doc, m_fileName, kRootName)) {
            return TOperationResult::failure(
                failed.arg(m_fileName, QStringLiteral("Die Datei hat nicht das Wurzelelement \"snippets\".")));
        }
        m_root->SaveToXML(doc.document_element());
        SaveXmlStore(doc, m_fileName);
    } catch (const EVYRAException &error) {
        return TOperationResult::failure(failed.arg(m_fileName, error.message()));
    }
    return TOperationResult::success();
}

void TSnippets::FetchItems(const pugi::xml_node &node, TSnippetGroup &group)
{
    fetchItems(node, group, 0, QStringLiteral("XML"));
}

void TSnippets::fetchItems(const pugi::xml_node &node, TSnippetGroup &group, int depth, const QString &source)
{
    if (depth > MaxGroupDepth)
        throw EInvalidVYRAFormat(tooDeepMessage(source));
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (qstrcmp(child.name(), "snippet") == 0) {
            group.AddSnippet(std::make_unique<TSnippet>(QString::fromUtf8(child.attribute("name").value()),
                                                        elementText(child),
                                                        QString::fromUtf8(child.attribute("shortcut").value())));
        } else if (qstrcmp(child.name(), "group") == 0) {
            // Written as "groupname"; older files may name the attribute otherwise.
            const QString name = QString::fromUtf8(child.first_attribute().value());
            fetchItems(child, *group.AddGroup(name), depth + 1, source);
        }
    }
}

void TSnippets::FetchItems(quint32 registryRoot, const QString &registryKey, TSnippetGroup &group)
{
    const std::unique_ptr<QSettings> settings = TVYRARegistry::Open(registryRoot, registryKey);
    fetchRegistryItems(*settings, group, 0);
}

void TSnippets::fetchRegistryItems(QSettings &settings, TSnippetGroup &group, int depth)
{
    if (depth > MaxGroupDepth)
        return;
    for (const QString &name : settings.childKeys()) {
        const QVariant value = settings.value(name);
        if (value.userType() == QMetaType::QString)
            group.AddSnippet(std::make_unique<TSnippet>(name, value.toString()));
    }
    for (const QString &name : settings.childGroups()) {
        settings.beginGroup(name);
        fetchRegistryItems(settings, *group.AddGroup(name), depth + 1);
        settings.endGroup();
    }
}
