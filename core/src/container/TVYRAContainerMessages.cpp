#include "container/TVYRAContainerMessages.h"

namespace {

QString baseText(TVYRAEvent event)
{
    switch (event) {
    case evBadFile:
        return QStringLiteral("Die Prüfsumme der Datei „%1“ stimmt nicht: Die Datei wurde beschädigt oder von außen "
                              "verändert. Trotzdem öffnen?");
    case evFileNotFound:
        return QStringLiteral("Die Datei „%1“ wurde nicht gefunden. Erneut suchen?");
    case evFileAlreadyOpen:
        return QStringLiteral("Die Datei „%1“ ist bereits geöffnet. Das geöffnete Dokument neu laden?");
    case evEditorModeChanged:
        return QStringLiteral("Das Dokument „%1“ wird jetzt in einem anderen Editor angezeigt.");
    case evFileAlreadyExists:
        return QStringLiteral("Die Datei „%1“ existiert bereits. Überschreiben?");
    case evRTFInPlainText:
        return QStringLiteral("Das Dokument „%1“ enthält keine Formatierung und wird als reiner Text gespeichert, "
                              "obwohl die Endung RTF verlangt. Fortfahren?");
    case evPlainTextInRTF:
        return QStringLiteral("Die Formatierung des Dokuments geht verloren: „%1“ wird als reiner Text gespeichert. "
                              "Fortfahren?");
    case evFileSaved:
        return QStringLiteral("Die Datei „%1“ wurde gespeichert.");
    case evNewProjectCreated:
        return QStringLiteral("Das Projekt „%1“ wurde angelegt.");
    case evGenericError:
        return QStringLiteral("Bei der Datei „%1“ ist ein Fehler aufgetreten.");
    case evWrongPassword:
        return QStringLiteral("Die Datei „%1“ wurde nicht geöffnet: Das Passwort ist falsch.");
    case evFileAccessError:
        return QStringLiteral("Auf die Datei „%1“ konnte nicht zugegriffen werden.");
    case evUserCancel:
        return QStringLiteral("Das Öffnen der Datei „%1“ wurde abgebrochen.");
    case evProjectAlreadyOpen:
        return QStringLiteral("Das Projekt „%1“ ist bereits geöffnet.");
    case evMayNotOpenProjectGroup:
        return QStringLiteral("Die Projektdatei „%1“ wurde nicht geöffnet: Projekte können hier nicht geöffnet "
                              "werden.");
    case evFileNotSupported:
        return QStringLiteral("Der Dateityp von „%1“ ist nicht registriert. Trotzdem öffnen?");
    case evMayNotChangeEditorMode:
        return QStringLiteral("Der Editor des Dokuments „%1“ kann nicht gewechselt werden: Es steht nur eine "
                              "Editorart zur Verfügung.");
    case evInvalidFileFormat:
        return QStringLiteral("Die Datei „%1“ wurde nicht geöffnet: Ihr Format ist ungültig.");
    }
    return QStringLiteral("Bei der Datei „%1“ ist ein unbekanntes Ereignis aufgetreten.");
}

} // namespace

QString TVYRAContainerMessages::Text(TVYRAEvent event, const QString &fileName, const QString &detail)
{
    QString text = baseText(event).arg(fileName);
    if (!detail.isEmpty())
        text += QStringLiteral("\n\n") + detail;
    return text;
}

QString TVYRAContainerMessages::Text(const TVYRAEventInfo &info)
{
    return Text(info.event, info.fileName, info.detail);
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
