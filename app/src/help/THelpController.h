#pragma once

#include "commands/TCommandController.h"

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// The help commands: the user guide in the browser and the about box.
class THelpController : public TCommandController
{
public:
    using TUrlOpener = std::function<bool(const QUrl &)>;
    using TShowAbout = std::function<void()>;

    // helpFile: the guide's start page (THelpFile::Locate); dialogParent:
    // parent of the about box; openUrl starts the browser (default: the
    // desktop's); showAbout replaces the about box (tests).
    THelpController(QString helpFile, QWidget *dialogParent, TUrlOpener openUrl = {}, TShowAbout showAbout = {});

    void Register(TActionRegistry &registry) override;

    // Opens the guide; a missing file or a browser that does not start is
    // told the user through the prompter, naming the file. True when opened.
    bool ShowHelpFile();
    void ShowAbout();

private:
    QString m_helpFile;
    QWidget *m_dialogParent;
    TUrlOpener m_openUrl;
    TShowAbout m_showAbout;
};
