#pragma once

#include "container/TVYRAContainerTypes.h"
#include "facade/IEditorDocument.h"
#include "settings/VYRASettingsTypes.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

class QWidget;
class TVYRADocument;
class TVYRADocumentContainer;
class TVYRAProjectGroupItems;

// One event of the container: who raised it, what it is about and, for a
// failure, the reason (a German text, possibly with the system's text).
struct TVYRAEventInfo {
    QObject *sender = nullptr;
    TVYRAEventType type = etEvent;
    TVYRAEvent event = evGenericError;
    QString fileName;
    QString detail;
};

// The handlers the host sets on the container; an unset handler is skipped
// (the answers then take the defaults given with each).
struct TVYRAContainerEvents {
    using TNotify = std::function<void(TVYRADocument *document)>;
    using TContainerNotify = std::function<void(TVYRADocumentContainer *container)>;

    // The text of a document changed (after Modified was set).
    TNotify OnChange;
    // After an open attempt; document may be nullptr, fileType is a recogniser text.
    std::function<void(TVYRADocument *document, TVYRALoadResult result, const QString &fileType)> OnDocumentLoaded;
    TNotify OnRichEdit_SelectionChange;
    std::function<void(TVYRADocument *document, const QString &url)> OnRichEdit_URLClick;
    std::function<void(TVYRADocument *document, unsigned changes)> OnSynEdit_StatusChange;
    // Without handler the answer is raReplaceAll.
    std::function<void(TVYRADocument *document, const QString &search, const QString &replace, int line, int column,
                       TReplaceAction &action)>
        OnReplaceText;
    std::function<void(TVYRADocument *document, QObject *source, QPoint position, bool &allowDrop)> OnDragOver;
    std::function<void(TVYRADocument *document, QObject *source, QPoint position)> OnDragDrop;
    // A background decipher or encipher action of the document finished.
    TNotify OnThreadDone;
    // Without handler the active indexes are -1.
    std::function<void(int &activeIndex)> OnGetActiveDocumentIndex;
    std::function<void(int &activeIndex)> OnGetActiveProjectIndex;
    // A window to host a new document; stays nullptr to refuse.
    std::function<void(QWidget *&parent)> OnNewDocumentRequest;
    TNotify OnNewDocumentCreated;
    // A plug-in saves with a name request; an empty name cancels.
    std::function<void(TVYRADocument *document, QString &fileName)> OnGetSaveFileName;
    // The password of a protected document; nullopt cancels. Without handler the password is empty.
    std::function<void(TVYRADocument *document, std::optional<QString> &password)> OnPasswordRequired;
    // Every TVYRAEvent; canContinue comes in false. Without handler the answer is true.
    std::function<void(const TVYRAEventInfo &info, bool &canContinue)> OnEvent;
    std::function<void(TVYRADocument *document, TFileCloseOption option, bool autoChangeIndex)> OnDocumentClosing;
    TContainerNotify OnDocumentClosed;
    std::function<void(TVYRAProjectGroupItems *group)> OnProjectClosing;
    TContainerNotify OnProjectClosed;
    std::function<void(TVYRADocumentContainer *container, int index1, int index2)> OnDocumentExchanged;
    // Bring the document to front.
    TNotify OnRequestDocumentShowing;
    // A template is saved without a name.
    std::function<void(TVYRADocument *document, QString &templateName)> OnRequestTemplateName;
    TNotify OnDocumentSearchStarted;
};
