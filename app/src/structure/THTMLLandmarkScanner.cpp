#include "structure/THTMLLandmarkScanner.h"

#include "analysis/TTagScanner.h"

#include <QRegularExpression>

namespace {

constexpr int MaxHeadingCaption = 60;

// Index after the "?>" that ends the PHP block opened at from, or the end.
int skipPhp(QStringView text, int from)
{
    const qsizetype close = text.indexOf(u"?>", from + 2);
    return close < 0 ? int(text.size()) : int(close) + 2;
}

// Index of the ">" that ends the tag opened at from; quotes and PHP blocks
// inside it are passed over. -1 when the tag never ends.
int tagEnd(QStringView text, int from)
{
    const int length = int(text.size());
    QChar quote;
    for (int i = from + 1; i < length; ++i) {
        const QChar c = text[i];
        if (c == u'<' && i + 1 < length && text[i + 1] == u'?') {
            i = skipPhp(text, i) - 1;
        } else if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return i;
        }
    }
    return -1;
}

int indexOfCaseless(QStringView text, QStringView what, int from)
{
    return int(text.indexOf(what, from, Qt::CaseInsensitive));
}

QString headingCaption(QStringView text, int contentStart, const QString &name)
{
    int end = indexOfCaseless(text, QString(QStringLiteral("</") + name), contentStart);
    if (end < 0)
        end = qMin(int(text.size()), contentStart + MaxHeadingCaption * 4);
    QString content;
    bool inTag = false;
    for (const QChar c : text.mid(contentStart, end - contentStart)) {
        if (c == u'<')
            inTag = true;
        else if (c == u'>')
            inTag = false;
        else if (!inTag)
            content += c;
    }
    content = content.simplified();
    if (content.size() > MaxHeadingCaption)
        content = content.left(MaxHeadingCaption) + QStringLiteral("...");
    return QStringLiteral("<%1> %2").arg(name, content).trimmed();
}

QString attributeValue(const QList<TTagScanner::TAttributeSpan> &attributes, const QString &name)
{
    for (const TTagScanner::TAttributeSpan &attribute : attributes)
        if (attribute.HasValue && attribute.Name.compare(name, Qt::CaseInsensitive) == 0)
            return attribute.Value;
    return QString();
}

bool isHeading(const QString &name)
{
    return name.size() == 2 && name[0] == u'h' && name[1] >= u'1' && name[1] <= u'6';
}

} // namespace

THTMLLandmarkScanner::TResult THTMLLandmarkScanner::Scan(QStringView text)
{
    TResult result;
    const int length = int(text.size());
    int i = 0;
    while (i < length) {
        const int open = int(text.indexOf(u'<', i));
        if (open < 0 || open + 1 >= length)
            break;
        const QChar next = text[open + 1];
        if (next == u'?') {
            i = skipPhp(text, open);
            continue;
        }
        if (text.mid(open, 4) == u"<!--") {
            const int close = int(text.indexOf(u"-->", open + 4));
            i = close < 0 ? length : close + 3;
            continue;
        }
        if (!next.isLetter()) {
            i = open + 1;
            continue;
        }
        const int close = tagEnd(text, open);
        if (close < 0)
            break;
        int nameEnd = open + 1;
        while (nameEnd < close && !TTagScanner::EndsName(text[nameEnd]))
            ++nameEnd;
        const QString name = text.mid(open + 1, nameEnd - open - 1).toString().toLower();
        const auto attributes = TTagScanner::ScanAttributes(text.mid(nameEnd, close - nameEnd));
        const QString id = attributeValue(attributes, QStringLiteral("id"));
        i = close + 1;
        if (name == u"script" || name == u"style") {
            const int end = indexOfCaseless(text, QString(QStringLiteral("</") + name), i);
            if (name == u"script")
                scanScript(text, i, end < 0 ? length : end, result.Functions);
            i = end < 0 ? length : end;
        } else if (name == u"form") {
            QString label = attributeValue(attributes, QStringLiteral("name"));
            if (label.isEmpty())
                label = id;
            if (label.isEmpty())
                label = attributeValue(attributes, QStringLiteral("action"));
            result.Elements << TLandmark{QStringLiteral("<form> %1").arg(label).trimmed(), open};
        } else if (isHeading(name)) {
            result.Elements << TLandmark{headingCaption(text, i, name), open};
        } else if (!id.isEmpty()) {
            result.Elements << TLandmark{QStringLiteral("<%1 id=\"%2\">").arg(name, id), open};
        }
    }
    return result;
}

void THTMLLandmarkScanner::scanScript(QStringView text, int from, int to, QList<TLandmark> &functions)
{
    // Declarations, and functions given to a name: "f = function", "f = (..) =>".
    static const QRegularExpression declaration(QStringLiteral(
        R"((?:\bfunction\s*\*?\s*([A-Za-z_$][\w$]*)\s*\()|(?:\b([A-Za-z_$][\w$]*)\s*[=:]\s*(?:async\s+)?(?:function\b|\([^()]*\)\s*=>|[A-Za-z_$][\w$]*\s*=>)))"));
    const QString script = text.mid(from, to - from).toString();
    auto it = declaration.globalMatch(script);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const int group = match.capturedStart(1) >= 0 ? 1 : 2;
        functions << TLandmark{match.captured(group) + QStringLiteral("()"), from + int(match.capturedStart(group))};
    }
}
