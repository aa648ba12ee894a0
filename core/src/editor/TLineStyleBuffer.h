#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QStringView>

#include <array>

// The style bytes of one line as Scintilla takes them in one call: one per
// UTF-8 byte, filled run by run.
//
// Scintilla lays a line out segment by segment, and a segment ends where the
// style changes. Segments shorter than 30 bytes come from its width cache;
// longer ones are measured with Qt's text layout, at some 0.4 µs a character,
// and every edit lays the whole line out again. In a long line every other
// character therefore takes the twin of its style (same font and colours):
// each character is a segment of its own, found in the cache, and laying the
// line out costs a tenth.
class VYRA_EXPORT TLineStyleBuffer
{
public:
    // For each style its twin; a style without a twin maps to itself.
    using Twins = std::array<unsigned char, 256>;

    void clear() { m_styles.clear(); }
    // The UTF-8 bytes of the characters in chars, all in style.
    void appendRun(QStringView chars, int style);
    void appendBytes(qsizetype count, int style);
    // Gives every other character of the line (its UTF-8 bytes) the twin
    // of its style.
    void alternate(const char *utf8, qsizetype length, const Twins &twins);

    const QByteArray &bytes() const { return m_styles; }
    qsizetype size() const { return m_styles.size(); }

    static qsizetype utf8Length(QStringView chars);

private:
    QByteArray m_styles;
};
