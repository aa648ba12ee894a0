#include "help/THelpController.h"

#include "commands/TActionRegistry.h"
#include "help/TAboutDialog.h"
#include "ui/TPrompter.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

THelpController::THelpController(QString helpFile, QWidget *dialogParent, TUrlOpener openUrl, TShowAbout showAbout)
    : m_helpFile(std::move(helpFile))
    , m_dialogParent(dialogParent)
    , m_openUrl(openUrl ? std::move(openUrl) : TUrlOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); }))
    , m_showAbout(std::move(showAbout))
{
}

void THelpController::Register(TActionRegistry &registry)
{
    registry.SetHandler(QStringLiteral("HelpShowHelpFile"), [this] { ShowHelpFile(); });
    registry.SetHandler(QStringLiteral("HelpAbout"), [this] { ShowAbout(); });
}

bool THelpController::ShowHelpFile()
{
    const QString shown = QDir::toNativeSeparators(m_helpFile);
    if (m_helpFile.isEmpty() || !QFileInfo(m_helpFile).isFile()) {
        TPrompter::instance().error(
            QStringLiteral("Die Hilfedatei \"%1\" wurde nicht gefunden. Bitte installieren Sie Talvex Studio erneut.")
                .arg(shown));
        return false;
    }
    if (!m_openUrl(QUrl::fromLocalFile(QFileInfo(m_helpFile).absoluteFilePath()))) {
        TPrompter::instance().error(
            QStringLiteral("Die Hilfedatei \"%1\" konnte nicht geöffnet werden. Es ist kein Browser zum Anzeigen "
                           "von HTML-Seiten eingerichtet oder er ließ sich nicht starten.")
                .arg(shown));
        return false;
    }
    return true;
}

void THelpController::ShowAbout()
{
    if (m_showAbout) {
        m_showAbout();
        return;
    }
    TAboutDialog dialog(m_dialogParent);
    dialog.exec();
}
