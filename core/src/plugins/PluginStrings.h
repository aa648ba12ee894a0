#pragma once

#include "VYRAPluginInterfaces.h"

#include <QString>

// Conversions of the strings that cross the plug-in interfaces.
namespace PluginStrings {

inline QString FromIn(TVYRAStringIn in)
{
    return in.text && in.length > 0 ? QString(reinterpret_cast<const QChar *>(in.text), qsizetype(in.length))
                                    : QString();
}

// Borrows text's buffer: text must outlive the call it is handed to.
inline TVYRAStringIn In(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), size_t(text.size())};
}

inline void Out(IVYRAStringOut *out, const QString &text)
{
    if (out)
        out->assign(reinterpret_cast<const char16_t *>(text.utf16()), size_t(text.size()));
}

// A 0-terminated text a module owns.
inline QString FromZero(const char16_t *text)
{
    return text ? QString::fromUtf16(text) : QString();
}

} // namespace PluginStrings
