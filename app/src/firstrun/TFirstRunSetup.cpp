#include "firstrun/TFirstRunSetup.h"

#include "filetypes/TShellAssociationStore.h"
#include "filetypes/TVYRAExtensions.h"
#include "firstrun/TFirstRunPages.h"
#include "framework/TVYRACore.h"
#include "settings/TTalvexStudioSettings.h"
#include "ui/TPrompter.h"

#include <QDir>

QString TFirstRunSetup::ProgramId()
{
    return QStringLiteral("TalvexStudio");
}

QStringList TFirstRunSetup::Extensions(const TFirstRunChoices &choices)
{
    QStringList extensions;
    if (choices.projectGroups)
        extensions << QStringLiteral(".qpg");
    if (choices.templates)
        extensions << QStringLiteral(".qtf");
    // The box names the PHP extensions it stands for.
    if (choices.phpFiles)
        extensions << QStringLiteral(".php") << QStringLiteral(".php3") << QStringLiteral(".php4")
                   << QStringLiteral(".php5");
    return extensions;
}

QStringList TFirstRunSetup::Associate(const QStringList &extensions, const TVYRAExtensions *types,
                                      TShellAssociationStore &store)
{
    QStringList failed;
    for (const QString &extension : extensions) {
        TShellRegistration registration;
        registration.extension = extension;
        registration.appId = ProgramId();
        registration.open = true;
        // The user asked for exactly these, so the patterns' own register
        // modes (which the settings dialog honours) do not hold them back.
        if (const TVYRAFileExtension *pattern = types ? types->FindExtension(QLatin1Char('*') + extension) : nullptr)
            registration.description = !pattern->Description.isEmpty() ? pattern->Description
                                       : pattern->Group                ? pattern->Group->Name
                                                                       : QString();
        if (registration.description.isEmpty())
            registration.description = QStringLiteral("Talvex-Studio-Datei (%1)").arg(extension);
        if (!store.Register(registration))
            failed << extension;
    }
    return failed;
}

bool TFirstRunSetup::Apply(const TFirstRunChoices &choices, TVYRACore &core, TShellAssociationStore &store)
{
    bool ok = true;
    const QStringList failed = Associate(Extensions(choices), core.Extensions(), store);
    if (!failed.isEmpty()) {
        ok = false;
        TPrompter::instance().error(
            QStringLiteral("Die Dateierweiterungen \"%1\" konnten nicht mit Talvex Studio verknüpft werden. "
                           "Die Dateien für die Verknüpfung ließen sich im Benutzerordner nicht schreiben.")
                .arg(failed.join(QStringLiteral(", "))));
    }
    auto *settings = qobject_cast<TTalvexStudioSettings *>(core.Settings());
    if (!settings)
        return ok;
    const QString php = choices.phpPath.trimmed();
    if (!choices.noPHP && TFirstRunPages::IsPHPPathValid(php))
        settings->PHP()->PHPExeFile = php;
    if (!settings->Save()) {
        TPrompter::instance().error(QStringLiteral("Die Einstellungen konnten nicht in der Datei \"%1\" gespeichert "
                                                   "werden.\r\n%2")
                                        .arg(QDir::toNativeSeparators(settings->fileName()), settings->LastSaveError()));
        ok = false;
    }
    return ok;
}
