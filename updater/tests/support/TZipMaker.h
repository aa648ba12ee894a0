#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// Builds a real ZIP archive in memory with libzip (tests).
class TZipMaker
{
public:
    TZipMaker &Add(const QString &name, const QByteArray &content);
    QByteArray Build() const;

private:
    QList<std::pair<QString, QByteArray>> m_entries;
};
