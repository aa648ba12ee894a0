#include "projectmanager/TToDoTexts.h"

#include "projects/TTalvexStudioProject.h"
#include "projects/TTalvexStudioToDoEntry.h"

const QString TToDoTexts::NoFile = QStringLiteral("(keine Datei)");

QStringList TToDoTexts::PriorityNames()
{
    return {QStringLiteral("Niedrigste"), QStringLiteral("Niedriger"), QStringLiteral("Niedrig"),
            QStringLiteral("Mittel"),     QStringLiteral("Hoch"),      QStringLiteral("Höher"),
            QStringLiteral("Höchste")};
}

QString TToDoTexts::PriorityName(TTalvexStudioToDoPriority priority)
{
    const QStringList names = PriorityNames();
    return priority >= 0 && priority < names.size() ? names.at(priority) : QString();
}

QString TToDoTexts::FileText(const TTalvexStudioProject &project, const TTalvexStudioToDoEntry &entry)
{
    const QString fileName = entry.AssociatedFile().isNull() ? QString()
                                                             : project.RealFileNameByGUID(entry.AssociatedFile());
    return fileName.isEmpty() ? NoFile : fileName;
}

QString TToDoTexts::DoneText(bool done)
{
    return done ? QStringLiteral("Ja") : QStringLiteral("Nein");
}

QStringList TToDoTexts::Row(const TTalvexStudioProject &project, const TTalvexStudioToDoEntry &entry)
{
    return {PriorityName(entry.Priority()), FileText(project, entry), entry.Note(), DoneText(entry.IsDone())};
}

QString TToDoTexts::Counter(int total, int done)
{
    return QStringLiteral("ToDo-Liste: %1 %2, davon %3 erledigt:")
        .arg(total)
        .arg(total == 1 ? QStringLiteral("Eintrag") : QStringLiteral("Einträge"))
        .arg(done);
}

QString TToDoTexts::RemoveDoneQuestion(int count)
{
    const QString text = count == 1 ? QStringLiteral("Es wird %1 Eintrag entfernt.")
                                    : QStringLiteral("Es werden %1 Einträge entfernt.");
    return text.arg(count) + QStringLiteral(" Fortfahren?");
}
