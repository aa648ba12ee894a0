#include "panels/TPictureHandler.h"

#include "facade/TVYRAEditorFileTypeHandlers.h"
#include "panels/TPictureViewer.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "ui/TPrompter.h"

#include <QDir>
#include <QFileInfo>

const QString &TPictureHandler::Mask()
{
    static const QString mask = QStringLiteral("*.jpg;*.bmp");
    return mask;
}

const QString &TPictureHandler::MoreMask()
{
    static const QString mask = QStringLiteral("*.jpeg;*.png;*.gif");
    return mask;
}

TPictureHandler::TPictureHandler(TVYRAEditorFileTypeHandlers &handlers, TGroupSource selectedGroup, TRefresh refresh,
                                 TShowPicture show)
    : m_handlers(handlers)
    , m_selectedGroup(std::move(selectedGroup))
    , m_refresh(std::move(refresh))
    , m_show(show ? std::move(show)
                  : TShowPicture([](const QString &fileName) { TPictureViewer::Acquire()->OpenPicture(fileName); }))
{
    const auto handler = [this](QObject *, const QString &fileName, bool &handled) {
        Handle(fileName);
        handled = true;
    };
    m_handlers.RegisterHandler(Mask(), this, handler);
    m_handlers.RegisterHandler(MoreMask(), this, handler);
}

TPictureHandler::~TPictureHandler()
{
    m_handlers.UnRegisterHandler(Mask(), this);
    m_handlers.UnRegisterHandler(MoreMask(), this);
}

void TPictureHandler::Handle(const QString &fileName)
{
    if (QFileInfo(fileName).isFile()) {
        if (TVYRAProjectGroupItems *group = m_selectedGroup ? m_selectedGroup() : nullptr) {
            if (group->AddFile(fileName, nullptr, fotCopy, true) < 0)
                TPrompter::instance().error(
                    QStringLiteral("Das Bild \"%1\" konnte nicht in die Projektgruppe aufgenommen werden.\r\n%2")
                        .arg(QDir::toNativeSeparators(fileName), group->LastError()));
        }
        if (m_refresh)
            m_refresh();
    }
    // A missing or unreadable file is reported by the viewer, naming it.
    m_show(fileName);
}
