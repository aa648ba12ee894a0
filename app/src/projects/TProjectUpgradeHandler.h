#pragma once

#include <QString>
#include <functional>

class TVYRAEditorFileTypeHandlers;

// Claims project-group files of the older format before the container opens
// them: asks whether to upgrade, converts on yes and lets the opening go on
// with the converted file; a declined question or a failed conversion means
// the file is not opened. Files of the current format pass untouched.
class TProjectUpgradeHandler
{
public:
    // Asks whether the file is to be upgraded.
    using TAsk = std::function<bool(const QString &fileName)>;

    TProjectUpgradeHandler(TVYRAEditorFileTypeHandlers &handlers, TAsk ask);
    ~TProjectUpgradeHandler();
    TProjectUpgradeHandler(const TProjectUpgradeHandler &) = delete;
    TProjectUpgradeHandler &operator=(const TProjectUpgradeHandler &) = delete;

    void SetAsk(TAsk ask) { m_ask = std::move(ask); }
    // True when the container is to open the file now.
    bool MayOpen(const QString &fileName);

private:
    TVYRAEditorFileTypeHandlers &m_handlers;
    TAsk m_ask;
};
