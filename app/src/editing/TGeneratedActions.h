#pragma once

#include "commands/TActionDefinition.h"

#include <vector>

class TDocTypeList;
class TSpecialCharacterList;

// The insert commands made at run time from the catalogues: one per
// document type and one per special character, each with the text it inserts.
class TGeneratedActions
{
public:
    struct TAction {
        TActionDefinition definition;
        QString text; // inserted as a block
    };

    // "FormatInsertDocType_Idx" + index, captioned with the type's name.
    static std::vector<TAction> DocTypes(const TDocTypeList &list);
    // "FormatInsertSpecialChar_ACII" + code, captioned with the character
    // ("&" doubled); the hint's short part is the entity, its long part a sentence.
    static std::vector<TAction> SpecialCharacters(const TSpecialCharacterList &list);
    // Name of the tool-bar button of a special character's action.
    static QString SpecialCharacterButtonName(quint32 code);
};
