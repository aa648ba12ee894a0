#include "projects/TProjectUpgradeHandler.h"

#include "facade/TVYRAEditorFileTypeHandlers.h"
#include "projects/TProjectGroupUpgrade.h"
#include "ui/TPrompter.h"

namespace {

const QString ProjectMask = QStringLiteral("*.qpg");

} // namespace

TProjectUpgradeHandler::TProjectUpgradeHandler(TVYRAEditorFileTypeHandlers &handlers, TAsk ask)
    : m_handlers(handlers)
    , m_ask(std::move(ask))
{
    m_handlers.RegisterHandler(ProjectMask, this, [this](QObject *, const QString &fileName, bool &handled) {
        handled = !MayOpen(fileName);
    });
}

TProjectUpgradeHandler::~TProjectUpgradeHandler()
{
    m_handlers.UnRegisterHandler(ProjectMask, this);
}

bool TProjectUpgradeHandler::MayOpen(const QString &fileName)
{
    if (!TProjectGroupUpgrade::IsOlderFormat(fileName))
        return true;
    if (!m_ask || !m_ask(fileName))
        return false;
    if (const TOperationResult converted = TProjectGroupUpgrade::Convert(fileName); !converted) {
        TPrompter::instance().error(TProjectGroupUpgrade::FailureText(converted.errorText));
        return false;
    }
    return true;
}
