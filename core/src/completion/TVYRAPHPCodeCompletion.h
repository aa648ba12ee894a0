#pragma once

#include "completion/TPHPParamScanner.h"
#include "completion/TVYRACodeCompletion.h"

#include <QHash>
#include <pugixml.hpp>

// The PHP function catalogue, read from
//   <codecompletion phpversion="8.2.1">
//     <supportedhighlighter>php</supportedhighlighter>
//     <function name="str_replace">
//       <param type="array|string" name="$search" optional="False"/> ...
//     </function> ...
// The first Load only takes the supported highlighters and keeps the node;
// the functions are read when an editor first asks for the lists, so that
// start-up does not wait for thousands of functions.
class VYRA_EXPORT TVYRAPHPCodeCompletion : public TVYRACodeCompletion
{
public:
    TVYRAPHPCodeCompletion();
    ~TVYRAPHPCodeCompletion() override;

    void Load(const pugi::xml_node &node) override;
    TCompletionComponent *GetCompleter() override;
    TCompletionComponent *GetParams() override;

    // Run before a parameter hint opens: finds the call at the caret of the
    // sender's editor and fills the sender with that function's parameters.
    void OnParamsExecute(TCompletionComponent &sender, bool &canExecute);

    // The catalogue index of a function name (any case), or -1.
    int FindFunction(const QString &name);
    // The PHP version the catalogue was made from; empty when not recorded.
    const QString &PHPVersion() const { return m_phpVersion; }
    bool Pending() const { return m_pending; }

    QStringList FunctionNames;
    // The parameter-hint text of each function: its parameters as
    // "type name", each in double quotes, joined by ", ".
    QStringList ParamLists;

    // "(type name, [ type name ])": the shown form of a parameter list, with
    // optional parameters in brackets.
    static QString SignatureText(const pugi::xml_node &function);
    static QString ParamListText(const pugi::xml_node &function);

private:
    void EnsureLoaded();
    void LoadFunctions(const pugi::xml_node &node);

    bool m_pending = true;
    pugi::xml_node m_node;
    QString m_phpVersion;
    QHash<QString, int> m_functionIndex; // case-folded name -> first index
    // Handlers handed to editors' components check this before they use the catalogue.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};
