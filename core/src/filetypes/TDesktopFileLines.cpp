#include "filetypes/TDesktopFileLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

TDesktopFileLines TDesktopFileLines::Read(const QString &fileName)
{
    TDesktopFileLines result;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.m_lines = text.split(QLatin1Char('\n'));
    while (!result.m_lines.isEmpty() && result.m_lines.last().isEmpty())
        result.m_lines.removeLast();
    return result;
}

bool TDesktopFileLines::Write(const QString &fileName) const
{
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((m_lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.commit();
}

int TDesktopFileLines::groupLine(const QString &group) const
{
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].trimmed() == header)
            return i;
    }
    return -1;
}

int TDesktopFileLines::groupEnd(int groupIndex) const
{
    int end = groupIndex + 1;
    while (end < m_lines.size() && !m_lines[end].trimmed().startsWith(QLatin1Char('[')))
        ++end;
    return end;
}

int TDesktopFileLines::keyLine(int groupIndex, const QString &key) const
{
    const int end = groupEnd(groupIndex);
    for (int i = groupIndex + 1; i < end; ++i) {
        const QString line = m_lines[i];
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == key)
            return i;
    }
    return -1;
}

QString TDesktopFileLines::Value(const QString &group, const QString &key) const
{
    const int g = groupLine(group);
    const int k = g < 0 ? -1 : keyLine(g, key);
    if (k < 0)
        return {};
    return m_lines[k].mid(m_lines[k].indexOf(QLatin1Char('=')) + 1).trimmed();
}

void TDesktopFileLines::SetValue(const QString &group, const QString &key, const QString &value)
{
    int g = groupLine(group);
    if (g < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().isEmpty())
            m_lines.append(QString());
        m_lines.append(QLatin1Char('[') + group + QLatin1Char(']'));
        g = int(m_lines.size()) - 1;
    }
    const QString line = key + QLatin1Char('=') + value;
    const int k = keyLine(g, key);
    if (k >= 0) {
        m_lines[k] = line;
        return;
    }
    // Behind the group's last non-empty line.
    int at = groupEnd(g);
    while (at > g + 1 && m_lines[at - 1].trimmed().isEmpty())
        --at;
    m_lines.insert(at, line);
}

QString TDesktopFileLines::AddListItem(const QString &list, const QString &item)
{
    QStringList items = list.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (!items.contains(item))
        items.append(item);
    return items.join(QLatin1Char(';')) + QLatin1Char(';');
}
