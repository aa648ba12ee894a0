#include "projects/ProjectGuids.h"

#include "utils/Passwords.h"

QString GuidText(const QUuid &guid) { return GuidToString(guid); }

QUuid GuidFromText(const QString &text)
{
    // QUuid reads both letter cases and tells an unreadable text by the null GUID.
    return QUuid::fromString(QStringView(text).trimmed());
}
