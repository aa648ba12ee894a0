#pragma once

#include "settings/StudioSettingsTypes.h"

#include <QChar>
#include <bitset>

// The opening characters whose closing partner is typed with them, as the
// completion settings enable them kind by kind (brackets of the four kinds,
// apostrophe and double quote; a quote closes with itself).
class TClosingCharacters
{
public:
    TClosingCharacters() = default;
    explicit TClosingCharacters(TCharCompletionTypes kinds);

    bool IsEnabled(QChar opening) const { return opening.unicode() < 256 && m_enabled.test(opening.unicode()); }
    // The partner of an enabled opening character, QChar() otherwise.
    QChar Closing(QChar opening) const;

private:
    std::bitset<256> m_enabled;
};
