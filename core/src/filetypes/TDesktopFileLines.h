#pragma once

#include <QString>
#include <QStringList>

// The lines of a freedesktop.org key file (desktop entry, mimeapps.list),
// edited in place so that groups and keys we do not know stay as they were.
class TDesktopFileLines
{
public:
    // A missing or unreadable file gives no lines.
    static TDesktopFileLines Read(const QString &fileName);
    bool Write(const QString &fileName) const;

    QString Value(const QString &group, const QString &key) const;
    // Replaces the key's value, or adds the key (and the group) when missing.
    void SetValue(const QString &group, const QString &key, const QString &value);
    bool IsEmpty() const { return m_lines.isEmpty(); }

    // A ";"-separated list value with item appended unless present.
    static QString AddListItem(const QString &list, const QString &item);

private:
    // Index of the group's header line, -1 when absent.
    int groupLine(const QString &group) const;
    // Index of the key's line inside the group, -1 when absent.
    int keyLine(int groupIndex, const QString &key) const;
    int groupEnd(int groupIndex) const;

    QStringList m_lines;
};
