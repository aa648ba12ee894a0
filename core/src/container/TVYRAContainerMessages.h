#pragma once

#include "container/TVYRAContainerEvents.h"
#include "vyra_export.h"

#include <QString>

// The German text of a container event, naming the file and what failed; a
// reason given with the event follows it. Questions (etEvent) are put so that
// "Ja" goes on. Knows no window: the main window shows the text.
class VYRA_EXPORT TVYRAContainerMessages
{
public:
    static QString Text(const TVYRAEventInfo &info);
    static QString Text(TVYRAEvent event, const QString &fileName, const QString &detail = QString());
    // "Fehler" for errors, "Bestätigen" for questions, "Information" for notices.
    static QString Caption(TVYRAEventType type);
};
