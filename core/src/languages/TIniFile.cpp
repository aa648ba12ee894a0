#include "languages/TIniFile.h"

#include "utils/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool isQuote(QChar c) { return c == u'"' || c == u'\''; }

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// A value the reader would not give back as it stands gets quotes.
QString quoteForWriting(const QString &value)
{
    const bool blankEdge = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    const bool quoted = value.size() >= 2 && isQuote(value.front()) && value.back() == value.front();
    return blankEdge || quoted ? u'"' + value + u'"' : value;
}

QString entryName(const QString &section, const QString &key)
{
    return key.isNull() ? QStringLiteral("[%1]").arg(section) : QStringLiteral("[%1] %2").arg(section, key);
}

} // namespace

TIniFile TIniFile::FromBytes(const QByteArray &bytes)
{
    TIniFile ini;
    const QString text = DecodeText(bytes);
    qsizetype current = -1;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        ini.ParseLine(text.mid(start, end - start), ++lineNumber, current);
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return ini;
}

TIniResult TIniFile::Load(const QString &fileName, TIniFile &ini)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return TIniResult::failure(QStringLiteral("Die Datei \"%1\" existiert nicht.").arg(fileName));
    if (info.isDir())
        return TIniResult::failure(QStringLiteral("\"%1\" ist ein Ordner und keine Datei.").arg(fileName));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return TIniResult::failure(
            QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2").arg(fileName, file.errorString()));
    // The size is checked on the open file, so a file that grows meanwhile is
    // still read no further than the limit.
    if (file.size() > MaxFileSize)
        return TIniResult::failure(
            QStringLiteral("Die Datei \"%1\" ist mit %2 Byte zu groß für eine INI-Datei (höchstens %3 Byte).")
                .arg(fileName)
                .arg(file.size())
                .arg(MaxFileSize));
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize || file.error() != QFileDevice::NoError)
        return TIniResult::failure(QStringLiteral("Die Datei \"%1\" kann nicht vollständig gelesen werden.")
                                            .arg(fileName));
    ini = FromBytes(bytes);
    return TIniResult::success();
}

QString TIniFile::DecodeText(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return QString::fromUtf8(bytes.mid(kUtf8Bom.size()));
    return fromWindows1252(bytes);
}

QString TIniFile::UnquoteValue(const QString &value)
{
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

void TIniFile::ParseLine(const QString &rawLine, int lineNumber, qsizetype &current)
{
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(u';'))
        return;
    if (line.contains(QChar(0))) {
        m_damagedLines.append(lineNumber);
        return;
    }
    if (line.startsWith(u'[')) {
        const qsizetype close = line.indexOf(u']');
        const QString name = close < 0 ? QString() : line.mid(1, close - 1).trimmed();
        current = name.isEmpty() ? -1 : AddSection(name);
        if (name.isEmpty())
            m_damagedLines.append(lineNumber);
        return;
    }
    const qsizetype equals = line.indexOf(u'=');
    const QString key = equals < 0 ? QString() : line.left(equals).trimmed();
    if (current < 0 || key.isEmpty()) {
        m_damagedLines.append(lineNumber);
        return;
    }
    TSection &section = m_sections[current];
    const QString folded = Fold(key);
    if (section.index.contains(folded))
        return; // the first value stays
    section.index.insert(folded, section.entries.size());
    section.entries.append({key, UnquoteValue(line.mid(equals + 1).trimmed())});
}

qsizetype TIniFile::AddSection(const QString &name)
{
    const QString folded = Fold(name);
    const auto found = m_sectionIndex.constFind(folded);
    if (found != m_sectionIndex.constEnd())
        return *found;
    m_sections.append({name, {}, {}});
    m_sectionIndex.insert(folded, m_sections.size() - 1);
    return m_sections.size() - 1;
}

const TIniFile::TSection *TIniFile::FindSection(const QString &name) const
{
    const auto found = m_sectionIndex.constFind(Fold(name));
    return found == m_sectionIndex.constEnd() ? nullptr : &m_sections[*found];
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const TSection *found = FindSection(section);
    if (!found)
        return defaultValue;
    const auto entry = found->index.constFind(Fold(key));
    return entry == found->index.constEnd() ? defaultValue : found->entries[*entry].value;
}

bool TIniFile::SectionExists(const QString &section) const { return FindSection(section) != nullptr; }

bool TIniFile::ValueExists(const QString &section, const QString &key) const
{
    const TSection *found = FindSection(section);
    return found && found->index.contains(Fold(key));
}

QStringList TIniFile::Sections() const
{
    QStringList names;
    for (const TSection &section : m_sections)
        names.append(section.name);
    return names;
}

QStringList TIniFile::Keys(const QString &section) const
{
    QStringList names;
    if (const TSection *found = FindSection(section)) {
        for (const TEntry &entry : found->entries)
            names.append(entry.key);
    }
    return names;
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    TSection &target = m_sections[AddSection(section)];
    const QString folded = Fold(key);
    const auto found = target.index.constFind(folded);
    if (found != target.index.constEnd()) {
        target.entries[*found].value = value;
        return;
    }
    target.index.insert(folded, target.entries.size());
    target.entries.append({key, value});
}

TIniResult TIniFile::ToBytes(QByteArray &bytes) const
{
    QString text;
    for (const TSection &section : m_sections) {
        const QString name = section.name.trimmed();
        if (name.isEmpty() || name != section.name || name.contains(u']') || hasLineBreak(name))
            return TIniResult::failure(
                QStringLiteral("Der Abschnittsname \"%1\" kann nicht in eine INI-Datei geschrieben werden.")
                    .arg(section.name));
        if (!text.isEmpty())
            text += QStringLiteral("\r\n");
        text += u'[' + name + QStringLiteral("]\r\n");
        for (const TEntry &entry : section.entries) {
            const QString key = entry.key.trimmed();
            if (key.isEmpty() || key != entry.key || key.contains(u'=') || key.startsWith(u'[')
                || key.startsWith(u';') || hasLineBreak(key) || hasLineBreak(entry.value))
                return TIniResult::failure(
                    QStringLiteral("Der Eintrag \"%1\" kann nicht als eine Zeile einer INI-Datei geschrieben werden.")
                        .arg(entryName(name, entry.key)));
            const QString line = key + u'=' + quoteForWriting(entry.value);
            if (!canEncodeWindows1252(line))
                return TIniResult::failure(QStringLiteral("Der Eintrag \"%1\" kann nicht gespeichert werden: %2")
                                                    .arg(entryName(name, entry.key), windows1252EncodeError(line)));
            text += line + QStringLiteral("\r\n");
        }
    }
    if (!canEncodeWindows1252(text))
        return TIniResult::failure(windows1252EncodeError(text));
    bytes = toWindows1252(text);
    return TIniResult::success();
}

TIniResult TIniFile::SaveToFile(const QString &fileName) const
{
    QByteArray bytes;
    const TIniResult encoded = ToBytes(bytes);
    if (!encoded)
        return TIniResult::failure(QStringLiteral("Die Datei \"%1\" wurde nicht geschrieben. %2")
                                            .arg(fileName, encoded.errorText));
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        return TIniResult::failure(QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden: Der Ordner "
                                                  "\"%2\" konnte nicht angelegt werden.")
                                       .arg(fileName, folder));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return TIniResult::failure(
            QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden: %2").arg(fileName, file.errorString()));
    return TIniResult::success();
}
