#include "container/TVYRAContainerPrompts.h"

#include "container/TVYRAContainerMessages.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "ui/TPrompter.h"

void TVYRAContainerPrompts::Install(TVYRADocumentContainer &container)
{
    container.Events().OnEvent = &TVYRAContainerPrompts::Answer;
    container.Events().OnPasswordRequired = &TVYRAContainerPrompts::AskPassword;
}

void TVYRAContainerPrompts::Answer(const TVYRAEventInfo &info, bool &canContinue)
{
    const QString text = TVYRAContainerMessages::Text(info);
    switch (info.type) {
    case etEvent:
        canContinue = TPrompter::instance().confirm(text, TVYRAContainerMessages::Caption(info.type),
                                                    TPromptButton::No);
        break;
    case etError:
        TPrompter::instance().error(text, TVYRAContainerMessages::Caption(info.type));
        canContinue = false;
        break;
    default:
        canContinue = true;
        break;
    }
}

void TVYRAContainerPrompts::AskPassword(TVYRADocument *document, std::optional<QString> &password)
{
    password = TPrompter::instance().askPassword(
        QStringLiteral("Passwort"),
        QStringLiteral("Passwort für „%1“:").arg(document ? document->GetFileName() : QString()));
}
