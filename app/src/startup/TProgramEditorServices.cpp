#include "startup/TProgramEditorServices.h"

#include "facade/TEditorChoice.h"
#include "framework/TVYRACore.h"
#include "utils/VYRAExceptions.h"
#include "search/TLintaraTextRegex.h"

namespace TProgramEditorServices {

QString LoadRegistries(TVYRACore &core)
{
    try {
        InitialiseRegistries(*core.Highlighters(), *core.Extensions(), core.HighlighterDir(), core.GetAppDataDir(),
                             core.UserDataDir());
    } catch (const EVYRAException &error) {
        return error.message();
    }
    return {};
}

TVYRAEditorEnvironment Environment(const TVYRACore &core)
{
    return {core.Highlighters(), core.Extensions(), core.UserDataDir(), core.HighlighterDir(),
            core.UserHighlighterDir(), std::make_shared<TLintaraTextRegex>()};
}

} // namespace TProgramEditorServices
