#include "container/TVYRAContainerPrompts.h"

#include "container/TVYRAContainerMessages.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TSafeFileWriter.h"
#include "documents/TVYRADocument.h"
#include "settings/TVYRASettings.h"
#include "ui/TPrompter.h"

#include <QFileInfo>

void TVYRAContainerPrompts::Install(TVYRADocumentContainer &container)
{
    TVYRADocumentContainer *target = &container;
    container.Events().OnEvent = [target](const TVYRAEventInfo &info, bool &canContinue) {
        Answer(target, info, canContinue);
    };
    container.Events().OnPasswordRequired = &TVYRAContainerPrompts::AskPassword;
}

bool TVYRAContainerPrompts::warnUnsupported(const TVYRADocumentContainer *container)
{
    // The setting belongs to the program's settings class; the framework's own has no such property.
    const TVYRASettings *settings = container ? container->GetSettings() : nullptr;
    const QObject *advanced = settings ? settings->Advanced() : nullptr;
    return advanced && advanced->property("WarnUnsupportedFileOpenAttempt").toBool();
}

bool TVYRAContainerPrompts::createMissingFile(const QString &fileName)
{
    const TDocumentResult created = TSafeFileWriter::Write(fileName, QByteArray());
    if (created)
        return true;
    TPrompter::instance().error(
        QStringLiteral("Fehler beim Erstellen der Datei \"%1\".\r\nDetails: %2").arg(fileName, created.errorText),
        QStringLiteral("Fehler"));
    return false;
}

void TVYRAContainerPrompts::Answer(const TVYRADocumentContainer *container, const TVYRAEventInfo &info,
                                   bool &canContinue)
{
    TPrompter &prompter = TPrompter::instance();
    // The table's access error speaks of opening; a failed save must say that saving failed.
    const bool saveFailed = info.event == evFileAccessError && container
                            && container->BusyState().testFlag(bsSaving);
    const QString text = saveFailed ? TVYRAContainerMessages::SaveFailedText(info.fileName, info.detail)
                                    : TVYRAContainerMessages::Text(info);
    const QString caption = TVYRAContainerMessages::Caption(info.event);
    const auto yesNo = [&](TPromptButton defaultButton) {
        return prompter.question(text, TPromptButton::Yes | TPromptButton::No, caption, defaultButton)
               == TPromptButton::Yes;
    };
    if (info.type == etEventNotification) {
        canContinue = true;
        return;
    }
    if (info.type == etError) {
        TPrompt prompt;
        prompt.text = text;
        prompt.caption = caption;
        prompt.icon = info.event == evProjectAlreadyOpen ? TPromptIcon::Warning : TPromptIcon::Error;
        prompter.message(prompt);
        canContinue = false;
        return;
    }
    switch (info.event) {
    case evBadFile:
    case evFileAlreadyOpen:
    case evPlainTextInRTF:
        canContinue = yesNo(TPromptButton::Yes);
        break;
    case evFileAlreadyExists:
        canContinue = yesNo(TPromptButton::No);
        break;
    case evFileNotFound:
        if (QFileInfo(info.fileName).isFile())
            canContinue = true;
        else
            canContinue = yesNo(TPromptButton::No) && createMissingFile(info.fileName);
        break;
    case evFileNotSupported:
        canContinue = !warnUnsupported(container) || yesNo(TPromptButton::No);
        break;
    case evRTFInPlainText: {
        const TPromptButton answer = prompter.question(
            text, TPromptButton::Yes | TPromptButton::No | TPromptButton::Cancel, caption, TPromptButton::Yes);
        if (answer == TPromptButton::Yes) {
            if (auto *document = qobject_cast<TVYRADocument *>(info.sender))
                document->SetPlainText(true);
        }
        // No keeps the save going as it is; Cancel (or a closed box) stops it.
        canContinue = answer == TPromptButton::Yes || answer == TPromptButton::No;
        break;
    }
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
