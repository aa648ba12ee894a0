#include "generators/THtmlElementFinder.h"

#include "generators/THtmlAttribute.h"

#include <QRegularExpression>
#include <vector>

namespace {

// An opening tag whose attribute values may hold ">".
QRegularExpression openingTag(const QString &tag)
{
    return QRegularExpression(QStringLiteral("<%1\\b(?:[^>\"']|\"[^\"]*\"|'[^']*')*>").arg(tag),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

QHash<QString, QString> THtmlElementFinder::Attributes(const QString &opening)
{
    static const QRegularExpression attribute(
        QStringLiteral("([A-Za-z_:][-A-Za-z0-9_:.]*)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>/]+))"));
    QHash<QString, QString> attributes;
    const int nameEnd = int(opening.indexOf(QRegularExpression(QStringLiteral("[\\s>/]")), 1));
    QRegularExpressionMatchIterator it = attribute.globalMatch(opening, nameEnd < 0 ? 0 : nameEnd);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        QString value = m.captured(2);
        if (m.capturedStart(3) >= 0)
            value = m.captured(3);
        else if (m.capturedStart(4) >= 0)
            value = m.captured(4);
        const QString name = m.captured(1).toLower();
        if (!attributes.contains(name))
            attributes.insert(name, THtmlAttribute::Unescape(value));
    }
    return attributes;
}

std::optional<THtmlElementFinder::TElement> THtmlElementFinder::Enclosing(const QString &text, int offset,
                                                                          const QString &tag, bool isVoid)
{
    const QRegularExpression opening = openingTag(tag);
    if (isVoid) {
        QRegularExpressionMatchIterator it = opening.globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            if (m.capturedStart() < offset && offset < m.capturedEnd()) {
                TElement element;
                element.start = int(m.capturedStart());
                element.length = element.openingLength = int(m.capturedLength());
                element.attributes = Attributes(m.captured());
                return element;
            }
            if (m.capturedStart() >= offset)
                break;
        }
        return std::nullopt;
    }
    const QRegularExpression tags(opening.pattern() + QStringLiteral("|</%1\\s*>").arg(tag),
                                  QRegularExpression::CaseInsensitiveOption);
    std::vector<QRegularExpressionMatch> open;
    QRegularExpressionMatchIterator it = tags.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured().startsWith(QLatin1String("</"))) {
            if (m.capturedStart() >= offset && open.empty())
                break;
            open.push_back(m);
            continue;
        }
        if (open.empty())
            continue;
        const QRegularExpressionMatch start = open.back();
        open.pop_back();
        // Elements close inside out: the first one around the caret is the innermost.
        if (start.capturedStart() < offset && offset < m.capturedEnd()) {
            TElement element;
            element.start = int(start.capturedStart());
            element.length = int(m.capturedEnd() - start.capturedStart());
            element.openingLength = int(start.capturedLength());
            element.inner = text.mid(start.capturedEnd(), m.capturedStart() - start.capturedEnd());
            element.attributes = Attributes(start.captured());
            return element;
        }
    }
    return std::nullopt;
}

std::optional<THtmlElementFinder::TElement> THtmlElementFinder::MetaBlock(const QString &text, int offset)
{
    QRegularExpressionMatchIterator it = openingTag(QStringLiteral("meta")).globalMatch(text);
    int blockStart = -1;
    int blockEnd = -1;
    int firstLength = 0;
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const bool joins = blockEnd >= 0 && text.mid(blockEnd, m.capturedStart() - blockEnd).trimmed().isEmpty();
        if (!joins) {
            if (blockStart >= 0 && blockStart < offset && offset < blockEnd)
                break;
            blockStart = int(m.capturedStart());
            firstLength = int(m.capturedLength());
        }
        blockEnd = int(m.capturedEnd());
    }
    if (blockStart < 0 || !(blockStart < offset && offset < blockEnd))
        return std::nullopt;
    TElement element;
    element.start = blockStart;
    element.length = blockEnd - blockStart;
    element.openingLength = firstLength;
    element.inner = text.mid(blockStart, element.length);
    element.attributes = Attributes(text.mid(blockStart, firstLength));
    return element;
}
