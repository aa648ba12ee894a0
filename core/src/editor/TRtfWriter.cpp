#include "editor/TRtfWriter.h"

#include "editor/TTextEncoding.h"

#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

class TRtfBuilder
{
public:
    QByteArray build(const QTextDocument &document);

private:
    void writeBlock(const QTextBlock &block, QByteArray &body);
    void writeFragment(const QTextFragment &fragment, QByteArray &body);
    QByteArray formatCodes(const QTextCharFormat &format);
    static QByteArray escaped(QStringView text);
    int fontIndex(const QString &family);
    int colorIndex(const QColor &color);

    QList<QString> m_fonts;
    QList<QColor> m_colors;
};

QByteArray TRtfBuilder::build(const QTextDocument &document)
{
    m_fonts = {document.defaultFont().family()};
    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            body += "\\par\n";
        writeBlock(block, body);
    }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i)
        out += "{\\f" + QByteArray::number(i) + ' ' + escaped(m_fonts[i]) + ";}";
    out += "}\n{\\colortbl;";
    for (const QColor &color : m_colors)
        out += "\\red" + QByteArray::number(color.red()) + "\\green" + QByteArray::number(color.green()) + "\\blue"
               + QByteArray::number(color.blue()) + ';';
    out += "}\n" + body + "}\n";
    return out;
}

void TRtfBuilder::writeBlock(const QTextBlock &block, QByteArray &body)
{
    const Qt::Alignment alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    body += "\\pard";
    if (alignment & Qt::AlignHCenter)
        body += "\\qc";
    else if (alignment & Qt::AlignRight)
        body += "\\qr";
    else if (alignment & Qt::AlignJustify)
        body += "\\qj";
    body += ' ';
    for (auto it = block.begin(); !it.atEnd(); ++it)
        writeFragment(it.fragment(), body);
}

void TRtfBuilder::writeFragment(const QTextFragment &fragment, QByteArray &body)
{
    if (!fragment.isValid())
        return;
    const QTextCharFormat format = fragment.charFormat();
    const QByteArray group = '{' + formatCodes(format) + ' ' + escaped(fragment.text()) + '}';
    if (format.isAnchor() && !format.anchorHref().isEmpty()) {
        QString href = format.anchorHref();
        href.remove(u'"');
        body += "{\\field{\\*\\fldinst HYPERLINK \"" + escaped(href) + "\"}{\\fldrslt " + group + "}}";
    } else {
        body += group;
    }
}

QByteArray TRtfBuilder::formatCodes(const QTextCharFormat &format)
{
    const QStringList families = format.fontFamilies().toStringList();
    QByteArray codes = "\\f" + QByteArray::number(families.isEmpty() ? 0 : fontIndex(families.first()));
    const double size = format.fontPointSize();
    codes += "\\fs" + QByteArray::number(qRound((size > 0 ? size : 12.0) * 2));
    if (format.fontWeight() >= QFont::DemiBold)
        codes += "\\b";
    if (format.fontItalic())
        codes += "\\i";
    if (format.fontUnderline())
        codes += "\\ul";
    if (format.fontStrikeOut())
        codes += "\\strike";
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        codes += "\\cf" + QByteArray::number(colorIndex(format.foreground().color()));
    return codes;
}

QByteArray TRtfBuilder::escaped(QStringView text)
{
    QByteArray out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u == 0x2028 || u == QChar::LineSeparator) {
            out += "\\line ";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else {
            QByteArray cp;
            if (TextCodec::toWindows1252(QStringView(&c, 1), cp) && u >= 0x80)
                out += "\\'" + cp.toHex();
            else
                out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

int TRtfBuilder::fontIndex(const QString &family)
{
    int index = int(m_fonts.indexOf(family));
    if (index < 0) {
        index = int(m_fonts.size());
        m_fonts.append(family);
    }
    return index;
}

int TRtfBuilder::colorIndex(const QColor &color)
{
    const QColor rgb = color.toRgb();
    int index = int(m_colors.indexOf(rgb));
    if (index < 0) {
        index = int(m_colors.size());
        m_colors.append(rgb);
    }
    return index + 1; // entry 0 is the automatic colour
}

} // namespace

QByteArray TRtfWriter::write(const QTextDocument &document)
{
    return TRtfBuilder().build(document);
}
