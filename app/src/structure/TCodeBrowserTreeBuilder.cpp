#include "structure/TCodeBrowserTreeBuilder.h"

#include "php/TPHPClassMethod.h"
#include "php/TPHPSource.h"
#include "structure/THTMLLandmarkScanner.h"

#include <QSet>
#include <array>

const QString TCodeBrowserTreeBuilder::NoElementsText = QStringLiteral("Keine PHP Elemente gefunden!");
const QString TCodeBrowserTreeBuilder::AnalysingText = QStringLiteral("PHP Code Struktur wird analysiert...");

namespace {

// Group captions by visibility value.
constexpr std::array<const char *, 3> GroupNames = {"Public", "Private", "Protected"};

QString methodCaption(const TPHPMethod &method)
{
    QString text = QStringLiteral("[func] ") + method.Name;
    if (const auto *classMethod = dynamic_cast<const TPHPClassMethod *>(&method)) {
        if (classMethod->IsAbstract)
            text += QStringLiteral(" [abstrakt]");
        if (classMethod->IsFinal)
            text += QStringLiteral(" [final]");
        if (classMethod->IsStatic)
            text += QStringLiteral(" [statisch]");
    }
    if (method.ByReference)
        text += QStringLiteral(" [ref]");
    return text;
}

QString variableCaption(const TPHPVariable &variable)
{
    QString text = QStringLiteral("[var] ") + variable.Name;
    if (!variable.Type.isEmpty())
        text += QStringLiteral(": ") + variable.Type;
    if (variable.IsStatic)
        text += QStringLiteral(" [statisch]");
    if (variable.IsReadOnly)
        text += QStringLiteral(" [readonly]");
    return text;
}

QString classCaption(const TPHPCustomClass &entity)
{
    QString text = entity.Name;
    if (entity.Kind == ckTrait)
        text = QStringLiteral("[trait] ") + text;
    else if (entity.Kind == ckEnum)
        text = QStringLiteral("[enum] ") + text + (entity.BackingType.isEmpty() ? QString() : QStringLiteral(": ") + entity.BackingType);
    if (!entity.Extends.isEmpty())
        text += QStringLiteral(" (") + entity.Extends + u')';
    if (!entity.Implements.isEmpty())
        text += QStringLiteral(" [") + entity.Implements + u']';
    if (entity.IsAbstract)
        text += QStringLiteral(" [abstrakt]");
    if (entity.IsFinal)
        text += QStringLiteral(" [final]");
    if (entity.IsReadOnly)
        text += QStringLiteral(" [readonly]");
    return text;
}

void addNamespaces(QList<TCodeBrowserNode> &roots, const TPHPSource &source)
{
    TCodeBrowserNode group{QStringLiteral("Namensräume"), -1, -1, {}};
    QSet<QString> seen;
    auto note = [&](const QString &name, int offset) {
        if (!name.isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            group.Add(name, offset);
        }
    };
    for (const auto &entity : source.Classes)
        note(entity->Namespace, entity->Offset);
    for (const auto &entity : source.Interfaces)
        note(entity->Namespace, entity->Offset);
    for (const auto &function : source.Methods)
        note(function->Namespace, function->Offset);
    if (!group.Children.isEmpty())
        roots << group;
}

} // namespace

QList<TCodeBrowserNode> TCodeBrowserTreeBuilder::Message(const QString &text)
{
    return {TCodeBrowserNode{text, -1, -1, {}}};
}

QList<TCodeBrowserNode> TCodeBrowserTreeBuilder::Build(const TPHPSource &source, QStringView htmlText)
{
    const THTMLLandmarkScanner::TResult html = THTMLLandmarkScanner::Scan(htmlText);
    if (source.Includes.empty() && source.Methods.empty() && source.Constants.empty() && source.Classes.empty()
        && source.Interfaces.empty() && html.Elements.isEmpty() && html.Functions.isEmpty())
        return Message(NoElementsText);

    QList<TCodeBrowserNode> roots;
    if (!source.Includes.empty()) {
        TCodeBrowserNode &group = roots.emplace_back(TCodeBrowserNode{QStringLiteral("Abhängigkeiten"), -1, -1, {}});
        for (const auto &include : source.Includes)
            group.Add(include->FileName.trimmed(), include->Offset);
    }
    if (!source.Methods.empty()) {
        TCodeBrowserNode &group = roots.emplace_back(TCodeBrowserNode{QStringLiteral("Funktionen"), -1, -1, {}});
        for (const auto &function : source.Methods)
            group.Add(function->Name + (function->ByReference ? QStringLiteral(" [ref]") : QString()),
                      function->Offset);
    }
    if (!source.Constants.empty()) {
        TCodeBrowserNode &group = roots.emplace_back(TCodeBrowserNode{QStringLiteral("Konstanten"), -1, -1, {}});
        for (const auto &constant : source.Constants)
            group.Add(constant->Name + QStringLiteral(" = ") + constant->Value, constant->Offset);
    }
    addNamespaces(roots, source);
    if (!source.Interfaces.empty()) {
        TCodeBrowserNode &group = roots.emplace_back(TCodeBrowserNode{QStringLiteral("Interfaces"), -1, -1, {}});
        for (const auto &entity : source.Interfaces)
            group.Children << interfaceNode(*entity);
    }
    for (const auto &entity : source.Classes)
        roots << classNode(*entity);
    if (!html.Elements.isEmpty()) {
        TCodeBrowserNode &group = roots.emplace_back(TCodeBrowserNode{QStringLiteral("HTML"), -1, -1, {}});
        for (const auto &landmark : html.Elements)
            group.Add(landmark.Text, landmark.Offset);
    }
    if (!html.Functions.isEmpty()) {
        TCodeBrowserNode &group =
            roots.emplace_back(TCodeBrowserNode{QStringLiteral("JavaScript-Funktionen"), -1, -1, {}});
        for (const auto &landmark : html.Functions)
            group.Add(landmark.Text, landmark.Offset);
    }
    return roots;
}

TCodeBrowserNode TCodeBrowserTreeBuilder::interfaceNode(const TPHPCustomClass &entity)
{
    TCodeBrowserNode node{entity.Name, entity.Offset, -1, {}};
    if (!entity.Extends.isEmpty())
        node.Text += QStringLiteral(" (") + entity.Extends + u')';
    addConstants(node, entity);
    addVisibilityGroups(node, entity, false);
    return node;
}

TCodeBrowserNode TCodeBrowserTreeBuilder::classNode(const TPHPCustomClass &entity)
{
    TCodeBrowserNode node{classCaption(entity), entity.Offset, TCodeBrowserNode::ClassImage, {}};
    if (entity.Kind == ckEnum) {
        TCodeBrowserNode cases{QStringLiteral("Fälle"), -1, -1, {}};
        for (const auto &constant : entity.Constants) {
            const auto *member = dynamic_cast<const TPHPClassConstant *>(constant.get());
            if (member && member->IsEnumCase)
                cases.Add(constant->Name + (constant->Value.isEmpty() ? QString() : QStringLiteral(" = ") + constant->Value),
                          constant->Offset);
        }
        if (!cases.Children.isEmpty())
            node.Children << cases;
    }
    addConstants(node, entity);
    addVisibilityGroups(node, entity, true);
    return node;
}

void TCodeBrowserTreeBuilder::addConstants(TCodeBrowserNode &parent, const TPHPCustomClass &entity)
{
    TCodeBrowserNode group{QStringLiteral("Konstanten"), -1, -1, {}};
    for (const auto &constant : entity.Constants) {
        const auto *member = dynamic_cast<const TPHPClassConstant *>(constant.get());
        if (!member || !member->IsEnumCase)
            group.Add(constant->Name + QStringLiteral(" = ") + constant->Value, constant->Offset);
    }
    if (!group.Children.isEmpty())
        parent.Children << group;
}

void TCodeBrowserTreeBuilder::addVisibilityGroups(TCodeBrowserNode &parent, const TPHPCustomClass &entity,
                                                  bool withVariables)
{
    for (int visibility = vvPublic; visibility <= vvProtected; ++visibility) {
        TCodeBrowserNode &group = parent.Add(QString::fromLatin1(GroupNames[size_t(visibility)]));
        for (const auto &method : entity.Methods)
            if (method->Visibility == visibility)
                group.Add(methodCaption(*method), method->Offset);
        if (!withVariables)
            continue;
        for (const auto &variable : entity.Variables)
            if (variable->Visibility == visibility)
                group.Add(variableCaption(*variable), variable->Offset);
    }
}
