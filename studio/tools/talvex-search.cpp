// talvex-search [-i] [-w] [-E] [--mask MASKS] PATTERN FOLDER...
// Searches the files of each folder and its subfolders as the editor's
// file search does and prints one JSON object per hit and line. Exit code:
// 0 with hits, 1 without, 2 on an error.

#include "regex/RegexExceptions.h"
#include "search/TFolderFileLister.h"
#include "search/TSearchMatcher.h"
#include "search/TSearchRunner.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include <cstdio>

namespace {

struct TArguments {
    TVYRASearchOptions options = xsoCaseSensitive;
    QString masks = QStringLiteral("*");
    QString pattern;
    QStringList folders;
};

int fail(const QString &text)
{
    std::fprintf(stderr, "talvex-search: %s\n", text.toUtf8().constData());
    return 2;
}

// Empty message: the arguments are fine.
QString parse(const QStringList &arguments, TArguments &out)
{
    QStringList plain;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("-i"))
            out.options &= ~TVYRASearchOptions(xsoCaseSensitive);
        else if (argument == QLatin1String("-w"))
            out.options |= xsoWholeWord;
        else if (argument == QLatin1String("-E"))
            out.options |= xsoUseRegEx;
        else if (argument == QLatin1String("--mask") && i + 1 < arguments.size())
            out.masks = arguments[++i];
        else if (argument.startsWith(u'-') && argument.size() > 1 && plain.isEmpty())
            return QStringLiteral("Unbekannte Option \"%1\".").arg(argument);
        else
            plain.append(argument);
    }
    if (plain.size() < 2)
        return QStringLiteral("Aufruf: talvex-search [-i] [-w] [-E] [--mask MASKEN] MUSTER VERZEICHNIS...");
    out.pattern = plain.takeFirst();
    if (out.pattern.isEmpty())
        return QStringLiteral("Das Suchmuster ist leer.");
    for (const QString &folder : plain) {
        if (!QFileInfo(folder).isDir())
            return QStringLiteral("Das Verzeichnis \"%1\" wurde nicht gefunden.").arg(folder);
    }
    out.folders = plain;
    return {};
}

QString jsonText(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TArguments arguments;
    const QString error = parse(app.arguments().mid(1), arguments);
    if (!error.isEmpty())
        return fail(error);
    std::unique_ptr<TSearchMatcher> matcher;
    try {
        matcher = std::make_unique<TSearchMatcher>(arguments.pattern, arguments.options);
    } catch (const ERegexException &e) {
        return fail(QStringLiteral("Der reguläre Ausdruck \"%1\" ist nicht gültig: %2").arg(arguments.pattern,
                                                                                              e.message()));
    }
    QList<TSearchRunner::TSource> sources;
    const TFolderFileLister lister(arguments.masks, true);
    for (const QString &folder : arguments.folders) {
        for (const QString &file : lister.List(folder))
            sources.append({file, std::nullopt});
    }
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    qint64 count = 0;
    TSearchRunner runner(*matcher);
    runner.SetWithPlaces(true);
    const std::atomic_bool never{false};
    runner.Run(
        sources,
        [&](TSearchRunner::TFileHits &hits) {
            const QString file = jsonText(hits.fileName);
            for (qsizetype i = 0; i < hits.hits.size(); ++i) {
                const TTextMatch &hit = hits.hits[i];
                const TLineColumnCounter::TPlace &place = hits.places[i];
                out << "{\"file\":" << file << ",\"line\":" << place.line << ",\"column\":" << place.column
                    << ",\"offset\":" << hit.pos << ",\"length\":" << hit.len << "}\n";
            }
            count += hits.hits.size();
        },
        {}, never);
    out.flush();
    return count > 0 ? 0 : 1;
}
