#pragma once

#include "container/TVYRAContainerEvents.h"
#include "vyra_export.h"

#include <optional>

class TVYRADocumentContainer;

// Answers the container's events through the prompter: questions with
// Ja/Nein, failures as error messages (notices stay silent), and the password
// of a protected document with a password request. The main window installs
// it; tests answer it with a scripted prompter.
class VYRA_EXPORT TVYRAContainerPrompts
{
public:
    // Sets OnEvent and OnPasswordRequired of the container.
    static void Install(TVYRADocumentContainer &container);

    static void Answer(const TVYRAEventInfo &info, bool &canContinue);
    static void AskPassword(TVYRADocument *document, std::optional<QString> &password);
};
