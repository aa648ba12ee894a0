#pragma once

#include "vyra_export.h"

#include <QSet>
#include <QString>
#include <QStringView>

// Cursor over one line for the tokenizers, with the small scans they share.
class VYRA_EXPORT TSynLineScanner
{
public:
    explicit TSynLineScanner(QStringView line) : m_line(line) {}

    int pos() const { return m_pos; }
    void setPos(int pos) { m_pos = pos; }
    bool atEnd() const { return m_pos >= m_line.size(); }
    int size() const { return int(m_line.size()); }
    QChar at(int i) const { return i >= 0 && i < m_line.size() ? m_line[i] : QChar(); }
    QChar current() const { return at(m_pos); }
    QChar peek(int ahead = 1) const { return at(m_pos + ahead); }
    QStringView text(int from, int to) const { return m_line.mid(from, to - from); }
    QStringView line() const { return m_line; }

    bool lookingAt(QStringView text, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    // Index of text at or after the cursor, or -1.
    int find(QStringView text, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;

    void advance(int count = 1) { m_pos = qMin(m_pos + count, int(m_line.size())); }
    void skipWhitespace();
    void skipToEnd() { m_pos = int(m_line.size()); }
    // Identifier: letter, '_', or any non-ASCII character, then also digits.
    // With extra, the characters in it count as identifier characters too.
    int scanIdentifier(QStringView extra = {});
    // Decimal, hex (0x), octal, binary numbers with '_' separators, fraction
    // and exponent.
    void scanNumber();
    // Moves past the closing quote, honouring backslash escapes when escapes
    // is set. Returns false when the line ends first; lineContinues then says
    // whether the line ended on a backslash.
    bool scanQuoted(QChar quote, bool escapes, bool *lineContinues = nullptr);

    static bool isIdentStart(QChar c) { return c.isLetter() || c == u'_' || c.unicode() >= 0x80; }
    static bool isIdentChar(QChar c) { return isIdentStart(c) || c.isDigit(); }

private:
    QStringView m_line;
    int m_pos = 0;
};

// A keyword list, case-sensitive or not.
class VYRA_EXPORT TSynKeywords
{
public:
    TSynKeywords(const char *spaceSeparated, Qt::CaseSensitivity cs);
    bool contains(QStringView word) const;

private:
    QSet<QString> m_words;
    Qt::CaseSensitivity m_cs;
};
