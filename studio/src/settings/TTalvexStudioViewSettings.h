#pragma once

#include "orvane_export.h"
#include "settings/StudioSettingsTypes.h"
#include "settings/TVYRAPersistent.h"

// Appearance of the main window.
class ORVANE_EXPORT TTalvexStudioViewSettings : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(StudioSettingsTypes::TViewControlSet Views MEMBER Views)
    Q_PROPERTY(bool StartMaximized MEMBER StartMaximized)
    Q_PROPERTY(bool MultiLineDocumentBar MEMBER MultiLineDocumentBar)
    Q_PROPERTY(bool ReLoadDocsOnStartUp MEMBER ReLoadDocsOnStartUp)
    Q_PROPERTY(QString VisualStyle MEMBER VisualStyle)
    Q_PROPERTY(bool SkipDefaultGroupSaveDialog MEMBER SkipDefaultGroupSaveDialog)

public:
    using TVYRAPersistent::TVYRAPersistent;

    // SkipDefaultGroupSaveDialog is written only while it is true.
    bool IsPropertyStored(const char *propertyName) const override;

    TViewControlSet Views;
    bool StartMaximized = false;
    bool MultiLineDocumentBar = false;
    bool ReLoadDocsOnStartUp = false;
    QString VisualStyle;
    bool SkipDefaultGroupSaveDialog = false;
};
