#include "snippets/TSnippetGroup.h"

#include <pugixml.hpp>

namespace {

bool validIndex(int i, std::size_t count)
{
    return i >= 0 && std::size_t(i) < count;
}

// A CDATA section ends at the first "]]>", so code holding that sequence is
// written as several sections: "]]" closes one section and ">" opens the
// next. Reading joins the sections again.
void appendCData(pugi::xml_node element, const QByteArray &text)
{
    qsizetype start = 0;
    qsizetype end = text.indexOf("]]>");
    while (end >= 0) {
        element.append_child(pugi::node_cdata).set_value(text.mid(start, end + 2 - start).constData());
        start = end + 2;
        end = text.indexOf("]]>", start);
    }
    element.append_child(pugi::node_cdata).set_value(text.mid(start).constData());
}

} // namespace

TSnippetGroup::TSnippetGroup(QString name, TSnippetGroup *parent)
    : Name(std::move(name))
    , m_parent(parent)
{
}

TSnippetGroup::~TSnippetGroup() = default;

TSnippetGroup *TSnippetGroup::GetGroup(int i) const
{
    return validIndex(i, m_groups.size()) ? m_groups[std::size_t(i)].get() : nullptr;
}

void TSnippetGroup::SetGroup(int i, std::unique_ptr<TSnippetGroup> group)
{
    if (!validIndex(i, m_groups.size()) || !group)
        return;
    group->m_parent = this;
    m_groups[std::size_t(i)] = std::move(group);
}

TSnippetGroup *TSnippetGroup::AddGroup(std::unique_ptr<TSnippetGroup> group)
{
    if (!group)
        return nullptr;
    group->m_parent = this;
    m_groups.push_back(std::move(group));
    return m_groups.back().get();
}

TSnippetGroup *TSnippetGroup::AddGroup(const QString &name)
{
    return AddGroup(std::make_unique<TSnippetGroup>(name, this));
}

void TSnippetGroup::DeleteGroup(int i)
{
    if (validIndex(i, m_groups.size()))
        m_groups.erase(m_groups.begin() + i);
}

void TSnippetGroup::DeleteGroup(TSnippetGroup *group)
{
    DeleteGroup(IndexOfGroup(group));
}

int TSnippetGroup::IndexOfGroup(const TSnippetGroup *group) const
{
    for (std::size_t i = 0; i < m_groups.size(); ++i) {
        if (m_groups[i].get() == group)
            return int(i);
    }
    return -1;
}

TSnippet *TSnippetGroup::GetSnippet(int i) const
{
    return validIndex(i, m_snippets.size()) ? m_snippets[std::size_t(i)].get() : nullptr;
}

void TSnippetGroup::SetSnippet(int i, std::unique_ptr<TSnippet> snippet)
{
    if (!validIndex(i, m_snippets.size()) || !snippet)
        return;
    snippet->m_group = this;
    m_snippets[std::size_t(i)] = std::move(snippet);
}

int TSnippetGroup::AddSnippet(std::unique_ptr<TSnippet> snippet)
{
    if (!snippet)
        return -1;
    snippet->m_group = this;
    m_snippets.push_back(std::move(snippet));
    return int(m_snippets.size()) - 1;
}

int TSnippetGroup::AddSnipetAutoMove(TSnippet *snippet)
{
    if (!snippet || !snippet->m_group || snippet->m_group == this)
        return snippet ? IndexOfSnippet(snippet) : -1;
    std::unique_ptr<TSnippet> moved = snippet->m_group->takeSnippet(snippet);
    return moved ? AddSnippet(std::move(moved)) : -1;
}

std::unique_ptr<TSnippet> TSnippetGroup::takeSnippet(TSnippet *snippet)
{
    const int index = IndexOfSnippet(snippet);
    if (index < 0)
        return nullptr;
    std::unique_ptr<TSnippet> taken = std::move(m_snippets[std::size_t(index)]);
    m_snippets.erase(m_snippets.begin() + index);
    taken->m_group = nullptr;
    return taken;
}

void TSnippetGroup::ExchangeSnippets(int i, int j)
{
    if (validIndex(i, m_snippets.size()) && validIndex(j, m_snippets.size()))
        std::swap(m_snippets[std::size_t(i)], m_snippets[std::size_t(j)]);
}

void TSnippetGroup::DeleteSnippet(int i)
{
    if (validIndex(i, m_snippets.size()))
        m_snippets.erase(m_snippets.begin() + i);
}

void TSnippetGroup::DeleteSnippet(TSnippet *snippet)
{
    DeleteSnippet(IndexOfSnippet(snippet));
}

int TSnippetGroup::IndexOfSnippet(const TSnippet *snippet) const
{
    for (std::size_t i = 0; i < m_snippets.size(); ++i) {
        if (m_snippets[i].get() == snippet)
            return int(i);
    }
    return -1;
}

void TSnippetGroup::SaveToXML(pugi::xml_node node) const
{
    for (const auto &snippet : m_snippets) {
        pugi::xml_node element = node.append_child("snippet");
        element.append_attribute("name").set_value(snippet->Name.toUtf8().constData());
        if (!snippet->Shortcut.isEmpty())
            element.append_attribute("shortcut").set_value(snippet->Shortcut.toUtf8().constData());
        appendCData(element, snippet->Code.toUtf8());
    }
    for (const auto &group : m_groups) {
        pugi::xml_node element = node.append_child("group");
        element.append_attribute("groupname").set_value(group->Name.toUtf8().constData());
        group->SaveToXML(element);
    }
}
