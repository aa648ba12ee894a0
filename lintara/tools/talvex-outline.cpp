// talvex-outline FILE...: prints one JSON object per line for every entity
// of the PHP model of each file, in the order of the entities' offsets.

#include "php/TPHPOutline.h"
#include "php/TPHPSource.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

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
        const QString fileJson = jsonString(file);
        for (const TPHPOutline::TEntry &e : TPHPOutline::Build(source)) {
            out << "{\"file\":" << fileJson << ",\"kind\":\"" << e.Kind << "\",\"name\":" << jsonString(e.Name)
                << ",\"class\":" << (e.Owner.isEmpty() ? QStringLiteral("null") : jsonString(e.Owner))
                << ",\"line\":" << e.Line << ",\"offset\":" << e.Offset << "}\n";
        }
    }
    out.flush();
    return status;
}
