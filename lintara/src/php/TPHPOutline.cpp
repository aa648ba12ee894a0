#include "php/TPHPOutline.h"

#include "php/TPHPSource.h"

#include <algorithm>

namespace {

QString classKind(const TPHPClass &c)
{
    switch (c.Kind) {
    case ckTrait: return QStringLiteral("trait");
    case ckEnum: return QStringLiteral("enum");
    default: return QStringLiteral("class");
    }
}

void addMembers(const TPHPCustomClass &owner, QList<TPHPOutline::TEntry> &entries)
{
    for (int32_t i = 0; i < owner.GetMethodCount(); ++i)
        entries.append({QStringLiteral("method"), owner.GetMethods(i)->Name, owner.Name, 0,
                        owner.GetMethods(i)->NameOffset});
    for (int32_t i = 0; i < owner.GetConstantCount(); ++i)
        entries.append({QStringLiteral("constant"), owner.GetConstants(i)->Name, owner.Name, 0,
                        owner.GetConstants(i)->NameOffset});
    for (int32_t i = 0; i < owner.GetVariableCount(); ++i)
        entries.append({QStringLiteral("variable"), u'$' + owner.GetVariables(i)->Name, owner.Name, 0,
                        owner.GetVariables(i)->NameOffset});
}

} // namespace

QList<int32_t> TPHPOutline::LineEnds(const QString &text)
{
    QList<int32_t> ends;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i)
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == n || text[i + 1] != u'\n')))
            ends.append(int32_t(i));
    return ends;
}

int TPHPOutline::LineOf(const QList<int32_t> &lineEnds, int32_t offset)
{
    return int(std::lower_bound(lineEnds.cbegin(), lineEnds.cend(), offset) - lineEnds.cbegin()) + 1;
}

QList<TPHPOutline::TEntry> TPHPOutline::Build(const TPHPSource &source)
{
    QList<TEntry> entries;
    for (int32_t i = 0; i < source.GetClassCount(); ++i) {
        const TPHPClass &c = *source.GetClasses(i);
        entries.append({classKind(c), c.Name, QString(), 0, c.NameOffset});
        addMembers(c, entries);
    }
    for (int32_t i = 0; i < source.GetInterfaceCount(); ++i) {
        const TPHPInterface &c = *source.GetInterfaces(i);
        entries.append({QStringLiteral("interface"), c.Name, QString(), 0, c.NameOffset});
        addMembers(c, entries);
    }
    for (int32_t i = 0; i < source.GetMethodCount(); ++i)
        entries.append({QStringLiteral("function"), source.GetMethods(i)->Name, QString(), 0,
                        source.GetMethods(i)->NameOffset});
    for (int32_t i = 0; i < source.GetConstantCount(); ++i)
        entries.append({QStringLiteral("define"), source.GetConstants(i)->Name, QString(), 0,
                        source.GetConstants(i)->NameOffset});
    for (int32_t i = 0; i < source.GetIncludeCount(); ++i)
        entries.append({QStringLiteral("include"), source.GetIncludes(i)->FileName.trimmed(), QString(), 0,
                        source.GetIncludes(i)->NameOffset});
    std::stable_sort(entries.begin(), entries.end(), [](const TEntry &a, const TEntry &b) { return a.Offset < b.Offset; });
    const QList<int32_t> ends = LineEnds(source.SourceText);
    for (TEntry &e : entries)
        e.Line = LineOf(ends, e.Offset);
    return entries;
}
