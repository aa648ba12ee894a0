#pragma once

// Compares the PHP model's outline with the one PHP's own tokenizer gives
// (data/reference_outline.php): classes, interfaces, traits, enums,
// functions and methods with name, enclosing class and line. Shared by the
// accuracy test and the benchmark driver.

#include "php/TPHPOutline.h"
#include "php/TPHPSource.h"

#include <QDirIterator>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QStringList>

namespace PhpReference {

struct TKindFigures
{
    int Reference = 0; // entities the tokenizer found
    int Ours = 0;      // entities the model reported
    int Common = 0;    // found by both with the same name, class and line
    double Recall() const { return Reference ? 100.0 * Common / Reference : 100.0; }
    double Precision() const { return Ours ? 100.0 * Common / Ours : 100.0; }
};

// kind, file, line, class and name, separated by U+001F.
using TKey = QString;

inline TKey MakeKey(const QString &file, const QString &kind, const QString &name, const QString &cls, int line)
{
    const QChar sep(0x1f);
    return kind + sep + file + sep + QString::number(line) + sep + cls + sep + name;
}

inline QString KindOf(const TKey &key)
{
    return key.section(QChar(0x1f), 0, 0);
}

inline QStringList PhpFilesUnder(const QString &root, int every = 1)
{
    QStringList files;
    QDirIterator it(root, {QStringLiteral("*.php")}, QDir::Files,
                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext())
        files << it.next();
    files.sort();
    QStringList sample;
    for (qsizetype i = 0; i < files.size(); i += every)
        sample << files[i];
    return sample;
}

inline bool IsComparedKind(const QString &kind)
{
    static const QStringList kinds = {"class", "interface", "trait", "enum", "function", "method"};
    return kinds.contains(kind);
}

inline QHash<TKey, int> ReferenceOutline(const QStringList &files, const QString &script)
{
    QHash<TKey, int> found;
    for (qsizetype i = 0; i < files.size(); i += 200) {
        QProcess php;
        php.start(QStringLiteral("/usr/bin/php"),
                  QStringList{QStringLiteral("-d"), QStringLiteral("memory_limit=1G"), script} + files.mid(i, 200));
        php.waitForFinished(600000);
        for (const QByteArray &line : php.readAllStandardOutput().split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            if (!o.isEmpty())
                ++found[MakeKey(o["file"].toString(), o["kind"].toString(), o["name"].toString(),
                                o["class"].toString(), o["line"].toInt())];
        }
    }
    return found;
}

inline QHash<TKey, int> ModelOutline(const QStringList &files)
{
    QHash<TKey, int> found;
    for (const QString &file : files) {
        TPHPSource source;
        source.LoadFromFile(file);
        for (const TPHPOutline::TEntry &e : TPHPOutline::Build(source))
            if (IsComparedKind(e.Kind))
                ++found[MakeKey(file, e.Kind, e.Name, e.Owner, e.Line)];
    }
    return found;
}

// Figures per kind; differences (up to 20) are added to diffs.
inline QMap<QString, TKindFigures> Compare(const QStringList &files, const QString &script, QStringList *diffs)
{
    const QHash<TKey, int> reference = ReferenceOutline(files, script);
    const QHash<TKey, int> ours = ModelOutline(files);
    QMap<QString, TKindFigures> figures;
    auto describe = [](const TKey &k) { return QString(k).replace(QChar(0x1f), u' '); };
    for (auto it = reference.cbegin(); it != reference.cend(); ++it) {
        TKindFigures &f = figures[KindOf(it.key())];
        f.Reference += it.value();
        f.Common += std::min(it.value(), ours.value(it.key()));
        if (diffs && diffs->size() < 20 && ours.value(it.key()) < it.value())
            diffs->append(QStringLiteral("missing ") + describe(it.key()));
    }
    for (auto it = ours.cbegin(); it != ours.cend(); ++it) {
        figures[KindOf(it.key())].Ours += it.value();
        if (diffs && diffs->size() < 20 && reference.value(it.key()) < it.value())
            diffs->append(QStringLiteral("extra ") + describe(it.key()));
    }
    return figures;
}

} // namespace PhpReference
