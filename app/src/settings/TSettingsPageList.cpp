#include "settings/TSettingsPageList.h"

const QStringList &TSettingsPageList::Captions()
{
    static const QStringList captions{
        QStringLiteral("Editor"),
        QStringLiteral("Ansicht"),
        QStringLiteral("Verhalten"),
        QStringLiteral("Dateitypen anpassen"),
        QStringLiteral("Multi-Syntaxhervorhebung"),
        QStringLiteral("Code-Snippets"),
        QStringLiteral("Browser"),
        QStringLiteral("PHP"),
        QStringLiteral("Vervollständigung"),
        QStringLiteral("Systemintegration"),
        QStringLiteral("Erweitert"),
    };
    return captions;
}

const QStringList &TSettingsPageList::EditorCaptions()
{
    static const QStringList captions{
        QStringLiteral("Standards"),
        QStringLiteral("Einstellungen für die Syntaxhervorhebung"),
        QStringLiteral("Code-Editor Einstellungen"),
    };
    return captions;
}

int TSettingsPageList::Resolve(int index)
{
    return index >= 0 && index < PageCount ? index : Editor;
}
