#pragma once

#include <QList>
#include <QStringView>
#include <cstdint>

// Splits PHP source into code and what is not code: inline HTML, string
// literals (quoted, heredoc, nowdoc, with their interpolations) and comments.
// It works incrementally: Scan goes on from where the last call stopped.
class TPHPLexer
{
public:
    enum class TSpanKind : uint8_t { skString, skBlockComment, skLineComment, skHtml, skOpenTag, skCloseTag };
    struct TSpan
    {
        int32_t Start;
        int32_t End; // one past the last character
        TSpanKind Kind;
    };

    // startsInHtml: the text begins as a PHP file does, outside "<?php";
    // otherwise it is taken as PHP code from its first character.
    TPHPLexer(QStringView text, bool startsInHtml);

    // Scans whole spans until every span that starts at or before pos is
    // complete, appending them to spans. Returns the scan position.
    int32_t Scan(int32_t pos, QList<TSpan> &spans);
    bool AtEnd() const { return m_pos >= m_text.size(); }

    // The text with everything but PHP code replaced by blanks (line breaks
    // kept, so every offset stays the same); a closing "?>" becomes ";".
    static QString CodeMask(QStringView text, bool startsInHtml, QList<TSpan> *spans = nullptr);

    static bool IsIdentStart(char16_t c)
    {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c >= 0x80;
    }
    static bool IsIdentChar(char16_t c) { return IsIdentStart(c) || (c >= u'0' && c <= u'9'); }

private:
    char16_t at(qsizetype i) const { return i < m_text.size() ? m_text[i].unicode() : 0; }
    void scanHtml(QList<TSpan> &spans);
    // One step in PHP code: a span, or code characters up to the next span start.
    void scanPhp(QList<TSpan> &spans);
    int32_t scanQuoted(int32_t start, char16_t quote);
    int32_t scanInterpolation(int32_t braceAt);
    int32_t scanCodeUntilBrace(int32_t from);
    int32_t scanLineComment(int32_t start);
    int32_t scanBlockComment(int32_t start);
    // Heredoc or nowdoc starting with "<<<" at start; -1 when it is not one.
    int32_t scanHeredoc(int32_t start);
    int32_t openTagLength(int32_t at) const;

    QStringView m_text;
    int32_t m_pos = 0;
    bool m_inHtml;
};
