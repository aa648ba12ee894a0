#pragma once

#include "orvane_export.h"

#include <QString>
#include <optional>

// Reads a file on disk for searching: only regular files (no folder, FIFO,
// socket or device, which could block or never end), decoded as the editor
// decodes it. Files with a NUL byte (and no UTF-16 byte order mark) are
// binary and yield nothing, as do files that cannot be read.
class ORVANE_EXPORT TSearchFileReader
{
public:
    static std::optional<QString> ReadText(const QString &fileName);
    // Files above this size are not searched.
    static constexpr qint64 MaxFileSize = qint64(1) << 30;
};
