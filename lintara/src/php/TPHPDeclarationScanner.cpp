#include "php/TPHPDeclarationScanner.h"

#include "php/TPHPClassMethod.h"
#include "php/TPHPLexer.h"
#include "php/TPHPPatterns.h"
#include "regex/RegexExceptions.h"

#include <algorithm>

namespace {

bool is(QStringView word, const char *keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v';
}

bool isOpening(char16_t c)
{
    return c == u'(' || c == u'[' || c == u'{';
}

bool isClosing(char16_t c)
{
    return c == u')' || c == u']' || c == u'}';
}

template<typename List>
void eraseOpen(List &list, const QSet<const TPHPEntity *> &open)
{
    std::erase_if(list, [&](const auto &e) { return open.contains(e.get()); });
}

} // namespace

TPHPDeclarationScanner::TPHPDeclarationScanner(QStringView text, QStringView mask, int32_t baseOffset,
                                               TPHPCustomClass *owner)
    : m_text(text), m_mask(mask), m_n(int32_t(std::min(text.size(), mask.size()))), m_base(baseOffset),
      m_owner(owner)
{
}

int32_t TPHPDeclarationScanner::skipBlanks(int32_t i) const
{
    while (i < m_n && isBlank(m_mask[i].unicode()))
        ++i;
    return i;
}

int32_t TPHPDeclarationScanner::identEnd(int32_t i) const
{
    while (i < m_n && (TPHPLexer::IsIdentChar(m_mask[i].unicode()) || m_mask[i] == u'\\'))
        ++i;
    return i;
}

int32_t TPHPDeclarationScanner::closingBracket(int32_t open) const
{
    int depth = 0;
    for (int32_t i = open; i < m_n; ++i) {
        const char16_t c = m_mask[i].unicode();
        if (isOpening(c))
            ++depth;
        else if (isClosing(c) && --depth == 0)
            return i + 1;
    }
    return m_n;
}

int32_t TPHPDeclarationScanner::expressionEnd(int32_t from) const
{
    int depth = 0;
    for (int32_t i = from; i < m_n; ++i) {
        const char16_t c = m_mask[i].unicode();
        if (isOpening(c)) {
            ++depth;
        } else if (isClosing(c)) {
            if (depth == 0)
                return i;
            --depth;
        } else if (depth == 0 && (c == u',' || c == u';')) {
            return i;
        }
    }
    return m_n;
}

TPHPCustomClass *TPHPDeclarationScanner::currentClass() const
{
    if (m_scopes.empty() || m_scopes.back().Kind != TScopeKind::ClassBody)
        return nullptr;
    return static_cast<TPHPCustomClass *>(m_scopes.back().Entity);
}

TPHPDeclarations TPHPDeclarationScanner::Run()
{
    int32_t i = 0;
    while (i < m_n) {
        const char16_t c = m_mask[i].unicode();
        if (c <= u' ') {
            ++i;
            continue;
        }
        if (TPHPLexer::IsIdentStart(c) || c == u'\\') {
            i = handleWord(i, identEnd(i));
            continue;
        }
        if (c >= u'0' && c <= u'9') {
            while (i < m_n && (TPHPLexer::IsIdentChar(m_mask[i].unicode()) || m_mask[i] == u'.'))
                ++i;
            m_previous = TPrevious::Other;
            continue;
        }
        switch (c) {
        case u'$':
            if (TPHPLexer::IsIdentStart(at(i + 1)) && m_previous != TPrevious::Member && currentClass()
                && m_statement.FirstModifier >= 0) {
                i = readProperties(i);
                continue;
            }
            i = identEnd(i + 1);
            m_previous = TPrevious::Other;
            continue;
        case u'{':
            openBrace(i);
            ++i;
            continue;
        case u'}':
            closeBrace(i);
            ++i;
            continue;
        case u';':
            m_statement = {};
            break;
        case u'#':
            if (at(i + 1) == u'[') { // an attribute
                i = closingBracket(i + 1);
                continue;
            }
            break;
        case u'-':
            if (at(i + 1) == u'>') {
                m_previous = TPrevious::Member;
                i += 2;
                continue;
            }
            break;
        case u'?':
            if (at(i + 1) == u'-' && at(i + 2) == u'>') {
                m_previous = TPrevious::Member;
                i += 3;
                continue;
            }
            break;
        case u':':
            if (at(i + 1) == u':') {
                m_previous = TPrevious::Member;
                i += 2;
                continue;
            }
            break;
        default:
            break;
        }
        m_previous = TPrevious::Other;
        ++i;
    }
    dropUnclosed();
    return std::move(m_result);
}

bool TPHPDeclarationScanner::recordModifier(QStringView word, int32_t start, int32_t end)
{
    const bool inClass = currentClass() != nullptr;
    TStatement &s = m_statement;
    if (is(word, "abstract"))
        s.IsAbstract = true;
    else if (is(word, "final"))
        s.IsFinal = true;
    else if (is(word, "readonly"))
        s.IsReadOnly = true;
    else if (inClass && is(word, "static"))
        s.IsStatic = true;
    else if (inClass && (is(word, "public") || is(word, "private") || is(word, "protected")))
        s.Visibility = word;
    else if (!(inClass && is(word, "var")))
        return false;
    if (s.FirstModifier < 0)
        s.FirstModifier = start;
    s.LastModifierEnd = end;
    m_previous = TPrevious::Other;
    return true;
}

int32_t TPHPDeclarationScanner::handleWord(int32_t start, int32_t end)
{
    const QStringView word = m_mask.mid(start, end - start);
    if (m_previous == TPrevious::Member) { // ->name, ::name
        m_previous = TPrevious::Other;
        return end;
    }
    const TScopeKind top = m_scopes.empty() ? TScopeKind::Block : m_scopes.back().Kind;
    if (top == TScopeKind::ClassBody || top == TScopeKind::AnonymousClassBody)
        return handleMemberWord(word, start, end);
    const TPrevious previous = m_previous;
    m_previous = TPrevious::Other;
    switch (word.size()) {
    case 3:
        if (is(word, "new"))
            m_previous = TPrevious::New;
        break;
    case 4:
        if (is(word, "enum"))
            return readClassLike(start, end, false);
        break;
    case 5:
        if (is(word, "class"))
            return previous == TPrevious::New ? readAnonymousClass(end) : readClassLike(start, end, false);
        if (is(word, "trait"))
            return readClassLike(start, end, false);
        recordModifier(word, start, end);
        break;
    case 6:
        if (is(word, "define"))
            return readDefine(start, end);
        break;
    case 7:
        if (is(word, "include") || is(word, "require"))
            return readInclude(start, end);
        break;
    case 8:
        if (is(word, "function"))
            return readFunction(start, end);
        recordModifier(word, start, end);
        break;
    case 9:
        if (is(word, "interface"))
            return readClassLike(start, end, true);
        if (is(word, "namespace") && m_scopes.empty())
            return readNamespace(start, end);
        break;
    case 12:
        if (is(word, "include_once") || is(word, "require_once"))
            return readInclude(start, end);
        break;
    default:
        break;
    }
    return end;
}

int32_t TPHPDeclarationScanner::handleMemberWord(QStringView word, int32_t start, int32_t end)
{
    if (recordModifier(word, start, end))
        return end;
    m_previous = TPrevious::Other;
    if (is(word, "function"))
        return readFunction(start, end);
    TPHPCustomClass *cls = currentClass();
    if (cls && is(word, "const"))
        return readConstants(start, end, false);
    if (cls && cls->Kind == ckEnum && is(word, "case"))
        return readConstants(start, end, true);
    return end;
}

int32_t TPHPDeclarationScanner::readClassLike(int32_t keyword, int32_t end, bool isInterface)
{
    const TPHPPatterns &patterns = TPHPPatterns::Instance();
    const int32_t headerStart = (!isInterface && m_statement.FirstModifier >= 0) ? m_statement.FirstModifier : keyword;
    QList<int32_t> g;
    try {
        if (!(isInterface ? patterns.InterfaceRegex : patterns.ClassRegex).MatchOffsets(m_mask, headerStart, {}, g))
            return end;
    } catch (const ERegexException &) {
        return end; // a limit hit: not a declaration we can read
    }
    auto group = [&](int n) {
        return g[2 * n] < 0 ? QString() : m_mask.mid(g[2 * n], g[2 * n + 1] - g[2 * n]).toString().simplified();
    };
    const int nameGroup = isInterface ? 1 : 3;
    std::unique_ptr<TPHPCustomClass> entity;
    if (isInterface) {
        auto i = std::make_unique<TPHPInterface>(m_owner, m_base + headerStart);
        i->Extends = group(2);
        entity = std::move(i);
    } else {
        auto c = std::make_unique<TPHPClass>(m_owner, m_base + headerStart);
        const QString modifiers = group(1).toLower();
        c->IsAbstract = modifiers.contains(QLatin1String("abstract"));
        c->IsFinal = modifiers.contains(QLatin1String("final"));
        c->IsReadOnly = modifiers.contains(QLatin1String("readonly"));
        const QString kind = group(2).toLower();
        c->Kind = kind == QLatin1String("trait") ? ckTrait : kind == QLatin1String("enum") ? ckEnum : ckClass;
        c->BackingType = group(4);
        c->Extends = group(5);
        c->Implements = group(6);
        entity = std::move(c);
    }
    entity->Name = original(g[2 * nameGroup], g[2 * nameGroup + 1]);
    entity->NameOffset = m_base + g[2 * nameGroup];
    entity->Namespace = m_namespace;
    m_pendingKind = TScopeKind::ClassBody;
    m_pendingEntity = entity.get();
    m_open.insert(entity.get());
    if (isInterface)
        m_result.Interfaces.emplace_back(static_cast<TPHPInterface *>(entity.release()));
    else
        m_result.Classes.emplace_back(static_cast<TPHPClass *>(entity.release()));
    return skipBlanks(g[1]);
}

int32_t TPHPDeclarationScanner::readAnonymousClass(int32_t end)
{
    int32_t i = skipBlanks(end);
    if (at(i) == u'(')
        i = closingBracket(i);
    while (i < m_n && at(i) != u'{' && at(i) != u';')
        ++i;
    if (at(i) == u'{') {
        m_pendingKind = TScopeKind::AnonymousClassBody;
        m_pendingEntity = nullptr;
    }
    return i;
}

int32_t TPHPDeclarationScanner::readFunction(int32_t keyword, int32_t end)
{
    int32_t i = skipBlanks(end);
    const bool byReference = at(i) == u'&';
    if (byReference)
        i = skipBlanks(i + 1);
    if (!TPHPLexer::IsIdentStart(at(i)))
        return end; // a closure
    const int32_t nameStart = i;
    const int32_t nameEnd = identEnd(i);
    i = skipBlanks(nameEnd);
    if (at(i) != u'(')
        return nameEnd;
    const int32_t open = i;
    const int32_t afterClose = closingBracket(open);
    int32_t headerEnd = afterClose;
    QString returnType;
    i = skipBlanks(afterClose);
    if (at(i) == u':') {
        int32_t t = i + 1;
        while (t < m_n && at(t) != u'{' && at(t) != u';' && at(t) != u'}')
            ++t;
        returnType = m_mask.mid(i + 1, t - i - 1).toString().simplified();
        headerEnd = t;
        while (headerEnd > afterClose && isBlank(at(headerEnd - 1)))
            --headerEnd;
        i = t;
    }
    const bool hasBody = at(i) == u'{';
    const TScopeKind top = m_scopes.empty() ? TScopeKind::Block : m_scopes.back().Kind;
    TPHPCustomClass *cls = currentClass();
    if (top == TScopeKind::AnonymousClassBody || (!hasBody && !(cls && at(i) == u';'))) {
        if (hasBody) {
            m_pendingKind = TScopeKind::FunctionBody;
            m_pendingEntity = nullptr;
            return i;
        }
        return afterClose;
    }
    const int32_t offset = (cls && m_statement.FirstModifier >= 0) ? m_statement.FirstModifier : keyword;
    std::unique_ptr<TPHPMethod> method;
    if (!cls) {
        method = std::make_unique<TPHPMethod>(m_owner, QString(), m_base + offset);
        method->Namespace = m_namespace;
    } else if (dynamic_cast<TPHPInterface *>(cls)) {
        method = std::make_unique<TPHPInterfaceMethod>(cls, QString(), m_base + offset);
        method->Visibility = VisibilityOf(m_statement.Visibility);
    } else {
        auto m = std::make_unique<TPHPClassMethod>(cls, QString(), m_base + offset);
        m->Visibility = VisibilityOf(m_statement.Visibility);
        m->IsStatic = m_statement.IsStatic;
        m->IsAbstract = m_statement.IsAbstract;
        m->IsFinal = m_statement.IsFinal;
        method = std::move(m);
    }
    method->Name = original(nameStart, nameEnd);
    method->NameOffset = m_base + nameStart;
    method->ByReference = byReference;
    method->ReturnType = returnType;
    method->Declaration = original(offset, headerEnd);
    fillParameters(*method, open, afterClose - 1);
    TPHPMethod *raw = method.get();
    (cls ? cls->Methods : m_result.Functions).push_back(std::move(method));
    if (hasBody) {
        m_pendingKind = TScopeKind::FunctionBody;
        m_pendingEntity = raw;
        m_open.insert(raw);
        return i;
    }
    raw->SourceText = original(offset, i + 1);
    m_statement = {};
    return i + 1;
}

void TPHPDeclarationScanner::fillParameters(TPHPMethod &method, int32_t open, int32_t close) const
{
    int32_t p = open + 1;
    while (p < close) {
        const int32_t e = std::min(expressionEnd(p), close);
        const QString parameter = original(p, e).trimmed();
        if (!parameter.isEmpty())
            method.Parameters.append(parameter);
        if (at(e) != u',')
            break;
        p = e + 1;
    }
}

int32_t TPHPDeclarationScanner::readProperties(int32_t dollar)
{
    TPHPCustomClass *cls = currentClass();
    const QString type = m_mask.mid(m_statement.LastModifierEnd, dollar - m_statement.LastModifierEnd)
                             .toString()
                             .simplified();
    int32_t i = dollar;
    bool first = true;
    while (at(i) == u'$' && TPHPLexer::IsIdentStart(at(i + 1))) {
        const int32_t nameEnd = identEnd(i + 1);
        const int32_t offset = first ? m_statement.FirstModifier : i;
        auto v = std::make_unique<TPHPVariable>(cls, QString(), m_base + offset);
        v->Name = original(i + 1, nameEnd);
        v->NameOffset = m_base + i;
        v->Type = type;
        v->Visibility = VisibilityOf(m_statement.Visibility);
        v->IsStatic = m_statement.IsStatic;
        v->IsReadOnly = m_statement.IsReadOnly;
        int32_t j = skipBlanks(nameEnd);
        if (at(j) == u'=') {
            const int32_t e = expressionEnd(j + 1);
            v->Value = original(j + 1, e).trimmed();
            j = e;
        }
        v->SourceText = original(offset, std::min(j + 1, m_n));
        cls->Variables.push_back(std::move(v));
        if (at(j) == u',') {
            i = skipBlanks(j + 1);
            first = false;
            continue;
        }
        if (at(j) == u';') {
            m_statement = {};
            return j + 1;
        }
        return j;
    }
    return std::max(i, dollar + 1);
}

int32_t TPHPDeclarationScanner::readConstants(int32_t keyword, int32_t end, bool enumCase)
{
    TPHPCustomClass *cls = currentClass();
    int32_t i = skipBlanks(end);
    bool first = true;
    while (TPHPLexer::IsIdentStart(at(i))) {
        int32_t nameStart = i;
        int32_t nameEnd = identEnd(i);
        int32_t j = skipBlanks(nameEnd);
        if (!enumCase && TPHPLexer::IsIdentStart(at(j))) { // a typed constant: the first word was the type
            nameStart = j;
            nameEnd = identEnd(j);
            j = skipBlanks(nameEnd);
        }
        QString value;
        if (at(j) == u'=') {
            const int32_t e = expressionEnd(j + 1);
            value = original(j + 1, e).trimmed();
            const QChar quote = value.isEmpty() ? QChar() : value.front();
            const bool oneLiteral = (quote == u'\'' || quote == u'"') && value.size() >= 2 && value.back() == quote
                                 && m_mask.mid(j + 1, e - j - 1).trimmed().isEmpty();
            if (oneLiteral)
                value = value.mid(1, value.size() - 2);
            j = e;
        } else if (!enumCase) {
            break;
        }
        const int32_t offset = !first ? nameStart : m_statement.FirstModifier >= 0 ? m_statement.FirstModifier : keyword;
        auto c = std::make_unique<TPHPClassConstant>(cls, original(offset, std::min(j + 1, m_n)), m_base + offset);
        c->Name = original(nameStart, nameEnd);
        c->NameOffset = m_base + nameStart;
        c->Value = value;
        c->Visibility = VisibilityOf(m_statement.Visibility);
        c->IsEnumCase = enumCase;
        cls->Constants.push_back(std::move(c));
        if (at(j) == u',') {
            i = skipBlanks(j + 1);
            first = false;
            continue;
        }
        if (at(j) == u';') {
            m_statement = {};
            return j + 1;
        }
        return j;
    }
    return end;
}

int32_t TPHPDeclarationScanner::readDefine(int32_t start, int32_t end)
{
    const int32_t open = skipBlanks(end);
    if (at(open) != u'(')
        return end;
    const int32_t nameEnd = expressionEnd(open + 1);
    if (at(nameEnd) != u',')
        return end;
    const int32_t valueEnd = expressionEnd(nameEnd + 1);
    const QString name = original(open + 1, nameEnd).trimmed();
    const QChar quote = name.isEmpty() ? QChar() : name.front();
    if (!((quote == u'\'' || quote == u'"') && name.size() >= 2 && name.back() == quote
          && m_mask.mid(open + 1, nameEnd - open - 1).trimmed().isEmpty()))
        return end; // only a literal name makes a known constant
    const int32_t close = closingBracket(open);
    QString value = original(nameEnd + 1, valueEnd).trimmed();
    if (value.size() >= 2 && (value.front() == u'\'' || value.front() == u'"') && value.back() == value.front()
        && m_mask.mid(nameEnd + 1, valueEnd - nameEnd - 1).trimmed().isEmpty())
        value = value.mid(1, value.size() - 2);
    auto d = std::make_unique<TPHPDefineConstant>(m_owner, original(start, close), m_base + start);
    d->Name = name.mid(1, name.size() - 2);
    d->NameOffset = m_base + int32_t(m_text.indexOf(quote, open)) + 1;
    d->Value = value;
    m_result.Defines.push_back(std::move(d));
    return close;
}

int32_t TPHPDeclarationScanner::readInclude(int32_t start, int32_t end)
{
    const int32_t e = expressionEnd(end);
    auto include = std::make_unique<TPHPIncludeFile>(m_owner, original(start, e), m_base + start);
    include->Keyword = original(start, end);
    include->Kind = IncludeKindOf(include->Keyword);
    include->FileName = original(end, e);
    if (include->FileName.endsWith(u'\r'))
        include->FileName.chop(1);
    include->NameOffset = m_base + start;
    m_result.Includes.push_back(std::move(include));
    return end;
}

int32_t TPHPDeclarationScanner::readNamespace(int32_t start, int32_t end)
{
    QList<int32_t> g;
    try {
        if (!TPHPPatterns::Instance().NamespaceRegex.MatchOffsets(m_mask, start, {}, g))
            return end;
    } catch (const ERegexException &) {
        return end;
    }
    m_namespace = g[2] < 0 ? QString() : original(g[2], g[3]);
    return g[1];
}

void TPHPDeclarationScanner::openBrace(int32_t at)
{
    m_scopes.push_back({m_pendingKind, m_pendingEntity});
    if (m_pendingKind == TScopeKind::FunctionBody && m_pendingEntity)
        static_cast<TPHPMethod *>(m_pendingEntity)->BodyStart = m_base + at;
    else if (m_pendingKind == TScopeKind::ClassBody)
        static_cast<TPHPCustomClass *>(m_pendingEntity)->BodyStart = m_base + at;
    m_pendingKind = TScopeKind::Block;
    m_pendingEntity = nullptr;
    m_statement = {};
    m_previous = TPrevious::Other;
}

void TPHPDeclarationScanner::closeBrace(int32_t at)
{
    m_statement = {};
    m_previous = TPrevious::Other;
    if (m_scopes.empty())
        return;
    const TScope scope = m_scopes.back();
    m_scopes.pop_back();
    if (!scope.Entity)
        return;
    m_open.remove(scope.Entity);
    TPHPEntity *entity = scope.Entity;
    entity->SourceText = original(entity->Offset - m_base, at + 1);
    if (scope.Kind == TScopeKind::FunctionBody) {
        auto *method = static_cast<TPHPMethod *>(entity);
        method->BodyEnd = m_base + at + 1;
        method->Body = original(method->BodyStart - m_base, at + 1);
    } else {
        static_cast<TPHPCustomClass *>(entity)->BodyEnd = m_base + at + 1;
    }
}

void TPHPDeclarationScanner::dropUnclosed()
{
    if (m_open.isEmpty())
        return;
    eraseOpen(m_result.Classes, m_open);
    eraseOpen(m_result.Interfaces, m_open);
    eraseOpen(m_result.Functions, m_open);
    for (auto &c : m_result.Classes)
        eraseOpen(c->Methods, m_open);
    for (auto &i : m_result.Interfaces)
        eraseOpen(i->Methods, m_open);
}
