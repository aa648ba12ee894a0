#pragma once

#include "container/TVYRAContainerEvents.h"
#include "vyra_export.h"

#include <optional>

class TVYRADocumentContainer;

// Answers the container's events through the prompter as the editor program
// does: the questions with their own captions and buttons (a missing file
// can be created empty, an unsupported format is asked about only when the
// advanced setting "WarnUnsupportedFileOpenAttempt" is on, Yes on the RTF
// question switches the document to plain text), failures as error
// messages, notices and other questions answered true without a word. The
// password of a protected document is asked with a password request.
class VYRA_EXPORT TVYRAContainerPrompts
{
public:
    // Sets OnEvent and OnPasswordRequired of the container.
    static void Install(TVYRADocumentContainer &container);

    static void Answer(const TVYRADocumentContainer *container, const TVYRAEventInfo &info, bool &canContinue);
    static void AskPassword(TVYRADocument *document, std::optional<QString> &password);

private:
    static bool createMissingFile(const QString &fileName);
    static bool warnUnsupported(const TVYRADocumentContainer *container);
};
