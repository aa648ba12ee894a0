#include "filetypes/TVYRAExtensions.h"

#include "filetypes/DialogFilters.h"
#include "utils/XmlStore.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "utils/XmlNodes.h"

#include <QFileInfo>

namespace {
const QString AppDirMark = QStringLiteral(":appdir:");
const char *RootName = "filetypes";

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}
} // namespace

TVYRAExtensions::TVYRAExtensions(const QString &directory, TIHighlighters *highlighters)
    : m_directory(directory)
    , m_highlighters(highlighters)
{
    while (m_directory.size() > 1 && (m_directory.endsWith(QLatin1Char('/')) || m_directory.endsWith(QLatin1Char('\\'))))
        m_directory.chop(1);
    if (highlighters) {
        m_removalConnection = QObject::connect(highlighters, &TIHighlighters::highlighterRemoved, highlighters,
                                               [this](TIHighlighter *removed, TIHighlighter *replacement) {
                                                   highlighterRemoved(removed, replacement);
                                               });
    }
}

TVYRAExtensions::~TVYRAExtensions()
{
    QObject::disconnect(m_removalConnection);
}

void TVYRAExtensions::highlighterRemoved(TIHighlighter *removed, TIHighlighter *replacement)
{
    for (const auto &group : m_groups) {
        if (group->DefaultHighlighter == removed)
            group->DefaultHighlighter = replacement;
    }
}

QString TVYRAExtensions::expandAppDir(const QString &path) const
{
    return QString(path).replace(AppDirMark, m_directory, Qt::CaseInsensitive);
}

QString TVYRAExtensions::collapseAppDir(const QString &path) const
{
    if (m_directory.isEmpty() || !path.startsWith(m_directory))
        return path;
    const QString rest = path.mid(m_directory.size());
    if (!rest.isEmpty() && rest[0] != u'/' && rest[0] != u'\\')
        return path;
    return AppDirMark + rest;
}

void TVYRAExtensions::LoadFromFile(const QString &FileName, bool Clear)
{
    pugi::xml_document doc;
    if (LoadXmlStore(doc, FileName, RootName))
        readGroups(doc, Clear);
}

void TVYRAExtensions::LoadFromData(const QByteArray &data, bool Clear)
{
    pugi::xml_document doc;
    if (ParseXmlStore(doc, data, RootName))
        readGroups(doc, Clear);
}

void TVYRAExtensions::readGroups(const pugi::xml_document &doc, bool Clear)
{
    if (Clear)
        m_groups.clear();
    for (pugi::xml_node node : doc.document_element().children("filetype")) {
        if (!node.attribute("name"))
            continue;
        TIHighlighter *highlighter = nullptr;
        if (m_highlighters) {
            highlighter = m_highlighters->FindHighlighter(GetNodeText(node, QStringLiteral("defaulthighlighter")));
            if (!highlighter)
                highlighter = m_highlighters->DefaultHighlighter();
        }
        auto group = std::make_unique<TVYRAExtensionGroup>(
            GetNodeAttributeText(node, QStringLiteral("name")),
            expandAppDir(GetNodeText(node, QStringLiteral("iconpath"))), highlighter,
            GetNodeBool(node, QStringLiteral("editormode")), GetNodeBool(node, QStringLiteral("isbinary")),
            ExtensionGroupTypeFromName(GetNodeAttributeText(node, QStringLiteral("type"))));
        for (pugi::xml_node item : node.children("extension")) {
            if (!item.attribute("identifier") || !item.attribute("registermode"))
                continue;
            group->AddItem(std::make_unique<TVYRAFileExtension>(
                GetNodeAttributeText(item, QStringLiteral("identifier")),
                expandAppDir(GetNodeAttributeText(item, QStringLiteral("iconpath"))),
                GetNodeAttributeText(item, QStringLiteral("description")), m_directory, group.get(),
                ExtensionModeFromName(GetNodeAttributeText(item, QStringLiteral("registermode")))));
        }
        AddGroup(std::move(group));
    }
}

bool TVYRAExtensions::SaveToFile(const QString &FileName, bool OnlyType, TVYRAExtensionGroupType GroupType) const
{
    pugi::xml_document doc;
    if (!OpenXmlStoreForSave(doc, FileName, RootName))
        return false;
    pugi::xml_node root = doc.document_element();
    for (const auto &group : m_groups) {
        if (OnlyType && group->GroupType != GroupType)
            continue;
        pugi::xml_node node = root.append_child("filetype");
        node.append_attribute("name").set_value(utf8(group->Name).constData());
        SetNodeText(node, QStringLiteral("iconpath"), collapseAppDir(group->IconPath));
        SetNodeText(node, QStringLiteral("defaulthighlighter"),
                    group->DefaultHighlighter ? group->DefaultHighlighter->ShortName() : QString());
        SetNodeBool(node, QStringLiteral("editormode"), group->EditorMode);
        SetNodeBool(node, QStringLiteral("isbinary"), group->IsBinary);
        for (int i = 0; i < group->GetCount(); ++i) {
            const TVYRAFileExtension *item = group->GetItem(i);
            pugi::xml_node child = node.append_child("extension");
            child.append_attribute("identifier").set_value(utf8(item->Identifier).constData());
            child.append_attribute("registermode").set_value(utf8(ExtensionModeName(item->RegisterMode)).constData());
            child.append_attribute("description").set_value(utf8(item->Description).constData());
            if (!item->IconPath.isEmpty())
                child.append_attribute("iconpath").set_value(utf8(collapseAppDir(item->IconPath)).constData());
        }
    }
    SaveXmlStore(doc, FileName);
    return true;
}

TVYRAExtensionGroup *TVYRAExtensions::GetGroup(int i) const
{
    return i >= 0 && i < GetCount() ? m_groups[size_t(i)].get() : nullptr;
}

void TVYRAExtensions::SetGroup(int i, std::unique_ptr<TVYRAExtensionGroup> group)
{
    if (i < 0 || i >= GetCount() || !group)
        return;
    group->Directory = m_directory;
    m_groups[size_t(i)] = std::move(group);
}

TVYRAExtensionGroup *TVYRAExtensions::AddGroup(std::unique_ptr<TVYRAExtensionGroup> group)
{
    if (!group)
        return nullptr;
    group->Directory = m_directory;
    m_groups.push_back(std::move(group));
    return m_groups.back().get();
}

bool TVYRAExtensions::RemoveGroup(int i)
{
    if (i < 0 || i >= GetCount() || m_groups[size_t(i)]->GroupType != egtCustom)
        return false;
    m_groups.erase(m_groups.begin() + i);
    return true;
}

int TVYRAExtensions::IndexOf(const TVYRAExtensionGroup *group) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (m_groups[size_t(i)].get() == group)
            return i;
    }
    return -1;
}

TVYRAFileExtension *TVYRAExtensions::FindExtension(const QString &Identifier) const
{
    for (const auto &group : m_groups) {
        for (int i = 0; i < group->GetCount(); ++i) {
            if (group->GetItem(i)->Identifier.compare(Identifier, Qt::CaseInsensitive) == 0)
                return group->GetItem(i);
        }
    }
    return nullptr;
}

TVYRAFileExtension *TVYRAExtensions::FindExtensionForFile(const QString &fileName) const
{
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix.isEmpty() ? nullptr : FindExtension(QStringLiteral("*.") + suffix);
}

QString TVYRAExtensions::GetExtensions(bool Names) const
{
    QString result;
    for (const auto &group : m_groups)
        result += Names ? group->GetName() : group->GetExtensions() + QLatin1Char(';');
    return result;
}

QString TVYRAExtensions::GetFilterExtensions() const
{
    QString result;
    for (const auto &group : m_groups)
        result += group->AsFilterString();
    return result;
}

QString TVYRAExtensions::GetFilterExtensionsEx(const QString &Format) const
{
    QString result;
    if (FormatStrings(Format, {GetExtensions(false), GetFilterExtensions()}, result))
        return result;
    return GetFilterExtensions();
}

void TVYRAExtensions::ApplyExtensions(QStringList &Strings, bool NoSummary, bool IncludeBinary) const
{
    QStringList all;
    for (const auto &group : m_groups) {
        if (group->IsBinary && !IncludeBinary)
            continue;
        Strings.append(group->GetName());
        if (group->GetCount() > 0)
            all.append(group->GetExtensions());
    }
    if (NoSummary)
        return;
    Strings.prepend(QStringLiteral("Alle unterstützten Formate (%1)").arg(all.join(QLatin1Char(';'))));
    Strings.append(QStringLiteral("Alle Dateien (*.*)"));
}
