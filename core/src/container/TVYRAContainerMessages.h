#pragma once

#include "container/TVYRAContainerEvents.h"
#include "vyra_export.h"

#include <QString>

// The German text of a container event as the editor program shows it. Texts
// that do not name the file get it appended ("Datei: ..."), and a reason
// given with the event follows as "Details: ...". Knows no window.
class VYRA_EXPORT TVYRAContainerMessages
{
public:
    static QString Text(const TVYRAEventInfo &info);
    static QString Text(TVYRAEvent event, const QString &fileName, const QString &detail = QString());
    // An access error while a document was being written: the file stays as it was, the text stays in the editor.
    static QString SaveFailedText(const QString &fileName, const QString &detail = QString());
    // The caption of the event's message box ("Fehler" for errors without one of their own).
    static QString Caption(TVYRAEvent event);
    // "Fehler" for errors, "Bestätigen" for questions, "Information" for notices.
    static QString Caption(TVYRAEventType type);
};
