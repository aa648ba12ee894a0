#pragma once

#include "utils/StreamStringFunctions.h"

// Adds the length-prefixed string operations of StreamStringFunctions.h as methods to
// a Qt device class. Writing an empty string writes its 4-byte count only.
template <class Device>
class TStreamExt : public Device
{
public:
    using Device::Device;

    QByteArray ReadString() { return ReadStringFromStream(*this); }
    void WriteString(const QByteArray &value) { WriteStringToStream(*this, value); }
    QString ReadText() { return ReadTextFromStream(*this); }
    bool WriteText(const QString &text, QString *error) { return WriteTextToStream(*this, text, error); }
};
