#pragma once

#include "VYRAModuleABI.h"

#include <QByteArray>
#include <QString>

// Outcome of a call into a cipher: on failure the German text to show.
struct TCipherResult {
    bool ok = true;
    TVYRAResult code = VYRA_S_OK;
    QString errorText;

    static TCipherResult success() { return {}; }
    static TCipherResult failure(TVYRAResult code, const QString &text) { return {false, code, text}; }
    explicit operator bool() const { return ok; }
    // Wrong password or data changed after enciphering.
    bool isAuthenticationFailure() const { return !ok && code == VYRA_E_AUTHENTICATION; }
};
