#include "container/TVYRAContainerMessages.h"

namespace {

// The text of each event; "%1" stands for the file where the text names it.
QString baseText(TVYRAEvent event)
{
    switch (event) {
    case evBadFile:
        return QStringLiteral("Talvex Studio hat festgestellt, dass diese Datei von außen verändert wurde. Die Datei "
                              "wurde dabei möglicherweise beschädigt. Beim Öffnen dieser Datei können unerwartete "
                              "Ergebnisse auftreten. Möchten Sie fortfahren?");
    case evFileNotFound:
        return QStringLiteral("Die angegebene Datei \"%1\" existiert nicht. Soll diese erstellt werden?");
    case evFileAlreadyOpen:
        return QStringLiteral("Die Datei \"%1\" ist bereits in dieser Projektgruppe vorhanden. Möchten Sie "
                              "Originaldatei neu von der Festplatte laden?");
    case evEditorModeChanged:
        return QStringLiteral("Das Dokument \"%1\" wird jetzt in einem anderen Editor angezeigt.");
    case evFileAlreadyExists:
        return QStringLiteral("Die Datei \"%1\" existiert bereits!\r\n\r\nMöchten Sie die Datei überschreiben?");
    case evRTFInPlainText:
        return QStringLiteral("Warnung: Sie haben die Option \"Rich-Text\" zum Speichern gewählt. Das gewählte "
                              "Dateiformat unterstützt diese Formatierungen nicht und wird Fehler beim Anzeigen "
                              "verursachen.\r\nMöchten Sie die RTF-Formatierungen deaktivieren?");
    case evPlainTextInRTF:
        return QStringLiteral("Warnung: Sie haben die Option \"Klartext\" zum Speichern gewählt. Beim Speichern "
                              "werden alle RTF-Formatierungen des Textes verloren gehen!\r\nMöchten Sie fortfahren?");
    case evFileSaved:
        return QStringLiteral("Die Datei \"%1\" wurde gespeichert.");
    case evNewProjectCreated:
        return QStringLiteral("Das Projekt \"%1\" wurde angelegt.");
    case evGenericError:
        return QStringLiteral("Allgemeiner Fehler.");
    case evWrongPassword:
        return QStringLiteral("Das angegebene Passwort ist falsch. Talvex kann das Dokument nicht öffnen.\r\nAchten "
                              "Sie bei der Eingabe des Passwortes auf Groß- und Kleinschreibung.");
    case evFileAccessError:
        return QStringLiteral("Es ist ein Zugrifffehler beim Öffnen der Datei aufgetreten. Möglicherweise wird die "
                              "Datei von einem anderen Prozess verwendet.");
    case evUserCancel:
        return QStringLiteral("Die Aktion wurde vom Benutzer abgebrochen.");
    case evProjectAlreadyOpen:
        return QStringLiteral("Diese Projektgruppe ist bereits geöffnet.");
    case evMayNotOpenProjectGroup:
        return QStringLiteral("Die Funktion zum Öffnen von Projektgruppen ist gesperrt.");
    case evFileNotSupported:
        return QStringLiteral("Das Format der angegebenen Datei wird nicht von Talvex Studio unterstützt und kann "
                              "möglicherweise nicht korrekt dargestellt werden.\r\nMöchten Sie die Datei trotzdem "
                              "öffnen?");
    case evMayNotChangeEditorMode:
        return QStringLiteral("Der Editormodus ist fixiert und kann nicht geändert werden.");
    case evInvalidFileFormat:
        return QStringLiteral("Das Format der angegebenen Datei ist nicht gültig.");
    }
    return QStringLiteral("Bei der Datei \"%1\" ist ein unbekanntes Ereignis aufgetreten.");
}

} // namespace

QString TVYRAContainerMessages::Text(TVYRAEvent event, const QString &fileName, const QString &detail)
{
    QString text = baseText(event);
    if (text.contains(QLatin1String("%1")))
        text = text.arg(fileName);
    else if (!fileName.isEmpty())
        text += QStringLiteral("\r\n\r\nDatei: ") + fileName;
    if (!detail.isEmpty())
        text += QStringLiteral("\r\nDetails: ") + detail;
    return text;
}

QString TVYRAContainerMessages::SaveFailedText(const QString &fileName, const QString &detail)
{
    QString text = QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden. Der Text bleibt im Editor "
                                  "erhalten und ist weiterhin als geändert markiert.")
                       .arg(fileName);
    if (!detail.isEmpty())
        text += QStringLiteral("\r\nDetails: ") + detail;
    return text;
}

QString TVYRAContainerMessages::Text(const TVYRAEventInfo &info)
{
    return Text(info.event, info.fileName, info.detail);
}

QString TVYRAContainerMessages::Caption(TVYRAEvent event)
{
    switch (event) {
    case evBadFile:
    case evRTFInPlainText:
    case evPlainTextInRTF:
        return QStringLiteral("Warnung");
    case evFileNotFound:
        return QStringLiteral("Datei existiert nicht");
    case evFileAlreadyOpen:
        return QStringLiteral("Datei bereits geöffnet");
    case evFileAlreadyExists:
        return QStringLiteral("Datei überschreiben");
    case evFileNotSupported:
        return QStringLiteral("Dateiformat wird nicht unterstützt");
    case evProjectAlreadyOpen:
        return QStringLiteral("Projektgruppe bereits geöffnet.");
    case evMayNotOpenProjectGroup:
    case evMayNotChangeEditorMode:
        return QStringLiteral("Berechtigungsfehler");
    case evInvalidFileFormat:
        return QStringLiteral("Ungültiges Dateiformat");
    default:
        return Caption(EventTypeOf(event));
    }
}

QString TVYRAContainerMessages::Caption(TVYRAEventType type)
{
    switch (type) {
    case etError:
        return QStringLiteral("Fehler");
    case etEvent:
        return QStringLiteral("Bestätigen");
    default:
        return QStringLiteral("Information");
    }
}
