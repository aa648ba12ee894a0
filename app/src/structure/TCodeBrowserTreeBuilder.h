#pragma once

#include "structure/TCodeBrowserNode.h"

#include <QStringView>

class TPHPCustomClass;
class TPHPSource;

// Turns a PHP model into the root nodes of the code browser: includes,
// global functions, define() constants, namespaces, interfaces, one root per
// class, trait and enum, and, for templates, the HTML landmarks and the
// functions of <script> blocks. A model without any of these gives the
// single message node.
class TCodeBrowserTreeBuilder
{
public:
    static QList<TCodeBrowserNode> Build(const TPHPSource &source, QStringView htmlText = {});
    static QList<TCodeBrowserNode> Message(const QString &text);

    static const QString NoElementsText;
    static const QString AnalysingText;

private:
    static TCodeBrowserNode interfaceNode(const TPHPCustomClass &entity);
    static TCodeBrowserNode classNode(const TPHPCustomClass &entity);
    static void addConstants(TCodeBrowserNode &parent, const TPHPCustomClass &entity);
    static void addVisibilityGroups(TCodeBrowserNode &parent, const TPHPCustomClass &entity, bool withVariables);
};
