#pragma once

#include <QFlags>

// What happened, as the container reports it through OnEvent.
enum TVYRAEvent {
    evBadFile = 0,
    evFileNotFound = 1,
    evFileAlreadyOpen = 2,
    evEditorModeChanged = 3,
    evFileAlreadyExists = 4,
    evRTFInPlainText = 5,
    evPlainTextInRTF = 6,
    evFileSaved = 7,
    evNewProjectCreated = 8,
    evGenericError = 9,
    evWrongPassword = 10,
    evFileAccessError = 11,
    evUserCancel = 12,
    evProjectAlreadyOpen = 13,
    evMayNotOpenProjectGroup = 14,
    evFileNotSupported = 15,
    evMayNotChangeEditorMode = 16,
    evInvalidFileFormat = 17,
};

// How an event is meant: a notice, a question whose answer goes on, or an error.
enum TVYRAEventType { etEventNotification, etError, etEvent };

// The kind each event is always passed with.
constexpr TVYRAEventType EventTypeOf(TVYRAEvent event)
{
    switch (event) {
    case evEditorModeChanged:
    case evFileSaved:
    case evNewProjectCreated:
        return etEventNotification;
    case evGenericError:
    case evWrongPassword:
    case evFileAccessError:
    case evUserCancel:
    case evProjectAlreadyOpen:
    case evMayNotOpenProjectGroup:
    case evMayNotChangeEditorMode:
    case evInvalidFileFormat:
        return etError;
    default:
        return etEvent;
    }
}

// How an open attempt ended.
enum TVYRALoadResult { lrSuccess, lrUserCancel, lrGenericError, lrAbort };

enum TVYRAFileOpenFlag { fofEditTemplate = 0x1, fofIgnoreFileTypeHandlers = 0x2 };
Q_DECLARE_FLAGS(TVYRAFileOpenFlags, TVYRAFileOpenFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TVYRAFileOpenFlags)

// What the container is doing right now.
enum TVYRABusyFlag { bsClosing = 0x1, bsOpening = 0x2, bsSaving = 0x4, bsEditorModeChange = 0x8 };
Q_DECLARE_FLAGS(TVYRABusyState, TVYRABusyFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TVYRABusyState)

// The numbers plug-ins are offered for document events.
enum TVYRAPluginEvent { peDocumentLoaded = 1, peDocumentClosed = 2, peDocumentSaved = 4, peDocumentReopened = 6 };
