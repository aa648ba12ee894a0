#pragma once

#include <QString>
#include <functional>

class TVYRAEditorFileTypeHandlers;
class TVYRAProjectGroupItems;

// Claims picture files before the document container would open them as
// text: an existing picture joins the selected project group (copied or
// moved in as the group synchronises), the lists are refreshed, and the
// picture opens in the picture viewer.
class TPictureHandler
{
public:
    using TGroupSource = std::function<TVYRAProjectGroupItems *()>;
    using TRefresh = std::function<void()>;
    using TShowPicture = std::function<void(const QString &fileName)>;

    // The mask the main window handles, and the further picture formats.
    static const QString &Mask();
    static const QString &MoreMask();

    // Registers both masks with handlers (unregistered again on destruction,
    // so handlers must outlive this object). selectedGroup returns the
    // selected project group or nullptr; refresh rebuilds the project views
    // and recent-file menus; show opens the picture (default: the viewer).
    TPictureHandler(TVYRAEditorFileTypeHandlers &handlers, TGroupSource selectedGroup, TRefresh refresh,
                    TShowPicture show = {});
    ~TPictureHandler();
    TPictureHandler(const TPictureHandler &) = delete;
    TPictureHandler &operator=(const TPictureHandler &) = delete;

    void Handle(const QString &fileName);

private:
    TVYRAEditorFileTypeHandlers &m_handlers;
    TGroupSource m_selectedGroup;
    TRefresh m_refresh;
    TShowPicture m_show;
};
