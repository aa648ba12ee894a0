#pragma once

#include "vyra_export.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class TVYRAEditor;

// Font, selection and paragraph alignment of an editor's current control.
// Without an editor every getter gives its empty value (-1, "", no font).
class VYRA_EXPORT TVYRATextAttributes
{
public:
    explicit TVYRATextAttributes(TVYRAEditor *editor);

    // Code editor: the control's font; rich editor: the selection's.
    std::optional<QFont> GetFont() const;
    void SetFont(const QFont &font);
    void ApplyToFont(int size);
    void ApplyToFont(const QString &name);
    void ApplyColorToFont(const QColor &color);
    // Style: the fsBold ... fsStrikeOut flags.
    bool IsStylePresent(unsigned style) const;
    void SetStyle(unsigned style, bool on);

    int GetSelStart() const;
    void SetSelStart(int start);
    int GetSelLength() const;
    void SetSelLength(int length);
    QString GetSelText() const;
    void SetSelText(const QString &text);
    // Rich editor only; the code editor gives 0.
    int GetAlignment() const;
    void SetAlignment(int alignment);

    void Changed();

private:
    TVYRAEditor *m_editor;
};
