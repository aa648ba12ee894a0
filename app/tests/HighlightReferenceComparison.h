#pragma once

// Compares the highlighting of PHP files with PHP's own tokenizer
// (tests/data/php_token_classes.php), character by character, and the text
// around PHP blocks with the same text highlighted without them.

#include "editor/TLineState.h"
#include "editor/TScheme.h"
#include "editor/TSynLineOutput.h"
#include "editor/TSynMultiSyn.h"
#include "editor/TSynPHPSyn.h"
#include "TestSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace HighlightReference {

// Every 1/count-th PHP file of WordPress in path order: the same sample on
// every run.
inline QStringList wordPressSample(int count)
{
    QStringList files;
    QDirIterator it(QStringLiteral("/usr/share/wordpress"), {QStringLiteral("*.php")}, QDir::Files,
                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext())
        files << it.next();
    files.sort();
    QStringList sample;
    for (int i = 0; i < count && !files.isEmpty(); ++i)
        sample << files.at(qsizetype(i) * files.size() / count);
    sample.removeDuplicates();
    return sample;
}

// The class of every byte of each file after PHP's own tokenizer
// (tests/data/php_token_classes.php): H inline HTML, T open or close tag,
// S string, C comment, V variable, K other code, W whitespace of a tag (not
// compared). One PHP process for all files. Short open tags count, as the
// highlighter takes "<?" for a PHP block.
inline QHash<QString, QByteArray> referenceClasses(const QStringList &files, QString *error)
{
    QProcess php;
    php.start(QStringLiteral("/usr/bin/php"),
              QStringList{QStringLiteral("-d"), QStringLiteral("short_open_tag=1"),
                          QStringLiteral("-d"), QStringLiteral("memory_limit=1G"),
                          TestSupport::sourceDir() + QStringLiteral("/app/tests/data/php_token_classes.php")}
                  + files);
    if (!php.waitForFinished(120000) || php.exitCode() != 0) {
        *error = QString::fromUtf8(php.readAllStandardError()) + php.errorString();
        return {};
    }
    QHash<QString, QByteArray> classes;
    for (const QByteArray &line : php.readAllStandardOutput().split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (object.isEmpty())
            continue;
        QByteArray bytes;
        for (const QString &run : object[QStringLiteral("runs")].toString().split(u' ', Qt::SkipEmptyParts))
            bytes.append(run.mid(1).toInt(), run.at(0).toLatin1());
        classes.insert(object[QStringLiteral("file")].toString(), bytes);
    }
    return classes;
}

// The reference class of every UTF-16 unit of the decoded text: the class of
// the first byte of its character.
inline QByteArray classesPerCharacter(const QByteArray &source, const QByteArray &byteClasses)
{
    QByteArray result;
    result.reserve(source.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        const auto byte = quint8(source.at(i));
        if ((byte & 0xc0) == 0x80)
            continue;
        const char cls = i < byteClasses.size() ? byteClasses.at(i) : '?';
        result.append(cls);
        if (byte >= 0xf0)
            result.append(cls); // a surrogate pair
    }
    return result;
}

// What the highlighter's runs say in the same classes.
class THighlightClasses
{
public:
    explicit THighlightClasses(const TSynMultiSyn &multi)
    {
        for (int i = 0; i < multi.schemeCount(); ++i) {
            const TScheme &scheme = multi.scheme(i);
            const auto *php = dynamic_cast<const TSynPHPSyn *>(scheme.highlighter());
            if (!php)
                continue;
            m_classes.insert(&scheme.markerAttributes(), 'T');
            for (const auto &attribute : php->attributes())
                m_classes.insert(attribute.get(), classOf(attribute->name()));
        }
    }

    // Characters no run covers get '-', which matches no reference class.
    QByteArray of(const QString &line, const TSynLineOutput &out) const
    {
        QByteArray result(line.size(), '-');
        for (const TSynToken &token : out.tokens()) {
            const char cls = m_classes.value(token.attribute, 'H');
            for (int i = token.start; i < token.start + token.length && i < line.size(); ++i)
                result[i] = cls;
        }
        return result;
    }

private:
    static char classOf(const QString &name)
    {
        if (name == u"Tag")
            return 'T';
        if (name == u"String")
            return 'S';
        if (name == u"Comment" || name == u"Documentation")
            return 'C';
        if (name == u"Variable")
            return 'V';
        return 'K';
    }

    QHash<const TSynHighlighterAttributes *, char> m_classes;
};

struct TAgreement
{
    long long compared = 0;
    long long agreed = 0;
    QStringList examples; // the first disagreeing lines
    QMap<QString, long long> filesWithDifferences;
    double percent() const { return compared ? 100.0 * double(agreed) / double(compared) : 0.0; }
};

inline void compareFile(const QString &path, const QByteArray &byteClasses, const TSynCustomHighlighter &highlighter,
                 const THighlightClasses &ours, TAgreement &agreement)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray source = file.readAll();
    const QByteArray reference = classesPerCharacter(source, byteClasses);
    const QString text = QString::fromUtf8(source);
    ASSERT_EQ(reference.size(), text.size()) << path.toStdString();
    TLineState state;
    TSynLineOutput out;
    qsizetype lineStart = 0;
    int lineNumber = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        QString line = text.mid(lineStart, lineEnd - lineStart);
        if (line.endsWith(u'\r'))
            line.chop(1);
        ++lineNumber;
        out.clear();
        highlighter.highlightLine(line, state, out);
        const QByteArray got = ours.of(line, out);
        const QByteArray want = reference.mid(lineStart, line.size());
        long long differing = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (want.at(i) == 'W')
                continue;
            ++agreement.compared;
            want.at(i) == got.at(i) ? ++agreement.agreed : ++differing;
        }
        if (differing > 0) {
            agreement.filesWithDifferences[path] += differing;
            if (agreement.examples.size() < 12)
                agreement.examples << QStringLiteral("%1:%2\n  %3\n  want %4\n  got  %5")
                                          .arg(path)
                                          .arg(lineNumber)
                                          .arg(line.left(160), QString::fromLatin1(want.left(160)),
                                               QString::fromLatin1(got.left(160)));
        }
        lineStart = lineEnd + 1;
    }
}

// The attribute of every character of text, highlighted line by line.
inline QList<const TSynHighlighterAttributes *> attributesOf(const TSynCustomHighlighter &highlighter, const QString &text)
{
    QList<const TSynHighlighterAttributes *> result(text.size(), nullptr);
    TLineState state;
    TSynLineOutput out;
    for (qsizetype lineStart = 0; lineStart <= text.size();) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        out.clear();
        highlighter.highlightLine(QStringView(text).mid(lineStart, lineEnd - lineStart), state, out);
        for (const TSynToken &token : out.tokens()) {
            for (int i = token.start; i < token.start + token.length; ++i)
                result[lineStart + i] = token.attribute;
        }
        lineStart = lineEnd + 1;
    }
    return result;
}

// Compares the text around PHP blocks (the reference's inline HTML) as
// highlighted in the file with the same text highlighted after the PHP blocks
// were taken out, line breaks kept.
inline void compareWithoutPhp(const QString &path, const QByteArray &byteClasses, const TSynCustomHighlighter &highlighter,
                       TAgreement &agreement)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray source = file.readAll();
    const QByteArray classes = classesPerCharacter(source, byteClasses);
    const QString text = QString::fromUtf8(source);
    ASSERT_EQ(classes.size(), text.size()) << path.toStdString();
    QString stripped;
    QList<int> origin;
    for (int i = 0; i < text.size(); ++i) {
        if (classes.at(i) == 'H' || text.at(i) == u'\n') {
            stripped += text.at(i);
            origin.append(i);
        }
    }
    if (stripped.size() == text.size())
        return;
    const QList<const TSynHighlighterAttributes *> inFile = attributesOf(highlighter, text);
    const QList<const TSynHighlighterAttributes *> alone = attributesOf(highlighter, stripped);
    for (int j = 0; j < stripped.size(); ++j) {
        const int i = origin.at(j);
        if (classes.at(i) != 'H' || text.at(i).isSpace())
            continue;
        ++agreement.compared;
        if (inFile.at(i) == alone.at(j)) {
            ++agreement.agreed;
            continue;
        }
        ++agreement.filesWithDifferences[path];
        if (agreement.examples.size() < 12) {
            const qsizetype lineStart = text.lastIndexOf(u'\n', i) + 1;
            agreement.examples << QStringLiteral("%1 offset %2: %3 instead of %4\n  %5")
                                      .arg(path)
                                      .arg(i)
                                      .arg(inFile.at(i) ? inFile.at(i)->name() : QStringLiteral("-"),
                                           alone.at(j) ? alone.at(j)->name() : QStringLiteral("-"),
                                           text.mid(lineStart, 160).section(u'\n', 0, 0));
        }
    }
}

} // namespace HighlightReference
