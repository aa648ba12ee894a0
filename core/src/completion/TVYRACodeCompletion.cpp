#include "completion/TVYRACodeCompletion.h"

#include "highlighters/TIHighlighter.h"
#include "settings/TVYRARegistry.h"

#include <QSettings>
#include <pugixml.hpp>

namespace {

// Completion option values of the two components as created.
constexpr unsigned CompleterOptions = 1732;
constexpr unsigned ParamsOptions = 100;

QString textOf(const pugi::xml_node &node)
{
    return QString::fromUtf8(node.child_value());
}

void appendChildTexts(const pugi::xml_node &parent, QStringList &list)
{
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element)
            list.append(textOf(child));
    }
}

void writeList(pugi::xml_node parent, const QStringList &list)
{
    for (int i = 0; i < list.size(); ++i) {
        const QByteArray name = "item" + QByteArray::number(i);
        parent.append_child(name.constData()).text().set(list[i].toUtf8().constData());
    }
}

void setChildText(pugi::xml_node parent, const char *name, const QString &value)
{
    parent.append_child(name).text().set(value.toUtf8().constData());
}

// Splits "Item12" into ("item", 12); a name without a number gets -1.
std::pair<QString, qlonglong> nameAndNumber(const QString &name)
{
    qsizetype digits = name.size();
    while (digits > 0 && name[digits - 1].isDigit())
        --digits;
    bool ok = false;
    const qlonglong number = name.mid(digits).toLongLong(&ok);
    return {name.left(digits).toLower(), ok ? number : -1};
}

// Value names in the order their numbers give ("Item2" before "Item10").
QStringList sortedKeys(const QSettings &settings)
{
    QStringList keys = settings.childKeys();
    std::stable_sort(keys.begin(), keys.end(),
                     [](const QString &a, const QString &b) { return nameAndNumber(a) < nameAndNumber(b); });
    return keys;
}

} // namespace

TVYRACodeCompletion::TVYRACodeCompletion()
    : m_completer(std::make_unique<TCompletionComponent>(ctCode)),
      m_params(std::make_unique<TCompletionComponent>(ctParams))
{
    m_completer->Options = CompleterOptions;
    m_completer->ShortCut = QKeySequence(Qt::CTRL | Qt::Key_Space);
    m_params->Options = ParamsOptions;
    m_params->ShortCut = QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Space);
}

TVYRACodeCompletion::~TVYRACodeCompletion() = default;

void TVYRACodeCompletion::Load(const pugi::xml_node &node)
{
    appendChildTexts(node.child("supported"), Supported);
    const pugi::xml_node settings = node.child("settings");
    if (!settings)
        return;
    m_completer->TriggerChars = textOf(settings.child("TriggerChars"));
    m_completer->EndOfTokenChr = textOf(settings.child("EndOfTokenChr"));
    QStringList items = m_completer->ItemList();
    appendChildTexts(settings.child("items"), items);
    m_completer->SetItemList(items);
}

void TVYRACodeCompletion::Load(QSettings &settings)
{
    for (const QString &key : sortedKeys(settings))
        Supported.append(settings.value(key).toString());
    settings.beginGroup(QStringLiteral("settings"));
    m_completer->TriggerChars = settings.value(QStringLiteral("TriggerChars")).toString();
    m_completer->EndOfTokenChr = settings.value(QStringLiteral("EndOfTokenChr")).toString();
    settings.beginGroup(QStringLiteral("items"));
    QStringList items = m_completer->ItemList();
    for (const QString &key : sortedKeys(settings))
        items.append(settings.value(key).toString());
    m_completer->SetItemList(items);
    settings.endGroup();
    settings.endGroup();
}

void TVYRACodeCompletion::Load(quint32 root, const QString &key)
{
    Load(*TVYRARegistry::Open(root, key));
}

void TVYRACodeCompletion::Save(pugi::xml_node node)
{
    TCompletionComponent &completer = *GetCompleter();
    while (node.first_child())
        node.remove_child(node.first_child());
    writeList(node.append_child("supported"), Supported);
    pugi::xml_node settings = node.append_child("settings");
    setChildText(settings, "TriggerChars", completer.TriggerChars);
    setChildText(settings, "EndOfTokenChr", completer.EndOfTokenChr);
    writeList(settings.append_child("items"), completer.ItemList());
    writeList(settings.append_child("inserts"), completer.InsertList());
}

void TVYRACodeCompletion::Save(QSettings &settings)
{
    TCompletionComponent &completer = *GetCompleter();
    settings.remove(QString());
    for (int i = 0; i < Supported.size(); ++i)
        settings.setValue(QStringLiteral("Highlighter%1").arg(i), Supported[i]);
    settings.beginGroup(QStringLiteral("settings"));
    settings.setValue(QStringLiteral("TriggerChars"), completer.TriggerChars);
    settings.setValue(QStringLiteral("EndOfTokenChr"), completer.EndOfTokenChr);
    const QStringList &items = completer.ItemList();
    for (int i = 0; i < items.size(); ++i)
        settings.setValue(QStringLiteral("items/Item%1").arg(i), items[i]);
    const QStringList &inserts = completer.InsertList();
    for (int i = 0; i < inserts.size(); ++i)
        settings.setValue(QStringLiteral("inserts/Insert%1").arg(i), inserts[i]);
    settings.endGroup();
}

void TVYRACodeCompletion::Save(quint32 root, const QString &key)
{
    Save(*TVYRARegistry::Open(root, key));
}

bool TVYRACodeCompletion::Supports(const TIHighlighter &entry) const
{
    return Supported.contains(entry.ShortName(), Qt::CaseInsensitive)
           || Supported.contains(entry.LongName(), Qt::CaseInsensitive);
}
