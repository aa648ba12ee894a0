#pragma once

#include "vyra_export.h"

#include <QByteArray>

class QTextDocument;

// Writes a document as RTF (the subset TRtfReader reads), 7-bit clean.
class VYRA_EXPORT TRtfWriter
{
public:
    static QByteArray write(const QTextDocument &document);
};
