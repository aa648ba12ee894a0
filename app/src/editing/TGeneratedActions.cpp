#include "editing/TGeneratedActions.h"

#include "catalogues/TDocTypeList.h"
#include "catalogues/TSpecialCharacterList.h"

std::vector<TGeneratedActions::TAction> TGeneratedActions::DocTypes(const TDocTypeList &list)
{
    std::vector<TAction> actions;
    for (int i = 0; i < list.GetCount(); ++i) {
        const TDocType *type = list.GetItems(i);
        TAction action;
        action.definition.name = QStringLiteral("FormatInsertDocType_Idx%1").arg(i);
        action.definition.category = QStringLiteral("Format");
        action.definition.caption = type->DocTypeName;
        action.definition.hint = QStringLiteral("Fügt die !DOCTYPE-Angabe \"%1\" ein.").arg(type->DocTypeName);
        action.definition.enabled = TEnablingRules::Document;
        action.text = type->DocTypeText;
        actions.push_back(std::move(action));
    }
    return actions;
}

std::vector<TGeneratedActions::TAction> TGeneratedActions::SpecialCharacters(const TSpecialCharacterList &list)
{
    std::vector<TAction> actions;
    for (int i = 0; i < list.GetCount(); ++i) {
        const TSpecialCharacter *character = list.GetItems(i);
        const QString text = character->Character();
        TAction action;
        action.definition.name = QStringLiteral("FormatInsertSpecialChar_ACII%1").arg(character->Code);
        action.definition.category = QStringLiteral("Format");
        action.definition.caption = QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
        action.definition.hint = character->Entity + QStringLiteral("|Fügt das Sonderzeichen \"") + text
            + QStringLiteral("\" in den Text ein.");
        action.definition.enabled = TEnablingRules::Document;
        action.text = character->Entity;
        actions.push_back(std::move(action));
    }
    return actions;
}

QString TGeneratedActions::SpecialCharacterButtonName(quint32 code)
{
    return QStringLiteral("InsertSpecialChar_%1").arg(code);
}
