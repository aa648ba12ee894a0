#pragma once

#include "settings/TVYRAPersistent.h"
#include "settings/VYRASettingsTypes.h"

// Automatic saving of documents.
class VYRA_EXPORT TVYRAAutoSave : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(bool Enabled MEMBER Enabled)
    Q_PROPERTY(int Intervall MEMBER Intervall)
    Q_PROPERTY(VYRASettingsTypes::TAutoSaveType Types MEMBER Types)
    Q_PROPERTY(VYRASettingsTypes::TAutoSaveOptions Options MEMBER Options)

public:
    using TVYRAPersistent::TVYRAPersistent;

    bool Enabled = false;
    int Intervall = 0;
    TAutoSaveType Types = asAll;
    TAutoSaveOptions Options;
};
