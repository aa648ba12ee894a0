#include "highlighters/TIHighlighters.h"

#include "editor/TCodeEditor.h"
#include "editor/TSynMultiSyn.h"
#include "utils/XmlStore.h"
#include "highlighters/THighlighterAttributeFile.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TStoredMultiHighlighter.h"
#include "highlighters/TSynMultiSynLiteral.h"
#include "utils/XmlNodes.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const char *RootName = "multihighlighter";

int colorToStored(const QColor &color)
{
    if (!color.isValid())
        return -1;
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

void writeScheme(pugi::xml_node parent, const TScheme &scheme, const QString &highlighterName)
{
    pugi::xml_node item = parent.append_child("item");
    SetNodeText(item, QStringLiteral("startexpr"), scheme.startExpr(), false);
    SetNodeText(item, QStringLiteral("endexpr"), scheme.endExpr(), false);
    SetNodeText(item, QStringLiteral("highlighter"), highlighterName);
    pugi::xml_node marker = item.append_child("markerattributes");
    SetNodeInt(marker, QStringLiteral("background"), colorToStored(scheme.markerAttributes().background()));
    SetNodeInt(marker, QStringLiteral("foreground"), colorToStored(scheme.markerAttributes().foreground()));
    SetNodeInt(marker, QStringLiteral("style"), int(scheme.markerAttributes().style()));
}
} // namespace

TIHighlighters::TIHighlighters(TMultiHighlighterFactory factory, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory))
{
}

TIHighlighters::~TIHighlighters()
{
    // Copies share plain highlighters and schemes point into other entries:
    // free the multi-highlighters (the later entries) first.
    while (!m_entries.empty())
        m_entries.pop_back();
}

std::unique_ptr<TSynMultiSyn> TIHighlighters::CreateMultiSyn(const QString &name, const QString &longName) const
{
    if (m_factory) {
        if (std::unique_ptr<TSynMultiSyn> multi = m_factory(name, longName))
            return multi;
    }
    return std::make_unique<TSynMultiSynLiteral>(name, longName);
}

TIHighlighter *TIHighlighters::GetHighlighter(int i) const
{
    return i >= 0 && i < GetHighlighterCount() ? m_entries[size_t(i)].get() : nullptr;
}

void TIHighlighters::Clear()
{
    while (!m_entries.empty())
        m_entries.pop_back();
}

TIHighlighter *TIHighlighters::AddHighlighter(std::unique_ptr<TIHighlighter> entry)
{
    if (!entry)
        return nullptr;
    m_entries.push_back(std::move(entry));
    return m_entries.back().get();
}

TIHighlighter *TIHighlighters::AddHighlighter(const QString &shortName, const QString &longName,
                                              std::shared_ptr<TSynCustomHighlighter> highlighter)
{
    return AddHighlighter(std::make_unique<TIHighlighter>(this, shortName, longName, std::move(highlighter)));
}

bool TIHighlighters::DelHighlighter(int i)
{
    if (i <= 0 || i >= GetHighlighterCount())
        return false;
    std::unique_ptr<TIHighlighter> removed = std::move(m_entries[size_t(i)]);
    m_entries.erase(m_entries.begin() + i);
    repointOrphans(*removed, *DefaultHighlighter());
    emit highlighterRemoved(removed.get(), DefaultHighlighter());
    return true;
}

bool TIHighlighters::SetHighlighter(int i, std::unique_ptr<TIHighlighter> entry)
{
    if (!entry || i < 0 || i >= GetHighlighterCount())
        return false;
    std::unique_ptr<TIHighlighter> replaced = std::move(m_entries[size_t(i)]);
    m_entries[size_t(i)] = std::move(entry);
    repointOrphans(*replaced, *m_entries[size_t(i)]);
    emit highlighterRemoved(replaced.get(), m_entries[size_t(i)].get());
    return true;
}

bool TIHighlighters::isRegisteredPlain(const TSynCustomHighlighter *highlighter) const
{
    for (const auto &entry : m_entries) {
        if (!entry->IsCopy() && entry->GetHighlighter() == highlighter)
            return true;
    }
    return false;
}

void TIHighlighters::repointOrphans(const TIHighlighter &gone, const TIHighlighter &replacement)
{
    const TIHighlighter &fallback = *DefaultHighlighter();
    // What used the entry that went uses its replacement when that is
    // registered, anything else left without an owner uses entry 0.
    auto plainFor = [&](const TSynCustomHighlighter *old) -> const TIHighlighter & {
        if (old == gone.GetHighlighter() && isRegisteredPlain(replacement.GetHighlighter()))
            return replacement;
        return fallback;
    };
    for (const auto &entry : m_entries) {
        if (!isRegisteredPlain(entry->GetHighlighter()))
            entry->SetPlainHighlighter(plainFor(entry->GetHighlighter()).SharedHighlighter());
        TSynMultiSyn *multi = entry->MultiHighlighter();
        for (int s = 0; s < multi->schemeCount(); ++s) {
            TScheme &scheme = multi->scheme(s);
            if (scheme.highlighter() && !isRegisteredPlain(scheme.highlighter()))
                scheme.setHighlighter(plainFor(scheme.highlighter()).GetHighlighter());
        }
    }
    m_editors.removeIf([](const QPointer<TCodeEditor> &e) { return e.isNull(); });
    for (const QPointer<TCodeEditor> &editor : std::as_const(m_editors)) {
        const TSynCustomHighlighter *shown = editor->highlighter();
        if (!shown || IndexOf(shown) >= 0)
            continue;
        const bool showedGone = shown == gone.EditorHighlighter() && IndexOf(replacement.EditorHighlighter()) >= 0;
        editor->setHighlighter((showedGone ? replacement : fallback).EditorHighlighter());
    }
}

int TIHighlighters::IndexOf(const QString &name) const
{
    for (int i = 0; i < GetHighlighterCount(); ++i) {
        if (m_entries[size_t(i)]->ShortName() == name || m_entries[size_t(i)]->LongName() == name)
            return i;
    }
    return -1;
}

int TIHighlighters::IndexOf(const TSynCustomHighlighter *highlighter) const
{
    if (!highlighter)
        return -1;
    for (int i = 0; i < GetHighlighterCount(); ++i) {
        const TIHighlighter &entry = *m_entries[size_t(i)];
        if (entry.IsMultiHighlighter() ? entry.MultiHighlighter() == highlighter : entry.GetHighlighter() == highlighter)
            return i;
    }
    // A multi-highlighter's default highlighter belongs to the entry it was made from.
    for (int i = 0; i < GetHighlighterCount(); ++i) {
        if (m_entries[size_t(i)]->GetHighlighter() == highlighter)
            return i;
    }
    return -1;
}

int TIHighlighters::IndexOf(const QObject *component) const
{
    for (int i = 0; component && i < GetHighlighterCount(); ++i) {
        const TIHighlighter &entry = *m_entries[size_t(i)];
        for (int c = 0; c < entry.GetCompCount(); ++c) {
            if (entry.GetComponent(c) == component)
                return i;
        }
    }
    return -1;
}

int TIHighlighters::IndexOfEntry(const TIHighlighter &entry) const
{
    for (int i = 0; i < GetHighlighterCount(); ++i) {
        if (m_entries[size_t(i)]->ShortName() == entry.ShortName())
            return i;
    }
    return -1;
}

TIHighlighter *TIHighlighters::FindHighlighter(const QString &name) const
{
    return GetHighlighter(IndexOf(name));
}

QString TIHighlighters::ShortNameToLongName(const QString &name) const
{
    const TIHighlighter *entry = FindHighlighter(name);
    return entry ? entry->LongName() : name;
}

void TIHighlighters::ListHighlighters(QStringList &strings, bool PlainOnly, QList<TIHighlighter *> *objects) const
{
    const TIHighlighter *first = DefaultHighlighter();
    for (const auto &entry : m_entries) {
        if (PlainOnly && (entry->IsMultiHighlighter() || entry->ShortName() == first->ShortName()
                          || entry->LongName() == first->LongName()))
            continue;
        strings.append(entry->LongName());
        if (objects)
            objects->append(entry.get());
    }
}

bool TIHighlighters::IsShortNameTaken(const QString &name, const TIHighlighter *except) const
{
    if (name.isEmpty())
        return true;
    for (const auto &entry : m_entries) {
        if (entry.get() != except && (entry->ShortName() == name || entry->LongName() == name))
            return true;
    }
    return false;
}

QString TIHighlighters::ShortNameOf(const TSynCustomHighlighter *highlighter) const
{
    for (const auto &entry : m_entries) {
        if (entry->GetHighlighter() == highlighter)
            return entry->ShortName();
    }
    return {};
}

void TIHighlighters::InitialiseMultiHighlighters(const QString &FileName)
{
    if (!QFileInfo::exists(FileName)) {
        // The shared data folder may be read-only: then there is simply nothing to read.
        CreateXMLFile(FileName, QString::fromLatin1(RootName), {});
        return;
    }
    pugi::xml_document doc;
    if (LoadXmlStore(doc, FileName, RootName))
        ReadMultiHighlighters(doc.document_element());
}

void TIHighlighters::ReadMultiHighlighters(const pugi::xml_node &root)
{
    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element && !addStoredMultiHighlighter(TStoredMultiHighlighter::FromXml(node)))
            return;
    }
}

void TIHighlighters::InitialiseMultiHighlighters(QSettings &settings, const QString &KeyPath)
{
    settings.beginGroup(KeyPath);
    const QStringList keys = settings.childGroups();
    for (const QString &key : keys) {
        settings.beginGroup(key);
        TStoredMultiHighlighter stored = TStoredMultiHighlighter::FromSettings(settings);
        settings.endGroup();
        if (!addStoredMultiHighlighter(stored))
            break;
    }
    settings.endGroup();
}

bool TIHighlighters::addStoredMultiHighlighter(const TStoredMultiHighlighter &stored)
{
    TIHighlighter *base = FindHighlighter(stored.defaultHighlighter);
    if (!base)
        base = DefaultHighlighter();
    if (!base)
        return false;
    auto copy = std::make_unique<TIHighlighter>(*base);
    copy->DeleteAllComponents();
    AddHighlighter(std::move(copy))->InitialiseMultiHighlighting(stored);
    return true;
}

bool TIHighlighters::SaveMultihighlighters(const QString &FileName) const
{
    pugi::xml_document doc;
    if (!OpenXmlStoreForSave(doc, FileName, RootName))
        return false;
    pugi::xml_node root = doc.document_element();
    for (const auto &entry : m_entries) {
        const QString defaultName = ShortNameOf(entry->GetHighlighter());
        if (!entry->IsMultiHighlighter() || defaultName.isEmpty())
            continue;
        pugi::xml_node node = root.append_child("highlighter");
        SetNodeText(node, QStringLiteral("name"), entry->LongName());
        SetNodeText(node, QStringLiteral("shortname"), entry->ShortName());
        SetNodeText(node, QStringLiteral("defaulthighlighter"), defaultName);
        pugi::xml_node schemes = node.append_child("subhighlighters");
        const TSynMultiSyn &multi = *entry->MultiHighlighter();
        for (int s = 0; s < multi.schemeCount(); ++s) {
            const QString name = ShortNameOf(multi.scheme(s).highlighter());
            if (!name.isEmpty())
                writeScheme(schemes, multi.scheme(s), name);
        }
    }
    SaveXmlStore(doc, FileName);
    return true;
}

void TIHighlighters::loadAttributesOf(TSynCustomHighlighter *highlighter, const QString &userDir,
                                      const QString &commonDir) const
{
    const QString name = ShortNameOf(highlighter);
    if (!highlighter || name.isEmpty())
        return;
    const QString userFile = THighlighterAttributeFile::FileName(userDir, name);
    THighlighterAttributeFile::Load(*highlighter, QFileInfo::exists(userFile)
                                                      ? userFile
                                                      : THighlighterAttributeFile::FileName(commonDir, name));
}

void TIHighlighters::LoadAttributes(const TIHighlighter &entry, const QString &userDir, const QString &commonDir) const
{
    loadAttributesOf(entry.GetHighlighter(), userDir, commonDir);
    const TSynMultiSyn &multi = *entry.MultiHighlighter();
    for (int s = 0; s < multi.schemeCount(); ++s)
        loadAttributesOf(multi.scheme(s).highlighter(), userDir, commonDir);
}

void TIHighlighters::TrackEditor(TCodeEditor *editor)
{
    if (editor && !m_editors.contains(editor))
        m_editors.append(editor);
}
