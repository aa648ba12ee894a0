#include "phpcheck/TPHPMessageParser.h"

#include "regex/RegexCreate.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

// The start of a message: the kind in bold or, as the command-line
// interpreter logs it, behind "PHP ".
std::shared_ptr<IRegex> startPattern()
{
    return RegexCreateCached(QStringLiteral("^\\s*(?:PHP\\s+)?<b>([^<]+)</b>\\s*:\\s*(.*)$"));
}

std::shared_ptr<IRegex> plainStartPattern()
{
    return RegexCreateCached(QStringLiteral(
        "^\\s*(?:PHP\\s+)?((?:[A-Za-z]+\\s){0,3}(?:error|Error|Warning|Notice|Deprecated|Standards))\\s*:\\s+(.*)$"));
}

// "in" as a word, and the last such position of the line: a message text
// may itself hold " in " ("Undefined index: domain in /x.php on line 3").
std::shared_ptr<IRegex> positionPattern()
{
    return RegexCreateCached(QStringLiteral("^(.*)\\bin\\s+(\\S.*?)\\s+on\\s+line\\s+(\\d+)\\s*\\.?\\s*$"));
}

QString group(const std::shared_ptr<IMatch> &match, int number)
{
    return match->Groups()->Items(number)->Value();
}

bool isBreakOnly(const QString &line)
{
    const QString t = line.trimmed();
    return t.isEmpty() || t == QLatin1String("<br>") || t == QLatin1String("<br />") || t == QLatin1String("<br/>");
}

} // namespace

QString TPHPMessage::DisplayText() const
{
    if (Line < 0 || FileName.isEmpty())
        return Kind.isEmpty() ? Text : QStringLiteral("[%1] %2").arg(Kind, Text);
    return QStringLiteral("[%1] %2(%3): %4").arg(Kind, QFileInfo(FileName).fileName()).arg(Line).arg(Text);
}

TPHPMessageParser::TPHPMessageParser(QString checkedFile, QString documentFile)
    : m_checkedFile(std::move(checkedFile))
    , m_documentFile(std::move(documentFile))
{
}

QString TPHPMessageParser::PlainText(const QString &html)
{
    static const auto tags = RegexCreateCached(QStringLiteral("<[^<>]*>"));
    QString text = tags->Replace(html, QString());
    // &amp; last, so that "&amp;lt;" stays "&lt;".
    text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&#039;"), QLatin1String("'"))
        .replace(QLatin1String("&#39;"), QLatin1String("'"))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

TPHPMessage TPHPMessageParser::SuccessRow()
{
    TPHPMessage row;
    row.Text = QStringLiteral("Keine Fehler im Quellcode gefunden.");
    row.IsError = false;
    return row;
}

TPHPMessageParser::TPosition TPHPMessageParser::findPosition(const QString &text)
{
    TPosition position;
    position.rest = text.trimmed();
    const auto match = positionPattern()->Match(text);
    if (!match->Success())
        return position;
    position.file = group(match, 2).trimmed();
    position.line = group(match, 3).toInt();
    position.rest = group(match, 1).trimmed();
    return position;
}

QString TPHPMessageParser::ownFile(const QString &file) const
{
    if (file.isEmpty() || file.endsWith(QLatin1String(".tmp"), Qt::CaseInsensitive))
        return m_documentFile;
    if (!m_checkedFile.isEmpty()) {
        const QFileInfo checked(m_checkedFile);
        const QFileInfo named(QFileInfo(file).isRelative() ? checked.absolutePath() + u'/' + file : file);
        if (named.absoluteFilePath() == checked.absoluteFilePath())
            return m_documentFile;
        return named.absoluteFilePath();
    }
    return file;
}

QList<TPHPMessage> TPHPMessageParser::Parse(const QStringList &lines) const
{
    QList<TPHPMessage> rows;
    QStringList raw;
    std::optional<TPHPMessage> open;
    auto close = [&rows, &open] {
        if (open)
            rows.append(*open);
        open.reset();
    };
    for (const QString &line : lines) {
        if (isBreakOnly(line))
            continue;
        auto start = startPattern()->Match(line);
        if (!start->Success())
            start = plainStartPattern()->Match(line);
        const QString body = PlainText(start->Success() ? group(start, 2) : line);
        if (start->Success()) {
            close();
            open = TPHPMessage();
            open->Kind = PlainText(group(start, 1)).trimmed();
            open->Text = body.trimmed();
        } else if (!open) {
            raw.append(PlainText(line).trimmed());
            continue;
        }
        const TPosition position = findPosition(body);
        if (position.line < 0)
            continue; // more lines of the same message may follow (a stack trace)
        open->FileName = ownFile(position.file);
        open->Line = position.line;
        // The first line carries the message; "thrown in ..." only the position.
        if (start->Success())
            open->Text = position.rest;
        close();
    }
    close();
    if (rows.isEmpty() || std::none_of(rows.cbegin(), rows.cend(), [](const TPHPMessage &m) { return m.Line >= 0; })) {
        for (const QString &text : std::as_const(raw)) {
            TPHPMessage row;
            row.Kind = QStringLiteral("Fehler");
            row.Text = text;
            rows.append(row);
        }
    }
    return rows;
}

QList<TPHPMessage> TPHPMessageParser::Report(const TPHPCheckResult &result) const
{
    if (result.Passed())
        return {SuccessRow()};
    QList<TPHPMessage> rows;
    if (result.Status == TPHPCheckResult::TStatus::Failed)
        rows = Parse(result.Lines);
    if (rows.isEmpty()) {
        TPHPMessage row;
        row.Kind = QStringLiteral("Fehler");
        row.FileName = m_documentFile;
        row.Text = !result.ErrorText.isEmpty()
            ? result.ErrorText
            : QStringLiteral("PHP meldet einen Fehler in \"%1\", aber keine Einzelheiten.")
                  .arg(QFileInfo(m_documentFile).fileName());
        rows.append(row);
    }
    return rows;
}
