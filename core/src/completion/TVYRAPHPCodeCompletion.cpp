#include "completion/TVYRAPHPCodeCompletion.h"

#include "completion/ICompletionEditor.h"

namespace {

// Option bits the completer gains: 256 at construction, 16 and 32 with the functions.
constexpr unsigned PHPCompleterOption = 256;
constexpr unsigned LoadedCompleterOptions = 16 | 32;

const char *const ItemFormat = "\\color{clNavy}function\\color{0}     \\column{}\\style{+B}%1\\style{-B}%2";

QString attr(const pugi::xml_node &node, const char *name)
{
    return QString::fromUtf8(node.attribute(name).value());
}

bool isOptional(const pugi::xml_node &param)
{
    const QString value = attr(param, "optional").trimmed();
    return value.compare(QLatin1StringView("True"), Qt::CaseInsensitive) == 0 || value == u"1";
}

QList<pugi::xml_node> paramsOf(const pugi::xml_node &function)
{
    QList<pugi::xml_node> params;
    for (pugi::xml_node child = function.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element)
            params.append(child);
    }
    return params;
}

} // namespace

TVYRAPHPCodeCompletion::TVYRAPHPCodeCompletion()
{
    m_completer->EndOfTokenChr = QStringLiteral("()[].<>");
    m_completer->TriggerChars = QStringLiteral(">");
    m_completer->Options |= PHPCompleterOption;
    m_params->TriggerChars = QStringLiteral("(");
    std::weak_ptr<int> alive = m_alive;
    m_params->OnExecute = [this, alive](TCompletionComponent &sender, bool &canExecute) {
        if (alive.expired()) {
            canExecute = false;
            return;
        }
        OnParamsExecute(sender, canExecute);
    };
}

TVYRAPHPCodeCompletion::~TVYRAPHPCodeCompletion() = default;

void TVYRAPHPCodeCompletion::Load(const pugi::xml_node &node)
{
    if (!m_pending) {
        LoadFunctions(node);
        return;
    }
    for (pugi::xml_node child = node.child("supportedhighlighter"); child;
         child = child.next_sibling("supportedhighlighter"))
        Supported.append(QString::fromUtf8(child.child_value()));
    m_phpVersion = attr(node, "phpversion");
    // Keep the node: in the handed-over document, else in a copy of our own.
    if (!m_document || node.root() != m_document->root()) {
        m_document = std::make_shared<pugi::xml_document>();
        m_node = m_document->append_copy(node);
    } else {
        m_node = node;
    }
}

void TVYRAPHPCodeCompletion::EnsureLoaded()
{
    if (!m_pending)
        return;
    m_pending = false;
    if (m_node)
        Load(m_node);
    m_node = pugi::xml_node();
    m_document.reset();
}

void TVYRAPHPCodeCompletion::LoadFunctions(const pugi::xml_node &node)
{
    m_completer->Options |= LoadedCompleterOptions;
    QStringList items = m_completer->ItemList();
    QStringList inserts = m_completer->InsertList();
    for (pugi::xml_node function = node.child("function"); function; function = function.next_sibling("function")) {
        const QString name = attr(function, "name");
        inserts.append(name);
        items.append(QString::fromLatin1(ItemFormat).arg(name, SignatureText(function)));
        // The first of equal names wins, as a walk in catalogue order would find it.
        const QString key = name.toCaseFolded();
        if (!m_functionIndex.contains(key))
            m_functionIndex.insert(key, int(FunctionNames.size()));
        FunctionNames.append(name);
        ParamLists.append(ParamListText(function));
    }
    m_completer->SetItemList(items);
    m_completer->SetInsertList(inserts);
}

TCompletionComponent *TVYRAPHPCodeCompletion::GetCompleter()
{
    EnsureLoaded();
    return m_completer.get();
}

TCompletionComponent *TVYRAPHPCodeCompletion::GetParams()
{
    EnsureLoaded();
    return m_params.get();
}

int TVYRAPHPCodeCompletion::FindFunction(const QString &name)
{
    EnsureLoaded();
    return m_functionIndex.value(name.toCaseFolded(), -1);
}

void TVYRAPHPCodeCompletion::OnParamsExecute(TCompletionComponent &sender, bool &canExecute)
{
    EnsureLoaded();
    const ICompletionEditor *editor = sender.Editor();
    if (!editor)
        return;
    const TPHPCallPosition call = TPHPParamScanner::Scan(editor->CaretLineText(), editor->CaretColumn(),
                                                         [this](const QString &n) { return FindFunction(n); });
    canExecute = call.Found();
    if (!canExecute) {
        sender.ClearLists();
        // The list is gone: the next call must fill it again, even for the same function.
        sender.LastFunction.clear();
        return;
    }
    sender.CurrentIndex = call.ParamIndex;
    const QString &function = FunctionNames[call.FunctionIndex];
    if (sender.LastFunction != function || sender.ItemList().isEmpty()) {
        sender.SetItemList({ParamLists[call.FunctionIndex]});
        sender.LastFunction = function;
    }
}

QString TVYRAPHPCodeCompletion::SignatureText(const pugi::xml_node &function)
{
    const QList<pugi::xml_node> params = paramsOf(function);
    QString text;
    int optionals = 0;
    for (int i = 0; i < params.size(); ++i) {
        const pugi::xml_node &param = params[i];
        const bool optional = isOptional(param);
        if (optional)
            ++optionals;
        const QString type = attr(param, "type");
        const QString name = attr(param, "name");
        if (i + 1 < params.size())
            text += (i == 0 && optional ? QStringLiteral("[ %1 %2 ,[ ") : QStringLiteral("%1 %2, ")).arg(type, name);
        else if (optionals == 0)
            text += QStringLiteral("%1 %2").arg(type, name);
        else if (optionals == 1)
            text += QStringLiteral("[ %1 %2 ]").arg(type, name);
        else
            text += QStringLiteral("%1 %2 %3").arg(type, name, QString(optionals, u']'));
    }
    return QStringLiteral("(%1)").arg(text);
}

QString TVYRAPHPCodeCompletion::ParamListText(const pugi::xml_node &function)
{
    QStringList quoted;
    for (const pugi::xml_node &param : paramsOf(function)) {
        QString entry = attr(param, "type") + u' ' + attr(param, "name");
        entry.replace(u'"', QStringLiteral("\"\""));
        quoted.append(u'"' + entry + u'"');
    }
    return quoted.join(QStringLiteral(", "));
}
