#pragma once

#include "utils/VYRAExceptions.h"

// A stored file names a cipher that is not installed. Such a file must not be
// opened as text: its content is cipher text, and saving it again would lose it.
class VYRA_EXPORT ECipherNotInstalled : public EVYRAException
{
public:
    ECipherNotInstalled(const QString &fileName, const QString &cipherName, const QString &guidText);
    const QString &cipherName() const { return m_cipherName; }

private:
    QString m_cipherName;
};
