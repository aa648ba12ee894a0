// talvex-outline FILE...: prints one JSON object per line for every entity
// of the PHP model of each file, in the order of the entities' offsets.

#include "php/TPHPClassConstant.h"
#include "php/TPHPSource.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

struct TOutlineEntry
{
    const char *kind;
    QString name;
    QString owner; // enclosing class-like, empty for none
    int32_t offset;
};

QString jsonString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"': out += QLatin1String("\\\""); break;
        case u'\\': out += QLatin1String("\\\\"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

const char *classKind(const TPHPClass &c)
{
    switch (c.Kind) {
    case ckTrait: return "trait";
    case ckEnum: return "enum";
    default: return "class";
    }
}

void addMembers(const TPHPCustomClass &owner, QList<TOutlineEntry> &entries)
{
    for (int32_t i = 0; i < owner.GetMethodCount(); ++i)
        entries.append({"method", owner.GetMethods(i)->Name, owner.Name, owner.GetMethods(i)->NameOffset});
    for (int32_t i = 0; i < owner.GetConstantCount(); ++i)
        entries.append({"constant", owner.GetConstants(i)->Name, owner.Name, owner.GetConstants(i)->NameOffset});
    for (int32_t i = 0; i < owner.GetVariableCount(); ++i)
        entries.append({"variable", u'$' + owner.GetVariables(i)->Name, owner.Name, owner.GetVariables(i)->NameOffset});
}

QList<TOutlineEntry> outline(const TPHPSource &source)
{
    QList<TOutlineEntry> entries;
    for (int32_t i = 0; i < source.GetClassCount(); ++i) {
        const TPHPClass &c = *source.GetClasses(i);
        entries.append({classKind(c), c.Name, QString(), c.NameOffset});
        addMembers(c, entries);
    }
    for (int32_t i = 0; i < source.GetInterfaceCount(); ++i) {
        const TPHPInterface &c = *source.GetInterfaces(i);
        entries.append({"interface", c.Name, QString(), c.NameOffset});
        addMembers(c, entries);
    }
    for (int32_t i = 0; i < source.GetMethodCount(); ++i)
        entries.append({"function", source.GetMethods(i)->Name, QString(), source.GetMethods(i)->NameOffset});
    for (int32_t i = 0; i < source.GetConstantCount(); ++i)
        entries.append({"define", source.GetConstants(i)->Name, QString(), source.GetConstants(i)->NameOffset});
    for (int32_t i = 0; i < source.GetIncludeCount(); ++i)
        entries.append({"include", source.GetIncludes(i)->FileName.trimmed(), QString(),
                        source.GetIncludes(i)->NameOffset});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TOutlineEntry &a, const TOutlineEntry &b) { return a.offset < b.offset; });
    return entries;
}

// 1-based line of each offset; "\n", "\r\n" and a lone "\r" end a line.
class TLineIndex
{
public:
    explicit TLineIndex(const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
                m_lineEnds.append(int32_t(i));
    }
    int lineOf(int32_t offset) const
    {
        return int(std::lower_bound(m_lineEnds.cbegin(), m_lineEnds.cend(), offset) - m_lineEnds.cbegin()) + 1;
    }

private:
    QList<int32_t> m_lineEnds;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList files = app.arguments().mid(1);
    if (files.isEmpty()) {
        std::fputs("Aufruf: talvex-outline DATEI...\n", stderr);
        return 2;
    }
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    int status = 0;
    for (const QString &file : files) {
        if (!QFileInfo(file).isFile()) {
            std::fprintf(stderr, "talvex-outline: %s: Datei nicht gefunden\n", qPrintable(file));
            status = 1;
            continue;
        }
        TPHPSource source;
        source.LoadFromFile(file);
        const TLineIndex lines(source.SourceText);
        const QString fileJson = jsonString(file);
        for (const TOutlineEntry &e : outline(source)) {
            out << "{\"file\":" << fileJson << ",\"kind\":\"" << e.kind << "\",\"name\":" << jsonString(e.name)
                << ",\"class\":" << (e.owner.isEmpty() ? QStringLiteral("null") : jsonString(e.owner))
                << ",\"line\":" << lines.lineOf(e.offset) << ",\"offset\":" << e.offset << "}\n";
        }
    }
    out.flush();
    return status;
}
