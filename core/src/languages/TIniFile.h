#pragma once

#include "languages/TIniResult.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// An INI text held in memory: sections of "key=value" lines. Section and key
// names are case-insensitive, their order of first appearance is kept. The
// text is 8-bit (Windows-1252, whose printable characters include Latin-1);
// a UTF-8 byte-order mark switches to UTF-8.
//
// Reading never fails on damaged text: a line that is neither a comment
// (";"), a section head "[name]" nor "key=value" inside a section is skipped
// and its number kept in DamagedLines(). After a damaged section head the
// keys up to the next good head are skipped too, so that they do not land in
// the section above. A key or section given twice keeps its first value;
// the keys of a repeated section join the first one. Surrounding blanks of
// names and values are dropped, and one pair of matching quotes around a
// value is removed, as the Windows profile functions do.
class VYRA_EXPORT TIniFile
{
public:
    // Larger files are refused before anything is read.
    static constexpr qint64 MaxFileSize = 8 * 1024 * 1024;

    static TIniFile FromBytes(const QByteArray &bytes);
    // Reads a file or a Qt resource. A missing, unreadable, oversized file
    // or a folder gives a failure with the German reason; ini is then left
    // as it was.
    static TIniResult Load(const QString &fileName, TIniFile &ini);

    QString ReadString(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &key) const;
    // Names as first written in the text.
    QStringList Sections() const;
    QStringList Keys(const QString &section) const;
    // Numbers (1-based) of the lines the reader skipped as damaged.
    const QList<int> &DamagedLines() const { return m_damagedLines; }

    // Sets a value, adding the section or key at the end when missing.
    void WriteString(const QString &section, const QString &key, const QString &value);

    // The text in Windows-1252 with CR LF line ends. Fails with a German
    // text naming the entry when a character has no Windows-1252 code or a
    // name or value cannot be written as one line.
    TIniResult ToBytes(QByteArray &bytes) const;
    // Writes through a temporary file; on failure the old file stays whole.
    TIniResult SaveToFile(const QString &fileName) const;

private:
    struct TEntry {
        QString key;
        QString value;
    };
    struct TSection {
        QString name;
        QList<TEntry> entries;
        QHash<QString, qsizetype> index; // folded key -> entry
    };

    static QString Fold(const QString &name) { return name.toCaseFolded(); }
    static QString DecodeText(const QByteArray &bytes);
    static QString UnquoteValue(const QString &value);
    void ParseLine(const QString &line, int lineNumber, qsizetype &current);
    qsizetype AddSection(const QString &name);
    const TSection *FindSection(const QString &name) const;

    QList<TSection> m_sections;
    QHash<QString, qsizetype> m_sectionIndex; // folded name -> section
    QList<int> m_damagedLines;
};
