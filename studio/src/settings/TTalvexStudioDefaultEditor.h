#pragma once

#include "orvane_export.h"
#include "settings/TVYRADefaultEditorSettings.h"

// The framework's default-editor group with the studio's word wrap.
class ORVANE_EXPORT TTalvexStudioDefaultEditor : public TVYRADefaultEditorSettings
{
    Q_OBJECT
    Q_PROPERTY(bool WordWrap MEMBER WordWrap)

public:
    using TVYRADefaultEditorSettings::TVYRADefaultEditorSettings;

    bool WordWrap = false;
};
