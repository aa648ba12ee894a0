#pragma once

#include "vyra_export.h"

#include <QString>

class QFileDevice;

// The German text for a file that could not be opened, read or saved: it
// names the file and says what failed, with the reason where the file
// system shows it (missing, a folder, no folder above it); otherwise the
// system's own text follows.
class VYRA_EXPORT TFileErrorText
{
public:
    static QString OpenFailed(const QString &fileName, const QFileDevice &file);
    static QString ReadFailed(const QString &fileName, const QFileDevice &file);
    static QString SaveFailed(const QString &fileName, const QFileDevice &file);
    // Without a device: the reason the file system shows, if any.
    static QString SaveFailed(const QString &fileName);
    // reason: a German sentence, or a system text (marked as such).
    static QString SaveFailed(const QString &fileName, const QString &reason);
    static QString SystemText(const QString &text);
    // Why fileName cannot be written as the file system shows it (a folder
    // of that name, no folder above it); empty when it shows nothing.
    static QString SaveReason(const QString &fileName);

private:
    static QString openReason(const QString &fileName);
    static QString withReason(const QString &failure, const QString &reason, const QFileDevice &file);
};
