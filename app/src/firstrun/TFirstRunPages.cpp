#include "firstrun/TFirstRunPages.h"

#include "ui/TPrompter.h"

#include <QFileInfo>

namespace {

struct TPageTexts {
    const char *name;
    const char *title;
    const char *description;
};

const TPageTexts kPages[TFirstRunPages::Count] = {
    {"Willkommen", "Willkommen bei Talvex Studio",
     "In diesem Dialog können Sie einige grundlegende Einstellungen von Talvex Studio einrichten."},
    {"Browsersuche", "Browser einrichten",
     "In diesem Fenster können Sie verfügbare Internet-Browser auf Ihren Computer suchen und für die "
     "Browser-Vorschau einrichten lassen."},
    {"Dateierweiterungen", "Dateierweiterungen konfigurieren",
     "In diesem Fenster können Sie einige Dateierweiterungen mit Talvex Studio verknüpfen."},
    {"PHP", "PHP-Integration konfigurieren", "Hier können Sie die PHP-Integration von Talvex Studio konfigurieren."},
    {"Ende", "Fertig stellen", "Die Startkonfiguration ist nun beendet."},
};

const TPageTexts &texts(int page)
{
    return kPages[qBound(0, page, TFirstRunPages::Count - 1)];
}

} // namespace

QString TFirstRunPages::Caption()
{
    return QStringLiteral("Willkommen bei Talvex Studio");
}

QString TFirstRunPages::PageName(int page)
{
    return QString::fromUtf8(texts(page).name);
}

QString TFirstRunPages::Title(int page)
{
    return QString::fromUtf8(texts(page).title);
}

QString TFirstRunPages::Description(int page)
{
    return QString::fromUtf8(texts(page).description);
}

QString TFirstRunPages::BackCaption()
{
    return QStringLiteral("< Zurück");
}

QString TFirstRunPages::CancelCaption()
{
    return QStringLiteral("Abbrechen");
}

QString TFirstRunPages::NextCaption(int page)
{
    return page >= Count - 1 ? QStringLiteral("Fertig stellen") : QStringLiteral("Weiter >");
}

bool TFirstRunPages::BackEnabled(int page)
{
    return page > 0;
}

QString TFirstRunPages::Footer(int page)
{
    return QStringLiteral("Klicken Sie auf \"%1\", um fortzufahren.").arg(NextCaption(page));
}

QString TFirstRunPages::DefaultPHPPath()
{
    return QStringLiteral("/usr/bin/php");
}

bool TFirstRunPages::IsPHPPathValid(const QString &path)
{
    return !path.trimmed().isEmpty() && QFileInfo(path.trimmed()).isFile();
}

QString TFirstRunPages::PHPPathHint(const QString &path)
{
    return IsPHPPathValid(path) ? QString() : QStringLiteral("Datei nicht gefunden!");
}

bool TFirstRunPages::MayLeavePHPPage(const QString &path, bool noPHP, TPrompter &prompter)
{
    if (noPHP || IsPHPPathValid(path))
        return true;
    return prompter.confirm(QStringLiteral("Die angegebene Datei zur ausführbaren Datei von PHP ist nicht gültig. "
                                           "Sind Sie sicher, dass Sie ohne Angabe dieser Datei fortfahren möchten?"),
                            QStringLiteral("Bestätigen"), TPromptButton::No);
}
