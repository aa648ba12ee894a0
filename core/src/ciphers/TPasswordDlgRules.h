#pragma once

#include "vyra_export.h"

#include <QColor>
#include <QString>

enum class TPasswordLayout { plEnter, plDefine };

// What the password dialog shows for its two edits, without widgets: the
// enter layout asks for one password, the define layout for it twice.
class VYRA_EXPORT TPasswordDlgRules
{
public:
    explicit TPasswordDlgRules(TPasswordLayout layout);

    void SetTexts(const QString &password, const QString &repeat);

    TPasswordLayout Layout() const { return m_layout; }
    bool RepeatVisible() const { return m_layout == TPasswordLayout::plDefine; }
    int PasswordEditWidth() const { return RepeatVisible() ? 137 : 289; }
    int ClientHeight() const { return RepeatVisible() ? 201 : 161; }
    QString HintText() const;

    // "Passwörter ungleich!" is shown.
    bool MismatchVisible() const;
    // A character that cannot be part of a stored password (outside Windows-1252).
    bool UnstorableVisible() const;
    static QString UnstorableText();
    bool OkEnabled() const;
    QString QualityLabel() const;
    int QualityPercent() const;
    QColor QualityColor() const;

private:
    TPasswordLayout m_layout;
    QString m_password;
    QString m_repeat;
};
