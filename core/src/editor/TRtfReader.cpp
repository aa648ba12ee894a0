#include "editor/TRtfReader.h"

#include "editor/TTextEncoding.h"

#include <QList>
#include <QTextCursor>
#include <QTextDocument>

namespace {

enum class TDestination { dNormal, dSkip, dFontTable, dColorTable, dFieldInstruction, dFieldResult };

struct TGroupState
{
    TDestination destination = TDestination::dNormal;
    int font = -1;
    int halfPoints = 24;
    bool bold = false, italic = false, underline = false, strike = false;
    int color = 0;
    int unicodeSkip = 1;
    Qt::Alignment alignment = Qt::AlignLeft;
    QString link;
};

class TRtfParser
{
public:
    TRtfParser(const QByteArray &data, QTextDocument &document) : m_data(data), m_cursor(&document) {}
    void run();

private:
    void readControl();
    void applyControl(const QByteArray &word, bool hasParameter, int parameter);
    void addText(const QString &text);
    void flushText();
    void endGroup();
    void finishParagraph(Qt::Alignment alignment);
    QTextCharFormat currentFormat() const;

    const QByteArray &m_data;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;
    QList<TGroupState> m_stack{TGroupState{}};
    int m_skippedGroups = 0; // groups beyond MaxDepth
    int m_pendingSkip = 0;   // characters to drop after \uN
    bool m_nextIsDestination = false;
    QString m_pending;
    Qt::Alignment m_lastAlignment = Qt::AlignLeft;
    QList<QString> m_fonts;
    QList<QColor> m_colors;
    QString m_fontName;
    QColor m_color;
    bool m_colorSet = false;
    QString m_fieldInstruction;
    QString m_fieldLink;
};

TGroupState &top(QList<TGroupState> &stack) { return stack.last(); }

void TRtfParser::run()
{
    m_cursor.beginEditBlock();
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '{') {
            ++m_pos;
            m_pendingSkip = 0;
            flushText();
            if (m_stack.size() >= TRtfReader::MaxDepth)
                ++m_skippedGroups;
            else
                m_stack.append(m_stack.last());
        } else if (c == '}') {
            ++m_pos;
            m_pendingSkip = 0;
            endGroup();
        } else if (c == '\\') {
            readControl();
        } else if (c == '\r' || c == '\n') {
            ++m_pos;
        } else {
            ++m_pos;
            if (m_pendingSkip > 0)
                --m_pendingSkip; // the fallback after \uN
            else
                addText(QString(QChar(static_cast<unsigned char>(c))));
        }
    }
    flushText();
    finishParagraph(m_lastAlignment);
    m_cursor.endEditBlock();
}

void TRtfParser::endGroup()
{
    flushText();
    if (m_skippedGroups > 0) {
        --m_skippedGroups;
        return;
    }
    if (m_stack.size() <= 1)
        return;
    const TGroupState closing = m_stack.takeLast();
    if (closing.destination == TDestination::dFontTable && !m_fontName.isEmpty()) {
        if (closing.font >= 0 && closing.font < 4096) {
            while (m_fonts.size() <= closing.font)
                m_fonts.append(QString());
            m_fonts[closing.font] = m_fontName.trimmed();
        }
        m_fontName.clear();
    }
    if (closing.destination == TDestination::dFieldInstruction && top(m_stack).destination != TDestination::dFieldInstruction) {
        const int quote = int(m_fieldInstruction.indexOf(u'"'));
        const int end = quote >= 0 ? int(m_fieldInstruction.indexOf(u'"', quote + 1)) : -1;
        if (m_fieldInstruction.trimmed().startsWith(QStringLiteral("HYPERLINK")) && end > quote)
            m_fieldLink = m_fieldInstruction.mid(quote + 1, end - quote - 1);
        m_fieldInstruction.clear();
    }
    if (closing.destination == TDestination::dFieldResult && top(m_stack).destination != TDestination::dFieldResult)
        m_fieldLink.clear();
}

void TRtfParser::readControl()
{
    ++m_pos; // backslash
    if (m_pos >= m_data.size())
        return;
    const char c = m_data[m_pos];
    if (!std::isalpha(static_cast<unsigned char>(c))) {
        ++m_pos;
        switch (c) {
        case '\\':
        case '{':
        case '}': addText(QString(QChar(c))); break;
        case '~': addText(QString(QChar(0xA0))); break;
        case '_': addText(QString(QChar(0x2011))); break;
        case '*': m_nextIsDestination = true; return;
        case '\'': {
            const QByteArray hex = m_data.mid(m_pos, 2);
            bool ok = hex.size() == 2;
            const int value = hex.toInt(ok ? &ok : nullptr, 16);
            m_pos += hex.size();
            if (m_pendingSkip > 0)
                --m_pendingSkip;
            else if (ok) {
                const char byte = char(value);
                addText(TextCodec::fromWindows1252(&byte, 1));
            }
            break;
        }
        case '\r':
        case '\n': applyControl("par", false, 0); break;
        default: break;
        }
        return;
    }
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && std::isalpha(static_cast<unsigned char>(m_data[m_pos])) && m_pos - start < 32)
        ++m_pos;
    const QByteArray word = m_data.mid(start, m_pos - start);
    bool negative = false;
    if (m_pos < m_data.size() && m_data[m_pos] == '-') {
        negative = true;
        ++m_pos;
    }
    long long value = 0;
    bool hasParameter = false;
    while (m_pos < m_data.size() && std::isdigit(static_cast<unsigned char>(m_data[m_pos]))) {
        if (value < 100000000)
            value = value * 10 + (m_data[m_pos] - '0');
        hasParameter = true;
        ++m_pos;
    }
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos;
    m_pendingSkip = 0;
    applyControl(word, hasParameter, int(negative ? -value : value));
}

void TRtfParser::applyControl(const QByteArray &word, bool hasParameter, int parameter)
{
    TGroupState &state = top(m_stack);
    const bool destination = m_nextIsDestination;
    m_nextIsDestination = false;
    const bool on = !hasParameter || parameter != 0;
    if (word == "fonttbl") {
        state.destination = TDestination::dFontTable;
    } else if (word == "colortbl") {
        state.destination = TDestination::dColorTable;
    } else if (word == "fldinst") {
        state.destination = TDestination::dFieldInstruction;
    } else if (word == "fldrslt") {
        state.destination = TDestination::dFieldResult;
        state.link = m_fieldLink;
    } else if (destination || word == "info" || word == "stylesheet" || word == "pict" || word == "header"
               || word == "footer" || word == "object" || word == "listtable" || word == "listoverridetable") {
        if (state.destination != TDestination::dFieldInstruction)
            state.destination = TDestination::dSkip;
    } else if (word == "par" || word == "sect") {
        flushText();
        if (state.destination == TDestination::dNormal || state.destination == TDestination::dFieldResult) {
            finishParagraph(state.alignment);
            m_cursor.insertBlock();
        }
    } else if (word == "line") {
        addText(QString(QChar(0x2028)));
    } else if (word == "tab") {
        addText(QStringLiteral("\t"));
    } else if (word == "pard") {
        state.alignment = Qt::AlignLeft;
    } else if (word == "ql" || word == "qc" || word == "qr" || word == "qj") {
        state.alignment = word == "qc" ? Qt::AlignHCenter : word == "qr" ? Qt::AlignRight : word == "qj" ? Qt::AlignJustify : Qt::AlignLeft;
    } else if (word == "plain") {
        state.bold = state.italic = state.underline = state.strike = false;
        state.halfPoints = 24;
        state.color = 0;
    } else if (word == "f") {
        state.font = parameter;
    } else if (word == "fs") {
        state.halfPoints = std::clamp(parameter, 2, 3200);
    } else if (word == "b") {
        state.bold = on;
    } else if (word == "i") {
        state.italic = on;
    } else if (word == "ul") {
        state.underline = on;
    } else if (word == "ulnone") {
        state.underline = false;
    } else if (word == "strike") {
        state.strike = on;
    } else if (word == "cf") {
        state.color = parameter;
    } else if (word == "uc") {
        state.unicodeSkip = std::clamp(parameter, 0, 10);
    } else if (word == "u") {
        addText(QString(QChar(char16_t(parameter < 0 ? parameter + 65536 : parameter))));
        m_pendingSkip = state.unicodeSkip;
    } else if (word == "red" || word == "green" || word == "blue") {
        const int v = std::clamp(parameter, 0, 255);
        if (!m_colorSet)
            m_color = QColor(0, 0, 0);
        m_colorSet = true;
        word == "red" ? m_color.setRed(v) : word == "green" ? m_color.setGreen(v) : m_color.setBlue(v);
    } else if (word == "emdash") {
        addText(QString(QChar(0x2014)));
    } else if (word == "endash") {
        addText(QString(QChar(0x2013)));
    } else if (word == "bullet") {
        addText(QString(QChar(0x2022)));
    }
}

void TRtfParser::addText(const QString &text)
{
    const QString &piece = text;
    TGroupState &state = top(m_stack);
    switch (state.destination) {
    case TDestination::dSkip: return;
    case TDestination::dFontTable:
        if (piece != u";")
            m_fontName += piece;
        return;
    case TDestination::dColorTable:
        if (piece == u";") {
            m_colors.append(m_colorSet ? m_color : QColor());
            m_colorSet = false;
        }
        return;
    case TDestination::dFieldInstruction: m_fieldInstruction += piece; return;
    default: break;
    }
    m_pending += piece;
}

void TRtfParser::flushText()
{
    if (m_pending.isEmpty())
        return;
    m_cursor.insertText(m_pending, currentFormat());
    m_pending.clear();
    m_lastAlignment = m_stack.last().alignment;
}

QTextCharFormat TRtfParser::currentFormat() const
{
    const TGroupState &state = m_stack.last();
    QTextCharFormat format;
    if (state.font >= 0 && state.font < m_fonts.size() && !m_fonts[state.font].isEmpty())
        format.setFontFamilies({m_fonts[state.font]});
    format.setFontPointSize(state.halfPoints / 2.0);
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(state.italic);
    format.setFontUnderline(state.underline);
    format.setFontStrikeOut(state.strike);
    if (state.color > 0 && state.color < m_colors.size() && m_colors[state.color].isValid())
        format.setForeground(m_colors[state.color]);
    if (!state.link.isEmpty()) {
        format.setAnchor(true);
        format.setAnchorHref(state.link);
    }
    return format;
}

void TRtfParser::finishParagraph(Qt::Alignment alignment)
{
    QTextBlockFormat block = m_cursor.blockFormat();
    block.setAlignment(alignment);
    m_cursor.setBlockFormat(block);
}

} // namespace

bool TRtfReader::looksLikeRtf(const QByteArray &data)
{
    return data.startsWith("{\\rtf");
}

bool TRtfReader::read(const QByteArray &data, QTextDocument &document)
{
    if (!looksLikeRtf(data))
        return false;
    document.clear();
    TRtfParser(data, document).run();
    return true;
}
