#include "ciphers/TPasswordDlgRules.h"

#include "utils/Passwords.h"
#include "utils/Windows1252.h"

#include <cmath>

TPasswordDlgRules::TPasswordDlgRules(TPasswordLayout layout)
    : m_layout(layout)
{
}

void TPasswordDlgRules::SetTexts(const QString &password, const QString &repeat)
{
    m_password = password;
    m_repeat = repeat;
}

QString TPasswordDlgRules::HintText() const
{
    if (RepeatVisible())
        return QStringLiteral("Definieren Sie das Passwort, mit welchem Sie das Dokument schützen möchten. Klicken "
                              "Sie auf \"Abbrechen\", um die Eingabe abzubrechen.");
    return QStringLiteral("Das angeforderte Dokument ist mit einem Passwort gesichert. Sie müssen das Passwort "
                          "eingeben, damit Talvex das Dokument öffnen kann.");
}

bool TPasswordDlgRules::MismatchVisible() const { return RepeatVisible() && m_password != m_repeat; }

bool TPasswordDlgRules::UnstorableVisible() const { return !canEncodeWindows1252(m_password); }

QString TPasswordDlgRules::UnstorableText()
{
    return QStringLiteral("Das Passwort enthält Zeichen, die nicht verwendet werden können.");
}

bool TPasswordDlgRules::OkEnabled() const
{
    if (m_password.isEmpty() || UnstorableVisible())
        return false;
    return !RepeatVisible() || m_password == m_repeat;
}

QString TPasswordDlgRules::QualityLabel() const
{
    return QStringLiteral("Qualität des Passwortes (%1 Zeichen):").arg(m_password.size());
}

int TPasswordDlgRules::QualityPercent() const { return int(std::lround(100.0 * PassphraseQuality(m_password))); }

QColor TPasswordDlgRules::QualityColor() const { return PassphraseQualityColor(QualityPercent()); }
