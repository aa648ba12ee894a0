#include "settings/TVYRARegistry.h"

#include <QRegularExpression>
#include <QSettings>
#include <QStringList>

std::unique_ptr<QSettings> TVYRARegistry::Open(quint32 root, const QString &key)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QStringList parts = key.split(separators, Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(QLatin1StringView("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    const QString organization = parts.value(0);
    const QString application = parts.value(1);
    const QSettings::Scope scope = root == HKeyLocalMachine ? QSettings::SystemScope : QSettings::UserScope;
    auto settings = std::make_unique<QSettings>(scope, organization, application);
    if (parts.size() > 2)
        settings->beginGroup(parts.mid(2).join(u'/'));
    return settings;
}
