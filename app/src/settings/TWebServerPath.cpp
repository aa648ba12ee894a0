#include "settings/TWebServerPath.h"

#include <QFileInfo>

QString TWebServerPath::Check(const QString &path)
{
    const QFileInfo folder(path);
    if (!path.trimmed().isEmpty() && folder.isDir() && folder.isReadable())
        return {};
    return QStringLiteral("Das Verzeichnis \"%1\" ist nicht gültig. Überprüfen Sie, ob das ausgewählte Verzeichnis "
                          "existiert und Sie ausreichende Zugriffsberechtigungen besitzen und versuchen Sie es erneut.")
        .arg(path);
}
