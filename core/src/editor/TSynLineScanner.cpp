#include "editor/TSynLineScanner.h"

bool TSynLineScanner::lookingAt(QStringView text, Qt::CaseSensitivity cs) const
{
    return m_line.mid(m_pos).startsWith(text, cs);
}

int TSynLineScanner::find(QStringView text, Qt::CaseSensitivity cs) const
{
    return int(m_line.indexOf(text, m_pos, cs));
}

void TSynLineScanner::skipWhitespace()
{
    while (!atEnd() && current().isSpace())
        ++m_pos;
}

int TSynLineScanner::scanIdentifier(QStringView extra)
{
    const int start = m_pos;
    while (!atEnd() && (isIdentChar(current()) || extra.contains(current())))
        ++m_pos;
    return m_pos - start;
}

void TSynLineScanner::scanNumber()
{
    const QChar first = current();
    if (first == u'0' && QStringLiteral("xXbBoO").contains(peek())) {
        advance(2);
        while (!atEnd() && (current().isLetterOrNumber() || current() == u'_'))
            advance();
        return;
    }
    auto digits = [this] {
        while (!atEnd() && (current().isDigit() || current() == u'_'))
            advance();
    };
    digits();
    if (current() == u'.' && peek().isDigit()) {
        advance();
        digits();
    } else if (first == u'.') {
        advance();
        digits();
    }
    if ((current() == u'e' || current() == u'E')
        && (peek().isDigit() || ((peek() == u'+' || peek() == u'-') && peek(2).isDigit()))) {
        advance(2);
        digits();
    }
}

bool TSynLineScanner::scanQuoted(QChar quote, bool escapes, bool *lineContinues)
{
    if (lineContinues)
        *lineContinues = false;
    while (!atEnd()) {
        const QChar c = current();
        if (escapes && c == u'\\') {
            if (m_pos + 1 >= m_line.size()) {
                if (lineContinues)
                    *lineContinues = true;
                advance();
                return false;
            }
            advance(2);
            continue;
        }
        advance();
        if (c == quote)
            return true;
    }
    return false;
}

TSynKeywords::TSynKeywords(const char *spaceSeparated, Qt::CaseSensitivity cs) : m_cs(cs)
{
    const QStringList words = QString::fromLatin1(spaceSeparated).split(u' ', Qt::SkipEmptyParts);
    for (const QString &word : words)
        m_words.insert(cs == Qt::CaseSensitive ? word : word.toLower());
}

bool TSynKeywords::contains(QStringView word) const
{
    if (m_cs == Qt::CaseSensitive)
        return m_words.contains(word.toString());
    return m_words.contains(word.toString().toLower());
}
