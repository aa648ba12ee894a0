#include "documents/TTemplatePlaceholders.h"

#include "documents/TTextFile.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace {

const QLatin1String kOpen("{->");
const QLatin1String kClose("<-}");

const std::array<QLatin1String, 8> kNames{
    QLatin1String("project_comment"), QLatin1String("project_name"),         QLatin1String("project_path"),
    QLatin1String("project_version"), QLatin1String("template_highlighter"), QLatin1String("template_name"),
    QLatin1String("datetime"),        QLatin1String("include"),
};

QString readUserFile(const QString &fileName)
{
    TTextFile file;
    return TTextFile::Load(fileName, file) ? file.text : QString();
}

QString valueOf(const QString &name, const QString &argument, const TTemplateValues &values)
{
    if (name == QLatin1String("project_comment"))
        return values.projectComment;
    if (name == QLatin1String("project_name"))
        return values.projectName;
    if (name == QLatin1String("project_path"))
        return values.projectPath;
    if (name == QLatin1String("project_version"))
        return values.projectVersion;
    if (name == QLatin1String("template_highlighter"))
        return values.highlighter;
    if (name == QLatin1String("template_name"))
        return values.templateName;
    if (name == QLatin1String("datetime"))
        return values.now.toString(TTemplatePlaceholders::ToQtDateFormat(argument));
    // include
    if (argument.isEmpty())
        return {};
    QString fileName = argument;
    if (QFileInfo(fileName).isRelative() && !values.baseFolder.isEmpty())
        fileName = QDir(values.baseFolder).filePath(fileName);
    return values.readFile ? values.readFile(fileName) : readUserFile(fileName);
}

// The placeholder starting at `at` (which holds "{->"): its end, name and argument.
bool matchPlaceholder(const QString &text, qsizetype at, qsizetype &end, QString &name, QString &argument)
{
    const qsizetype nameStart = at + kOpen.size();
    for (const QLatin1String &candidate : kNames) {
        if (!QStringView(text).mid(nameStart).startsWith(candidate))
            continue;
        const qsizetype after = nameStart + candidate.size();
        if (text.mid(after, 2) == QLatin1String(":'")) {
            const qsizetype quote = text.indexOf(QLatin1Char('\''), after + 2);
            const qsizetype close = quote < 0 ? -1 : text.indexOf(kClose, quote + 1);
            if (close < 0)
                return false;
            argument = text.mid(after + 2, quote - after - 2);
            end = close + kClose.size();
        } else if (QStringView(text).mid(after).startsWith(kClose)) {
            argument.clear();
            end = after + kClose.size();
        } else {
            return false;
        }
        name = candidate;
        return true;
    }
    return false;
}

} // namespace

QString TTemplatePlaceholders::Process(const QString &text, const TTemplateValues &values)
{
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype at = text.indexOf(kOpen, from);
        if (at < 0)
            break;
        qsizetype end = 0;
        QString name;
        QString argument;
        if (matchPlaceholder(text, at, end, name, argument)) {
            result += QStringView(text).mid(from, at - from);
            result += valueOf(name, argument, values);
            from = end;
        } else {
            result += QStringView(text).mid(from, at + kOpen.size() - from);
            from = at + kOpen.size();
        }
    }
    result += QStringView(text).mid(from);
    return result;
}

QString TTemplatePlaceholders::ToQtDateFormat(const QString &format)
{
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype close = format.indexOf(c, i + 1);
            const QString literal = format.mid(i + 1, (close < 0 ? format.size() : close) - i - 1);
            out += QLatin1Char('\'') + QString(literal).replace(QLatin1String("'"), QLatin1String("''"))
                + QLatin1Char('\'');
            i = close < 0 ? format.size() : close;
            continue;
        }
        if (format.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            out += QLatin1String("AP");
            i += 4;
            continue;
        }
        const QChar lower = c.toLower();
        if (lower == QLatin1Char('m'))
            out += afterHour ? QLatin1Char('m') : QLatin1Char('M');
        else if (lower == QLatin1Char('n'))
            out += QLatin1Char('m');
        else if (QStringLiteral("dyhsz").contains(lower))
            out += lower;
        else if (c.isLetter())
            out += QLatin1Char('\'') + c + QLatin1Char('\'');
        else
            out += c;
        if (lower == QLatin1Char('h'))
            afterHour = true;
        else if (c.isLetter() && lower != QLatin1Char('m'))
            afterHour = false;
    }
    return out;
}
